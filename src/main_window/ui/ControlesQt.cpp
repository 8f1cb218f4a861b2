// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlesQt.h"

#include <QMouseEvent>
#include <QPixmap>

ImagemQt::ImagemQt(QWidget* pai, const QRect& lugar, int tag) : QLabel(pai), tag_(tag) {
    setGeometry(lugar);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
}

QPixmap ImagemQt::Figura() const { return pixmap(); }

void ImagemQt::DefinirFigura(const QPixmap& figura) { setPixmap(figura); }

void ImagemQt::CopiarFiguraDe(const ControleImagem& modelo) {
    setPixmap(static_cast<const ImagemQt&>(modelo).pixmap());
}

void ImagemQt::LimparFigura() { clear(); }

void ImagemQt::mouseMoveEvent(QMouseEvent* evento) {
    if (aoMoverMouse) aoMoverMouse(tag_);
    QLabel::mouseMoveEvent(evento);
}

void ImagemQt::mousePressEvent(QMouseEvent* evento) {
    if (aoPressionar)
        aoPressionar(evento);
    else
        QLabel::mousePressEvent(evento);
}

MarcaQt::MarcaQt(QWidget* pai, const QSize& tamanho) : QLabel(pai) {
    resize(tamanho);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

RotuloQt::RotuloQt(QWidget* pai, const QSize& tamanho) : QLabel(pai) {
    resize(tamanho);
    setAlignment(Qt::AlignCenter);
    QFont fonte(QStringLiteral("Liberation Sans"));
    fonte.setPixelSize(12);
    fonte.setBold(true);
    setFont(fonte);
    setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void RotuloQt::DefinirTexto(std::string_view texto) {
    setText(QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())));
}
