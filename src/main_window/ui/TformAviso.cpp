// SPDX-License-Identifier: GPL-3.0-or-later
#include "TformAviso.h"

#include <QLabel>
#include <QPushButton>

#include "AbrirShell.h"
#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "GerenciadorIdiomas.h"
#include "Shell.h"

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TformAviso::TformAviso(GerenciadorIdiomas& idiomas, CaixasMensagem& mensagens,
                       AbridorDesktop& abridor, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      idiomas_(idiomas),
      mensagens_(mensagens),
      abridor_(abridor) {
    setObjectName(QStringLiteral("TformAviso"));
    setFixedSize(340, 106);
    setModal(true);
    Mensagem = new QLabel(
        QStringLiteral("O nome do acorde não está de acordo com a sintaxe Corvela."), this);
    Mensagem->setObjectName(QStringLiteral("Mensagem"));
    Mensagem->setGeometry(19, 15, 301, 42);
    Mensagem->setAlignment(Qt::AlignCenter);
    Mensagem->setWordWrap(true);
    OK = new QPushButton(QStringLiteral("OK"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setGeometry(89, 69, 75, 25);
    OK->setDefault(true);
    Ajuda = new QPushButton(QStringLiteral("Ajuda"), this);
    Ajuda->setObjectName(QStringLiteral("Ajuda"));
    Ajuda->setGeometry(169, 69, 75, 25);
    setTabOrder(OK, Ajuda);
    setWindowTitle(Q(idiomas_.ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao)));
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Ajuda, &QPushButton::clicked, this, [this] { AjudaClick(); });
}

void TformAviso::DefinirMensagem(std::string_view mensagem, std::string_view titulo) {
    setWindowTitle(QString::fromUtf8(titulo.data(), static_cast<qsizetype>(titulo.size())));
    Mensagem->setText(QString::fromUtf8(mensagem.data(), static_cast<qsizetype>(mensagem.size())));
}

void TformAviso::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    if (QWidget* principal = parentWidget()) move(principal->geometry().center() - rect().center());
    OK->setFocus();
}

void TformAviso::AjudaClick() {
    try {
        AbrirDocumento(
            abridor_,
            idiomas_.CaminhoParametro(idm::parametros::caminhoPaginaAjudaCifras).string());
    } catch (const EFOpenError&) {
        mensagens_.Informar(idiomas_.ObterTexto(idm::geral::Secao, idm::geral::erroEncontrarAjuda),
                            idiomas_.ObterTexto(idm::geral::Secao, idm::geral::nomeAplicacao),
                            this);
    }
    close();
}
