// SPDX-License-Identifier: GPL-3.0-or-later
// The picture at the left of the sound driver wizard: a few keys under a loudspeaker that sends
// out sound waves, the wizard's question in one glance.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <utility>

#include "Desenho.h"

namespace arte {

QImage AssistenteDriver() {
    constexpr int largura = 139;
    constexpr int altura = 208;
    QImage img(largura, altura, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient ceu(0, 0, 0, altura);
    ceu.setColorAt(0.0, QColor(48, 104, 176));
    ceu.setColorAt(0.6, QColor(28, 66, 122));
    ceu.setColorAt(1.0, QColor(16, 38, 74));
    p.fillRect(img.rect(), ceu);

    // Loudspeaker: a box with a cone, centred in the upper half.
    const QRectF caixa(24, 30, 46, 64);
    QLinearGradient madeira(caixa.topLeft(), caixa.topRight());
    madeira.setColorAt(0.0, QColor(46, 50, 58));
    madeira.setColorAt(1.0, QColor(24, 26, 32));
    QPainterPath contorno;
    contorno.addRoundedRect(caixa, 6, 6);
    p.fillPath(contorno, madeira);
    p.setPen(QPen(QColor(226, 184, 92), 1.5));
    p.drawPath(contorno);
    for (const auto& [cy, raio] : {std::pair{48.0, 9.0}, std::pair{76.0, 13.0}}) {
        QRadialGradient cone(QPointF(caixa.center().x(), cy), raio);
        cone.setColorAt(0.0, QColor(120, 126, 138));
        cone.setColorAt(0.35, QColor(70, 74, 84));
        cone.setColorAt(1.0, QColor(14, 15, 18));
        p.setPen(QPen(QColor(150, 156, 168), 1));
        p.setBrush(cone);
        p.drawEllipse(QPointF(caixa.center().x(), cy), raio, raio);
    }

    // Sound waves, fading as they travel.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 22 + i * 13;
        p.setPen(QPen(QColor(255, 255, 255, 220 - i * 60), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(caixa.right() - r + 6, 62 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }

    // Two notes floating above the waves.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 184, 92));
    p.drawEllipse(QPointF(104, 40), 5, 4);
    p.drawEllipse(QPointF(120, 34), 5, 4);
    p.fillRect(QRectF(108, 16, 2, 24), QColor(226, 184, 92));
    p.fillRect(QRectF(124, 10, 2, 24), QColor(226, 184, 92));
    p.fillRect(QRectF(108, 12, 18, 4), QColor(226, 184, 92));

    // An octave of keys along the bottom.
    const QRectF teclado(10, 124, 119, 70);
    constexpr int brancas = 7;
    const qreal lb = teclado.width() / brancas;
    for (int i = 0; i < brancas; ++i) {
        const QRectF tecla(teclado.left() + i * lb, teclado.top(), lb - 1, teclado.height());
        QLinearGradient marfim(tecla.topLeft(), tecla.bottomLeft());
        marfim.setColorAt(0.0, QColor(214, 211, 202));
        marfim.setColorAt(0.1, QColor(250, 249, 244));
        marfim.setColorAt(1.0, QColor(228, 225, 216));
        QPainterPath forma;
        forma.addRoundedRect(tecla.adjusted(0, -3, 0, 0), 2, 2);
        p.save();
        p.setClipRect(tecla);
        p.fillPath(forma, marfim);
        p.restore();
    }
    for (int i : {0, 1, 3, 4, 5}) {
        const QRectF preta(teclado.left() + (i + 1) * lb - lb * 0.3, teclado.top(), lb * 0.6, 42);
        QLinearGradient ebano(preta.topLeft(), preta.bottomLeft());
        ebano.setColorAt(0.0, QColor(20, 20, 24));
        ebano.setColorAt(1.0, QColor(58, 60, 68));
        p.fillRect(preta, ebano);
    }
    p.setPen(QPen(QColor(226, 184, 92), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(teclado.adjusted(-0.5, -0.5, -0.5, 0.5));
    return img;
}

}  // namespace arte
