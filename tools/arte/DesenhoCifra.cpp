// SPDX-License-Identifier: GPL-3.0-or-later
// The chord chart window's pictures: the main window's colours around a white page for the
// song, a blue panel for the transposition controls, and the buttons drawn over their places.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "Desenho.h"
#include "Paleta.h"

namespace arte {
namespace {

constexpr int Largura = 472;
constexpr int Altura = 456;
// The title band holds the paste, help, minimise and close buttons (down to y = 45).
constexpr int AlturaFaixa = 48;
// The text box and the transposition panel, as the window places them.
const QRect Texto(17, 51, 434, 316);
const QRect PainelTom(23, 380, 186, 66);
// The transposition labels are white on this blue; the panel wears it so they merge.
const QColor AzulPainel(26, 96, 181);

}  // namespace

QImage FundoImportarCifra() {
    QImage img(Largura, Altura, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient corpo(0, AlturaFaixa, 0, Altura);
    corpo.setColorAt(0.0, GrafiteTopo);
    corpo.setColorAt(1.0, GrafiteBase);
    p.fillRect(img.rect(), corpo);

    QLinearGradient faixa(0, 0, 0, AlturaFaixa);
    faixa.setColorAt(0.0, AzulTopo.lighter(115));
    faixa.setColorAt(0.55, AzulTopo);
    faixa.setColorAt(1.0, AzulBase);
    p.fillRect(QRect(0, 0, Largura, AlturaFaixa), faixa);
    p.fillRect(QRect(0, AlturaFaixa - 2, Largura, 1), Dourado.darker(130));
    p.fillRect(QRect(0, AlturaFaixa - 1, Largura, 1), AzulBase.darker(140));

    // The page sunk into the body: dark above and left, a light edge below and right.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(Texto.adjusted(-1, -1, 1, 1), QColor(90, 98, 112));
    p.fillRect(Texto.adjusted(-1, -1, 0, 0), QColor(12, 13, 16));
    p.fillRect(Texto, Qt::white);

    // The transposition panel; its caption picture covers the head.
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath painel;
    painel.addRoundedRect(QRectF(PainelTom).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
    p.setPen(QPen(QColor(10, 30, 70), 1));
    p.setBrush(AzulPainel);
    p.drawPath(painel);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.drawLine(QPointF(PainelTom.left() + 6, PainelTom.top() + 17.5),
               QPointF(PainelTom.right() - 6, PainelTom.top() + 17.5));

    // A thin frame keeps the borderless window apart from what lies behind it.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(8, 10, 14));
    p.setBrush(Qt::NoBrush);
    p.drawRect(img.rect().adjusted(0, 0, -1, -1));
    return img;
}

QImage BotaoTransporCifra(bool acima, bool pressionado) {
    constexpr int largura = 20;
    constexpr int altura = 18;
    const QPoint lugar(30, acima ? 401 : 422);
    QImage img(largura, altura, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.drawImage(QPoint(0, 0), FundoImportarCifra(), QRect(lugar, QSize(largura, altura)));
    p.setRenderHint(QPainter::Antialiasing);

    const QRectF caixa(0.5, 0.5, largura - 1, altura - 1);
    QLinearGradient g(caixa.topLeft(), caixa.bottomLeft());
    g.setColorAt(0.0, pressionado ? QColor(168, 188, 218) : QColor(252, 252, 255));
    g.setColorAt(1.0, pressionado ? QColor(214, 224, 240) : QColor(196, 212, 236));
    p.setBrush(g);
    p.setPen(QPen(QColor(8, 24, 60, 220), 1));
    p.drawRoundedRect(caixa, 3, 3);

    // An arrow head pointing the way the chords go.
    const qreal d = pressionado ? 1 : 0;
    const QPointF c(largura / 2.0 + d, altura / 2.0 + d);
    const qreal s = acima ? 1 : -1;
    QPolygonF seta;
    seta << c + QPointF(0, -4 * s) << c + QPointF(5, 3 * s) << c + QPointF(-5, 3 * s);
    p.setPen(Qt::NoPen);
    p.setBrush(AzulBase);
    p.drawPolygon(seta);
    return img;
}

}  // namespace arte
