// SPDX-License-Identifier: GPL-3.0-or-later
#include "TformListaIdiomas.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "ArteEmbutida.h"
#include "CaixaMensagem.h"

namespace {
QPushButton* BotaoFigura(QWidget* pai, const char* figura, const QRect& lugar) {
    auto* b = new QPushButton(pai);
    b->setGeometry(lugar);
    b->setIcon(QIcon(QString::fromLatin1(":/arte/%1.png").arg(QLatin1String(figura))));
    b->setIconSize(lugar.size());
    b->setFlat(true);
    b->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
    b->setCursor(Qt::PointingHandCursor);
    return b;
}
}  // namespace

TformListaIdiomas::TformListaIdiomas(CaixasMensagem& mensagens, QWidget* pai)
    : QDialog(pai, Qt::Tool), mensagens_(mensagens) {
    CarregarArteEmbutida();
    setObjectName(QStringLiteral("TformListaIdiomas"));
    setFixedSize(236, 252);
    setWindowTitle(QString());
    listaIdiomas = new QListWidget(this);
    listaIdiomas->setObjectName(QStringLiteral("listaIdiomas"));
    listaIdiomas->setGeometry(13, 15, 210, 185);
    btnOk = BotaoFigura(this, "ok", QRect(95, 214, 75, 25));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setToolTip(QStringLiteral("OK"));
    btnCancelar = BotaoFigura(this, "cancelar", QRect(175, 214, 48, 25));
    btnCancelar->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar->setToolTip(QStringLiteral("Cancel"));
    // Picture buttons: their names for screen readers are the manager's own fixed English.
    btnOk->setAccessibleName(QStringLiteral("OK"));
    btnCancelar->setAccessibleName(QStringLiteral("Cancel"));
    listaIdiomas->setAccessibleName(QStringLiteral("Language"));
    setAccessibleName(QStringLiteral("Language"));
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(listaIdiomas, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void TformListaIdiomas::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    btnOk->setDefault(true);
    listaIdiomas->setFocus();
    if (QScreen* tela = QGuiApplication::primaryScreen())
        move(tela->availableGeometry().center() - rect().center());
}

int TformListaIdiomas::EscolherIndice(const std::vector<std::string>& nomes, int destacado) {
    listaIdiomas->clear();
    for (const std::string& n : nomes) listaIdiomas->addItem(QString::fromStdString(n));
    listaIdiomas->setCurrentRow(destacado >= 0 && destacado < listaIdiomas->count() ? destacado
                                                                                    : -1);
    if (destacado < 0) listaIdiomas->clearSelection();
    if (exec() != QDialog::Accepted) return -1;
    const auto selecionados = listaIdiomas->selectedItems();
    return selecionados.isEmpty() ? -1 : listaIdiomas->row(selecionados.front());
}

void TformListaIdiomas::MostrarMensagem(std::string_view texto, std::string_view titulo) {
    mensagens_.Informar(texto, titulo);
}

void TformListaIdiomas::EncerrarAplicacao() {
    // quit() is lost before the loop runs, so it is also queued for when it starts.
    QCoreApplication::quit();
    QTimer::singleShot(0, qApp, [] { QCoreApplication::quit(); });
}
