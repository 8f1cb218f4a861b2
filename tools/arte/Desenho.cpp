// SPDX-License-Identifier: GPL-3.0-or-later
#include "Desenho.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "GeometriaTeclado.h"
#include "Paleta.h"

namespace arte {
namespace {

using namespace geometria;

QFont Fonte(int pixels, bool negrito = true, const char* familia = "Liberation Sans") {
    QFont f(QString::fromLatin1(familia));
    f.setPixelSize(pixels);
    f.setBold(negrito);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QImage Nova(int largura, int altura, bool transparente = false) {
    QImage img(largura, altura, QImage::Format_ARGB32_Premultiplied);
    img.fill(transparente ? Qt::transparent : Qt::black);
    return img;
}

// The bars depend on y only, so a piece at any x matches the whole bar.
void PintarBarraSuperior(QPainter& p, const QRect& alvo, int yNaBarra) {
    QLinearGradient g(0, -yNaBarra, 0, -yNaBarra + AlturaBarraSuperior);
    g.setColorAt(0.0, AzulTopo.lighter(115));
    g.setColorAt(0.55, AzulTopo);
    g.setColorAt(1.0, AzulBase);
    p.fillRect(alvo, g);
    // Thin gold rule along the bottom edge.
    const int yRegua = AlturaBarraSuperior - 3 - yNaBarra;
    p.fillRect(QRect(alvo.left(), yRegua, alvo.width(), 1), Dourado.darker(130));
    p.fillRect(QRect(alvo.left(), yRegua + 1, alvo.width(), 2), AzulBase.darker(140));
}

void PintarBarraInferior(QPainter& p, const QRect& alvo, int yNaBarra) {
    QLinearGradient g(0, -yNaBarra, 0, -yNaBarra + AlturaBarraInferior);
    g.setColorAt(0.0, GrafiteTopo);
    g.setColorAt(1.0, GrafiteBase);
    p.fillRect(alvo, g);
    p.fillRect(QRect(alvo.left(), -yNaBarra, alvo.width(), 2), QColor(12, 13, 16));
    p.fillRect(QRect(alvo.left(), -yNaBarra + 2, alvo.width(), 1), QColor(90, 98, 112));
}

void PintarFundo(QPainter& p, Fundo fundo, int largura, int altura, int x, int y) {
    const QRect alvo(0, 0, largura, altura);
    switch (fundo) {
        case Fundo::BarraSuperior: {
            p.save();
            p.translate(-x, 0);
            PintarBarraSuperior(p, alvo.translated(x, 0), y - TopoBarraSuperior);
            p.restore();
            break;
        }
        case Fundo::BarraInferior:
            PintarBarraInferior(p, alvo, y);
            break;
        case Fundo::Janela:
            p.fillRect(alvo, QColor(236, 236, 236));
            break;
        case Fundo::ImportarCifra:
            p.drawImage(QPoint(0, 0), FundoImportarCifra(), QRect(x, y, largura, altura));
            break;
        case Fundo::Impressao:
            p.fillRect(alvo, AzulImpressao);
            break;
        case Fundo::Visualizacao:
            p.fillRect(alvo, AzulBarraVisualizacao);
            break;
    }
}

void TextoCentrado(QPainter& p, const QRectF& r, const QString& texto, const QFont& fonte,
                   const QColor& cor, bool sombra) {
    p.setFont(fonte);
    if (sombra) {
        p.setPen(QColor(0, 0, 0, 110));
        p.drawText(r.translated(0, 1), Qt::AlignCenter, texto);
    }
    p.setPen(cor);
    p.drawText(r, Qt::AlignCenter, texto);
}

// The largest pixel size at which `texto` fits in `largura`.
QFont FonteQueCabe(const QString& texto, int largura, int maximo, int minimo = 8) {
    for (int px = maximo; px > minimo; --px) {
        QFont f = Fonte(px);
        if (QFontMetrics(f).horizontalAdvance(texto) <= largura) return f;
    }
    return Fonte(minimo);
}

QPainterPath Arredondado(const QRectF& r, qreal raio) {
    QPainterPath caminho;
    caminho.addRoundedRect(r, raio, raio);
    return caminho;
}

void PintarTeclaBranca(QPainter& p, int esquerda, int topo, int altura, bool pressionada) {
    const QRectF face(esquerda + 1, topo, LarguraBranca - 2, altura);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    if (pressionada) {
        g.setColorAt(0.0, QColor(122, 150, 192));
        g.setColorAt(0.06, QColor(172, 200, 238));
        g.setColorAt(1.0, QColor(192, 214, 246));
    } else {
        g.setColorAt(0.0, QColor(214, 211, 202));
        g.setColorAt(0.03, QColor(250, 249, 244));
        g.setColorAt(0.9, QColor(255, 255, 252));
        g.setColorAt(1.0, QColor(232, 229, 220));
    }
    QPainterPath caminho;
    caminho.addRoundedRect(face.adjusted(0, -4, 0, 0), 3, 3);
    p.save();
    p.setClipRect(face);
    p.fillPath(caminho, g);
    if (pressionada) {
        // A soft inner shadow on both sides tells a pressed key at a glance.
        QLinearGradient lado(face.topLeft(), face.topRight());
        lado.setColorAt(0.0, QColor(60, 80, 110, 70));
        lado.setColorAt(0.15, QColor(60, 80, 110, 0));
        lado.setColorAt(0.85, QColor(60, 80, 110, 0));
        lado.setColorAt(1.0, QColor(60, 80, 110, 70));
        p.fillRect(face, lado);
    }
    p.restore();
    // Dark gaps between the keys.
    p.fillRect(QRect(esquerda, topo, 1, altura), QColor(92, 88, 80));
    p.fillRect(QRect(esquerda + LarguraBranca - 1, topo, 1, altura), QColor(92, 88, 80));
}

void PintarTeclaPreta(QPainter& p, int esquerda, int topo, bool pressionada) {
    const QRectF corpo(esquerda, topo, LarguraPretaFigura, AlturaPretaFigura);
    QLinearGradient g(corpo.topLeft(), corpo.topRight());
    if (pressionada) {
        g.setColorAt(0.0, QColor(34, 48, 70));
        g.setColorAt(0.5, QColor(62, 84, 116));
        g.setColorAt(1.0, QColor(34, 48, 70));
    } else {
        g.setColorAt(0.0, QColor(8, 8, 10));
        g.setColorAt(0.5, QColor(40, 40, 44));
        g.setColorAt(1.0, QColor(8, 8, 10));
    }
    QPainterPath caminho;
    caminho.addRoundedRect(corpo.adjusted(0, -4, 0, 0), 2.5, 2.5);
    p.save();
    p.setClipRect(corpo);
    p.fillPath(caminho, g);
    // The sloped front of the key: long when released, short when pressed.
    const qreal frente = pressionada ? 5 : 12;
    const QRectF topoFrente(corpo.left() + 3, corpo.bottom() - frente - 2, corpo.width() - 6,
                            frente);
    QLinearGradient gf(topoFrente.topLeft(), topoFrente.bottomLeft());
    gf.setColorAt(0.0, pressionada ? QColor(88, 110, 142) : QColor(70, 70, 76));
    gf.setColorAt(1.0, pressionada ? QColor(44, 60, 84) : QColor(22, 22, 26));
    p.fillPath(Arredondado(topoFrente, 2), gf);
    p.restore();
}

void PintarMarcaDeFundo(QPainter& p, int largura, int altura) {
    // The cabinet: dark wood around the keys.
    QLinearGradient madeira(0, 0, 0, altura);
    madeira.setColorAt(0.0, QColor(58, 40, 30));
    madeira.setColorAt(1.0, QColor(34, 23, 17));
    p.fillRect(QRect(0, 0, largura, altura), madeira);
}

}  // namespace

QImage FundoTeclado() {
    QImage img = Nova(LarguraFundoTeclado, AlturaFundoTeclado);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PintarMarcaDeFundo(p, img.width(), img.height());

    // Red felt under the key tops.
    p.fillRect(QRect(EsquerdaTecla[0] - 4, TopoTecla - 6, LarguraFundoTeclado, 6),
               QColor(128, 22, 28));
    p.fillRect(QRect(EsquerdaTecla[0] - 4, TopoTecla - 7, LarguraFundoTeclado, 1),
               QColor(20, 12, 8));

    // Left cheek: a speaker grille and the name plate.
    const QRect grade(18, 104, 146, 150);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(24, 16, 12));
    p.drawRoundedRect(grade, 8, 8);
    for (int y = grade.top() + 10; y < grade.bottom() - 4; y += 9)
        for (int x = grade.left() + 10 + ((y / 9) % 2) * 4; x < grade.right() - 4; x += 9) {
            QRadialGradient furo(x, y, 3.2);
            furo.setColorAt(0.0, QColor(6, 4, 3));
            furo.setColorAt(1.0, QColor(50, 36, 28));
            p.setBrush(furo);
            p.drawEllipse(QPointF(x, y), 2.6, 2.6);
        }
    p.setFont(Fonte(22, true, "DejaVu Serif"));
    p.setPen(Dourado);
    p.drawText(QRect(0, 20, 182, 40), Qt::AlignCenter, QStringLiteral("Tastavo"));
    p.setPen(QColor(150, 118, 70));
    p.setFont(Fonte(10, false));
    p.drawText(QRect(0, 52, 182, 16), Qt::AlignCenter, QStringLiteral("C3 \u2013 C5  \u00b7  25"));

    // White keys first, black keys over them.
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int k = 0; k < 25; ++k)
        if (!((k % 12) == 1 || (k % 12) == 3 || (k % 12) == 6 || (k % 12) == 8 || (k % 12) == 10))
            PintarTeclaBranca(p, EsquerdaTecla[k], TopoTecla, AlturaBranca, false);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 25; ++k)
        if ((k % 12) == 1 || (k % 12) == 3 || (k % 12) == 6 || (k % 12) == 8 || (k % 12) == 10)
            PintarTeclaPreta(p, EsquerdaTecla[k], TopoTecla, false);
    // A shadow where the key tops disappear under the felt.
    QLinearGradient sombra(0, TopoTecla, 0, TopoTecla + 10);
    sombra.setColorAt(0.0, QColor(0, 0, 0, 110));
    sombra.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRect(EsquerdaTecla[0], TopoTecla, LarguraFundoTeclado, 10), sombra);
    return img;
}

QImage BrancaPressionada() {
    QImage img = Nova(LarguraBrancaPressionada, AlturaBrancaPressionada);
    QPainter p(&img);
    PintarTeclaBranca(p, 0, 0, AlturaBrancaPressionada, true);
    QLinearGradient sombra(0, 0, 0, 14);
    sombra.setColorAt(0.0, QColor(0, 0, 0, 130));
    sombra.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.fillRect(QRect(1, 0, LarguraBrancaPressionada - 2, 14), sombra);
    return img;
}

QImage PretaSolta() {
    QImage img = Nova(LarguraPretaFigura, AlturaPretaFigura);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // What lies around the key's rounded corners: the white keys' gap shadow.
    p.fillRect(img.rect(), QColor(60, 58, 54));
    PintarTeclaPreta(p, 0, 0, false);
    return img;
}

QImage PretaPressionada() {
    QImage img = Nova(LarguraPretaFigura, AlturaPretaFigura);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(img.rect(), QColor(60, 58, 54));
    PintarTeclaPreta(p, 0, 0, true);
    return img;
}

QImage Marca() {
    QImage img = Nova(TamanhoMarca, TamanhoMarca, true);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centro(11.5, 11.5);
    QRadialGradient g(QPointF(9, 8), 13);
    g.setColorAt(0.0, QColor(74, 150, 255));
    g.setColorAt(1.0, QColor(16, 76, 178));
    p.setBrush(g);
    p.setPen(QPen(QColor(255, 255, 255, 230), 1.6));
    p.drawEllipse(centro, 10.6, 10.6);
    return img;
}

QImage BotaoSimbolo(Simbolo simbolo, int largura, int altura, bool pressionado, Fundo fundo, int x,
                    int y) {
    QImage img = Nova(largura, altura, fundo == Fundo::Janela);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (fundo != Fundo::Janela) PintarFundo(p, fundo, largura, altura, x, y);
    const bool redondo = simbolo == Simbolo::SetaEsquerda || simbolo == Simbolo::SetaDireita;
    const QRectF caixa = QRectF(0.5, 0.5, largura - 1, altura - 1).adjusted(1, 1, -1, -1);
    QLinearGradient g(caixa.topLeft(), caixa.bottomLeft());
    const bool fechar = simbolo == Simbolo::Fechar;
    QColor claro = fechar ? QColor(214, 84, 72) : QColor(92, 140, 206);
    QColor escuro = fechar ? QColor(150, 40, 34) : QColor(38, 78, 140);
    if (simbolo == Simbolo::Ok) {
        claro = QColor(250, 250, 250);
        escuro = QColor(214, 214, 214);
    }
    if (simbolo == Simbolo::Cancelar) {
        claro = QColor(250, 250, 250);
        escuro = QColor(214, 214, 214);
    }
    if (pressionado) std::swap(claro, escuro);
    g.setColorAt(0.0, claro);
    g.setColorAt(1.0, escuro);
    p.setBrush(g);
    p.setPen(QPen(QColor(10, 20, 40, 170), 1));
    if (redondo)
        p.drawEllipse(caixa);
    else
        p.drawRoundedRect(caixa, 4, 4);

    const qreal d = pressionado ? 1 : 0;
    const QPointF c = caixa.center() + QPointF(d, d);
    const QColor tinta =
        (simbolo == Simbolo::Ok || simbolo == Simbolo::Cancelar) ? QColor(40, 40, 40) : Qt::white;
    p.setPen(QPen(tinta, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (simbolo) {
        case Simbolo::Minimizar:
            p.drawLine(QPointF(c.x() - 5, c.y() + 5), QPointF(c.x() + 5, c.y() + 5));
            break;
        case Simbolo::Fechar:
            p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
            p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
            break;
        case Simbolo::Ajuda:
            p.setFont(Fonte(17));
            p.setPen(tinta);
            p.drawText(QRectF(caixa).translated(d, d), Qt::AlignCenter, QStringLiteral("?"));
            break;
        case Simbolo::SetaEsquerda:
        case Simbolo::SetaDireita: {
            const qreal s = simbolo == Simbolo::SetaDireita ? 1 : -1;
            QPolygonF seta;
            seta << c + QPointF(-2.5 * s + 0.5 * s, -4) << c + QPointF(3.5 * s, 0)
                 << c + QPointF(-2.5 * s + 0.5 * s, 4);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawPolygon(seta);
            break;
        }
        case Simbolo::Ok: {
            p.setPen(QPen(QColor(30, 140, 60), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            QPolygonF v;
            v << c + QPointF(-6, 0) << c + QPointF(-2, 4) << c + QPointF(6, -5);
            p.drawPolyline(v);
            break;
        }
        case Simbolo::Cancelar:
            p.setPen(QPen(QColor(190, 40, 34), 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + QPointF(-5, -5), c + QPointF(5, 5));
            p.drawLine(c + QPointF(-5, 5), c + QPointF(5, -5));
            break;
        case Simbolo::Colar: {
            // A clipboard with a sheet of text on it.
            const QRectF prancheta(c.x() - 5.5, c.y() - 5, 11, 12.5);
            p.setPen(QPen(tinta, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawRoundedRect(prancheta, 1.5, 1.5);
            p.setPen(Qt::NoPen);
            p.setBrush(tinta);
            p.drawRoundedRect(QRectF(c.x() - 3, c.y() - 7, 6, 3.5), 1, 1);
            p.setPen(QPen(tinta, 1.3, Qt::SolidLine, Qt::RoundCap));
            for (int i = 0; i < 3; ++i) {
                const qreal y = c.y() - 1 + i * 2.8;
                p.drawLine(QPointF(c.x() - 3, y), QPointF(c.x() + (i == 2 ? 1 : 3), y));
            }
            break;
        }
    }
    return img;
}

QImage BotaoLegenda(const QString& legenda, int largura, int altura, bool pressionado, Fundo fundo,
                    int x, int y, bool destaque) {
    QImage img = Nova(largura, altura);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PintarFundo(p, fundo, largura, altura, x, y);
    const QRectF caixa(0.5, 0.5, largura - 1, altura - 1);
    QColor claro = destaque ? QColor(66, 170, 96) : QColor(78, 132, 214);
    QColor escuro = destaque ? QColor(28, 112, 54) : QColor(30, 76, 150);
    QLinearGradient g(caixa.topLeft(), caixa.bottomLeft());
    if (pressionado) {
        g.setColorAt(0.0, escuro.darker(115));
        g.setColorAt(1.0, claro.darker(105));
    } else {
        g.setColorAt(0.0, claro);
        g.setColorAt(1.0, escuro);
    }
    p.setBrush(g);
    p.setPen(QPen(QColor(8, 16, 30, 200), 1));
    p.drawRoundedRect(caixa, 4, 4);
    if (!pressionado) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1));
        p.drawLine(QPointF(4, 1.5), QPointF(largura - 4, 1.5));
    }
    const QFont f = FonteQueCabe(legenda, largura - 10, altura >= 21 ? 12 : 11);
    const qreal d = pressionado ? 1 : 0;
    TextoCentrado(p, QRectF(0, 0, largura, altura).translated(d, d), legenda, f, Qt::white, true);
    return img;
}

QImage BarraSuperior(const QString& subtitulo) {
    QImage img = Nova(LarguraBarraSuperior, AlturaBarraSuperior);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PintarBarraSuperior(p, img.rect(), 0);
    // A small key motif beside the name.
    const int x0 = 226, y0 = 16;
    for (int i = 0; i < 5; ++i) {
        p.setPen(QPen(QColor(20, 40, 70), 1));
        p.setBrush(QColor(246, 244, 236));
        p.drawRoundedRect(QRectF(x0 + i * 9, y0, 9, 30), 1.5, 1.5);
    }
    p.setBrush(QColor(18, 18, 22));
    p.setPen(Qt::NoPen);
    for (int i : {1, 2, 4}) p.drawRoundedRect(QRectF(x0 + i * 9 - 3, y0, 6, 18), 1, 1);

    p.setFont(Fonte(30, true, "DejaVu Serif"));
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(QRect(284, 9, 300, 40).translated(1, 2), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Tastavo"));
    p.setPen(Qt::white);
    p.drawText(QRect(284, 9, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tastavo"));
    p.setFont(Fonte(13, false));
    p.setPen(TextoClaro);
    p.drawText(QRect(286, 48, 320, 20), Qt::AlignLeft | Qt::AlignVCenter, subtitulo);
    return img;
}

QImage BarraInferior(const QString& cifra, const QString& catalogo, const QString& lista,
                     const QString& visualizacao) {
    QImage img = Nova(LarguraBarraInferior, AlturaBarraInferior);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PintarBarraInferior(p, img.rect(), 0);
    auto legenda = [&](const QRect& r, const QString& texto, Qt::Alignment alinhamento) {
        p.setFont(FonteQueCabe(texto, r.width(), 12));
        p.setPen(TextoClaro);
        p.drawText(r, alinhamento | Qt::AlignVCenter, texto);
    };
    // Captions beside the controls that lie on the bar (panel y minus the bar's top).
    legenda(QRect(12, 32, 156, 21), cifra, Qt::AlignRight);
    legenda(QRect(12, 57, 132, 22), catalogo, Qt::AlignRight);
    legenda(QRect(478, 14, 170, 18), lista, Qt::AlignLeft);
    legenda(QRect(665, 66, 130, 18), visualizacao, Qt::AlignLeft);
    // Subtle separators between the groups.
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    p.drawLine(QPointF(650.5, 14), QPointF(650.5, 104));
    return img;
}

QImage LinkSite(const QString& texto) {
    QImage img = Nova(182, 14);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-607, 0);
    PintarBarraSuperior(p, QRect(607, 0, 182, 14), 63 - TopoBarraSuperior);
    p.resetTransform();
    QFont f = FonteQueCabe(texto, 180, 11);
    f.setBold(false);
    f.setUnderline(true);
    p.setFont(f);
    p.setPen(QColor(160, 204, 255));
    p.drawText(QRect(0, 0, 180, 14), Qt::AlignRight | Qt::AlignVCenter, texto);
    return img;
}

QImage Entrada(const QString& subtitulo, const QString& carregando) {
    QImage img = Nova(250, 250);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 250);
    g.setColorAt(0.0, QColor(46, 122, 200));
    g.setColorAt(1.0, QColor(24, 72, 130));
    p.fillRect(img.rect(), g);
    // One octave, a C major chord pressed.
    const int x0 = 34, y0 = 120, lw = 26, h = 70;
    for (int i = 0; i < 7; ++i) {
        const bool pressionada = i == 0 || i == 2 || i == 4;
        p.setPen(QPen(QColor(20, 40, 70), 1));
        p.setBrush(pressionada ? QColor(200, 220, 246) : QColor(250, 249, 244));
        p.drawRoundedRect(QRectF(x0 + i * lw, y0, lw, h), 2, 2);
        if (pressionada) {
            p.setPen(QPen(Qt::white, 1.2));
            p.setBrush(QColor(22, 92, 196));
            p.drawEllipse(QPointF(x0 + i * lw + lw / 2.0, y0 + h - 14), 8, 8);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(16, 16, 20));
    for (int i : {1, 2, 4, 5, 6}) p.drawRoundedRect(QRectF(x0 + i * lw - 8, y0, 16, 42), 1.5, 1.5);

    p.setFont(Fonte(34, true, "DejaVu Serif"));
    p.setPen(QColor(0, 0, 0, 80));
    p.drawText(QRect(0, 30, 250, 50).translated(1, 2), Qt::AlignCenter, QStringLiteral("Tastavo"));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 30, 250, 50), Qt::AlignCenter, QStringLiteral("Tastavo"));
    p.setFont(FonteQueCabe(subtitulo, 230, 13));
    p.setPen(TextoClaro);
    p.drawText(QRect(0, 80, 250, 24), Qt::AlignCenter, subtitulo);
    QFont f = Fonte(11, false);
    f.setItalic(true);
    p.setFont(f);
    p.drawText(QRect(0, 208, 250, 20), Qt::AlignCenter, carregando);
    return img;
}

QImage LegendaMudarTom(const QString& texto) {
    // The head of the transposition panel that the background draws.
    QImage img = Nova(186, 17);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    PintarFundo(p, Fundo::ImportarCifra, img.width(), img.height(), 23, 380);
    p.setFont(FonteQueCabe(texto, 172, 12));
    p.setPen(Qt::white);
    p.drawText(img.rect().adjusted(8, 1, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, texto);
    return img;
}

}  // namespace arte
