// SPDX-License-Identifier: GPL-3.0-or-later
#include "BotaoFiguraQt.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "BotaoTeclado.h"

BotaoFiguraQt::BotaoFiguraQt(QWidget* pai, const QRect& lugar, int tag,
                             const std::vector<QPixmap>* figuras)
    : QLabel(pai), tag_(tag), figuras_(figuras) {
    setGeometry(lugar);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(Qt::PointingHandCursor);
    TornarBotaoTeclado(this);
}

void BotaoFiguraQt::MostrarNormal() { setPixmap((*figuras_)[static_cast<std::size_t>(tag_)]); }

void BotaoFiguraQt::MostrarPressionado() {
    setPixmap((*figuras_)[static_cast<std::size_t>(tag_ + 1)]);
}

void BotaoFiguraQt::mousePressEvent(QMouseEvent* evento) {
    pressionado_ = true;
    if (automatico_) MostrarPressionado();
    if (evento->button() == Qt::LeftButton && aoPressionar) aoPressionar();
}

void BotaoFiguraQt::mouseReleaseEvent(QMouseEvent* evento) {
    if (!pressionado_) return;  // the second release of a double click that counts for nothing
    pressionado_ = false;
    if (automatico_) MostrarNormal();
    if (evento->button() != Qt::LeftButton) return;
    if (aoSoltar) aoSoltar();
    if (aoClicar && rect().contains(evento->position().toPoint())) aoClicar();
}

void BotaoFiguraQt::mouseDoubleClickEvent(QMouseEvent* evento) {
    // For the arrows a double click is one more press, so they step twice.
    if (cliqueDuplo_) mousePressEvent(evento);
}

QPixmap FiguraLegendada(const QSize& tamanho, const QString& legenda, bool pressionada) {
    QPixmap figura(tamanho);
    figura.fill(QColor(0xE8, 0xE8, 0xE8));
    QPainter p(&figura);
    const QRect borda = QRect(QPoint(0, 0), tamanho).adjusted(0, 0, -1, -1);
    p.setPen(pressionada ? QColor(0x70, 0x70, 0x70) : QColor(0xFF, 0xFF, 0xFF));
    p.drawLine(borda.topLeft(), borda.topRight());
    p.drawLine(borda.topLeft(), borda.bottomLeft());
    p.setPen(pressionada ? QColor(0xFF, 0xFF, 0xFF) : QColor(0x70, 0x70, 0x70));
    p.drawLine(borda.bottomLeft(), borda.bottomRight());
    p.drawLine(borda.topRight(), borda.bottomRight());
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(std::max(8, std::min(11, tamanho.height() - 8)));
    p.setFont(fonte);
    p.setPen(Qt::black);
    const QRect texto = borda.adjusted(2, pressionada ? 2 : 1, -2, pressionada ? 1 : 0);
    p.drawText(texto, Qt::AlignCenter,
               QFontMetrics(fonte).elidedText(legenda, Qt::ElideRight, texto.width()));
    return figura;
}
