#include "BotaoFiguraQt.h"

#include <QMouseEvent>

BotaoFiguraQt::BotaoFiguraQt(QWidget* pai, const QRect& lugar, int tag, const std::vector<QPixmap>* figuras)
    : QLabel(pai), tag_(tag), figuras_(figuras) {
    setGeometry(lugar);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCursor(Qt::PointingHandCursor);
}

void BotaoFiguraQt::MostrarNormal() { setPixmap((*figuras_)[static_cast<std::size_t>(tag_)]); }

void BotaoFiguraQt::MostrarPressionado() { setPixmap((*figuras_)[static_cast<std::size_t>(tag_ + 1)]); }

void BotaoFiguraQt::mousePressEvent(QMouseEvent* evento) {
    if (automatico_) MostrarPressionado();
    if (evento->button() == Qt::LeftButton && aoPressionar) aoPressionar();
}

void BotaoFiguraQt::mouseReleaseEvent(QMouseEvent* evento) {
    if (automatico_) MostrarNormal();
    if (evento->button() != Qt::LeftButton) return;
    if (aoSoltar) aoSoltar();
    if (aoClicar && rect().contains(evento->position().toPoint())) aoClicar();
}

void BotaoFiguraQt::mouseDoubleClickEvent(QMouseEvent* evento) {
    // A double click is one more press, so the arrows step twice.
    mousePressEvent(evento);
}
