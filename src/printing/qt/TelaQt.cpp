// SPDX-License-Identifier: GPL-3.0-or-later
#include "TelaQt.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace {

QString Texto(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
}

// Latin letters, digits and signs, without combining marks: text that looks the same
// without the shaping engine, which the chart's thousands of lines would otherwise all pass
// through. Any other script is shaped.
bool TextoSimples(const QString& texto) {
    return std::all_of(texto.begin(), texto.end(), [](QChar c) { return c.unicode() < 0x0250; });
}

// The layout names the faces of the system it was made for; the style hint picks a font of
// the same kind (fixed-pitch for the chart) where the face is not installed.
QFont FonteBase(std::string_view face) {
    if (face.empty()) return QGuiApplication::font();
    QFont fonte(Texto(face));
    if (face == "Courier New") {
        fonte.setStyleHint(QFont::TypeWriter);
        fonte.setFixedPitch(true);
    } else if (face == "Times New Roman") {
        fonte.setStyleHint(QFont::Serif);
    } else {
        fonte.setStyleHint(QFont::SansSerif);
    }
    return fonte;
}

}  // namespace

const FontesQt::Fonte& FontesQt::Obter(std::string_view face, int altura) {
    const auto chave = std::make_pair(std::string(face), altura);
    if (auto it = fontes_.find(chave); it != fontes_.end()) return it->second;

    // The line height (ascent plus descent) is proportional to the size, and fonts come in
    // whole pixel sizes: take the one whose line height is nearest.
    QFont fonte = FonteBase(face);
    auto alturaEm = [&fonte](int pixels) {
        fonte.setPixelSize(pixels);
        return QFontMetricsF(fonte).height();
    };
    const double alvo = std::max(altura, 1);
    const int estimado =
        std::max(1, static_cast<int>(std::lround(alvo * 256.0 / std::max(alturaEm(256), 1.0))));
    int melhor = estimado;
    double erro = std::abs(alturaEm(estimado) - alvo);
    for (int pixels : {estimado - 1, estimado + 1}) {
        if (pixels < 1) continue;
        const double e = std::abs(alturaEm(pixels) - alvo);
        if (e < erro || (e == erro && pixels < melhor)) {
            melhor = pixels;
            erro = e;
        }
    }
    fonte.setPixelSize(melhor);
    QFont simples = fonte;
    simples.setStyleStrategy(QFont::PreferNoShaping);
    return fontes_
        .try_emplace(chave, Fonte{fonte, simples, QFontMetrics(fonte), QFontMetrics(simples),
                                  std::max(altura, 1), QFontMetricsF(fonte).ascent()})
        .first->second;
}

TelaQt::TelaQt(QPainter& pintor, FontesQt& fontes) : pintor_(pintor), fontes_(fontes) {
    QPen caneta(Qt::black);
    caneta.setWidth(1);
    caneta.setJoinStyle(Qt::MiterJoin);
    pintor_.setPen(caneta);
    pintor_.setBrush(Qt::white);
    pintor_.setBackgroundMode(Qt::TransparentMode);
    pintor_.setRenderHint(QPainter::TextAntialiasing, true);
    pintor_.setFont(QGuiApplication::font());
}

void TelaQt::DefinirFonte(std::string_view face, int altura) {
    if (fonte_ != nullptr && altura == altura_ && face == face_) return;
    face_ = face;
    altura_ = altura;
    fonte_ = nullptr;
}

const FontesQt::Fonte& TelaQt::FonteAtual() {
    if (fonte_ == nullptr) fonte_ = &fontes_.Obter(face_, altura_);
    return *fonte_;
}

int TelaQt::LarguraTexto(std::string_view texto) {
    const FontesQt::Fonte& fonte = FonteAtual();
    const QString t = Texto(texto);
    return (TextoSimples(t) ? fonte.metricasSimples : fonte.metricas).horizontalAdvance(t);
}

// The cell height the font was chosen for, which is its line height.
int TelaQt::AlturaTexto(std::string_view) { return FonteAtual().altura; }

void TelaQt::EscreverTexto(int x, int y, std::string_view texto) {
    const FontesQt::Fonte& fonte = FonteAtual();
    const QString t = Texto(texto);
    const QFont* variante = TextoSimples(t) ? &fonte.simples : &fonte.fonte;
    if (variante != fontePintor_) {
        pintor_.setFont(*variante);
        fontePintor_ = variante;
    }
    pintor_.drawText(QPointF(x, y + fonte.ascendente), t);
}

void TelaQt::DefinirPincel(Pincel pincel) {
    pincel_ = pincel == Pincel::Branco ? QColor(Qt::white) : QColor(Qt::black);
    pintor_.setBrush(pincel_);
}

void TelaQt::Retangulo(int x1, int y1, int x2, int y2) {
    // Sharp one-unit outlines: the outline runs on the first and the last covered unit.
    pintor_.setRenderHint(QPainter::Antialiasing, false);
    pintor_.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TelaQt::RetanguloPreenchido(int x1, int y1, int x2, int y2) {
    pintor_.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), pincel_);
}

void TelaQt::Elipse(int x1, int y1, int x2, int y2) {
    pintor_.setRenderHint(QPainter::Antialiasing, true);
    pintor_.drawEllipse(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
    pintor_.setRenderHint(QPainter::Antialiasing, false);
}
