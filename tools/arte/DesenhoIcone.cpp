// SPDX-License-Identifier: GPL-3.0-or-later
// The application's icon: a few keys of the keyboard with a chord pressed, on the blue of the
// top bar and the splash, so the menu entry looks like the window it opens. Drawn on a 256-unit
// grid and scaled, so every size comes from the same design, the scalable one included.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include "Desenho.h"

namespace arte {

void DesenharIcone(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);

    // The tile: a rounded square with the splash's gradient and a soft light at the top.
    const QRectF placa(10, 10, 236, 236);
    QLinearGradient azul(0, placa.top(), 0, placa.bottom());
    azul.setColorAt(0.0, QColor(52, 132, 212));
    azul.setColorAt(1.0, QColor(20, 62, 118));
    p.setPen(QPen(QColor(12, 36, 72), 4));
    p.setBrush(azul);
    p.drawRoundedRect(placa, 48, 48);
    QLinearGradient brilho(0, placa.top(), 0, placa.top() + 90);
    brilho.setColorAt(0.0, QColor(255, 255, 255, 70));
    brilho.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(brilho);
    p.drawRoundedRect(placa.adjusted(4, 4, -4, -120), 44, 44);

    // Five white keys, C to G, with C, E and G pressed; a gold rule above them as on the
    // keyboard's felt.
    const qreal x0 = 38, topo = 64, largura = 36, altura = 150;
    p.setBrush(QColor(226, 184, 92));
    p.drawRect(QRectF(x0 - 4, topo - 10, 5 * largura + 8, 8));
    for (int i = 0; i < 5; ++i) {
        const bool pressionada = i == 0 || i == 2 || i == 4;
        const QRectF tecla(x0 + i * largura, topo, largura, altura);
        QPainterPath forma;
        forma.addRoundedRect(tecla.adjusted(1.5, 0, -1.5, 0), 6, 6);
        p.setPen(QPen(QColor(16, 36, 66), 3));
        p.setBrush(pressionada ? QColor(196, 218, 248) : QColor(252, 251, 246));
        p.drawPath(forma);
        if (pressionada) {
            // The finger mark of the application's keyboard.
            p.setPen(QPen(Qt::white, 4));
            p.setBrush(QColor(22, 92, 196));
            p.drawEllipse(QPointF(tecla.center().x(), topo + altura - 28), 13, 13);
        }
    }
    // Black keys between C-D, D-E and F-G.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 18, 24));
    for (int i : {1, 2, 4}) {
        const QRectF preta(x0 + i * largura - 12, topo, 24, altura * 0.58);
        p.drawRoundedRect(preta, 4, 4);
        p.setBrush(QColor(70, 74, 86));
        p.drawRect(QRectF(preta.left() + 5, preta.bottom() - 10, preta.width() - 10, 5));
        p.setBrush(QColor(18, 18, 24));
    }
}

QImage IconeAplicativo(int tamanho) {
    QImage img(tamanho, tamanho, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.scale(tamanho / 256.0, tamanho / 256.0);
    DesenharIcone(p);
    return img;
}

bool IconeAplicativoSvg(const QString& arquivo) {
    QSvgGenerator svg;
    svg.setFileName(arquivo);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Tastavo"));
    svg.setDescription(QStringLiteral("The Tastavo application icon"));
    QPainter p;
    if (!p.begin(&svg)) return false;
    DesenharIcone(p);
    return p.end();
}

}  // namespace arte
