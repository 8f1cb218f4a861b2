#include "TelaQt.h"

#include <QGuiApplication>
#include <QPen>
#include <algorithm>

namespace {

QString Texto(std::string_view texto) {
    return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size()));
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

QFont NoTamanho(QFont fonte, double pixels, int dpi) {
    fonte.setHintingPreference(QFont::PreferFullHinting);
    // A point size takes fractions where a pixel size does not; the device's resolution
    // turns it back into the same pixels.
    fonte.setPointSizeF(pixels * 72.0 / dpi);
    return fonte;
}

}  // namespace

const FontesQt::Fonte& FontesQt::Obter(std::string_view face, int altura,
                                       const QPaintDevice& dispositivo) {
    const int dpi = dispositivo.logicalDpiY();
    const auto chave = std::make_tuple(std::string(face), altura, dpi);
    if (auto it = fontes_.find(chave); it != fontes_.end()) return it->second;

    const QFont base = FonteBase(face);
    auto alturaEm = [&](double pixels) {
        return QFontMetrics(NoTamanho(base, pixels, dpi), &dispositivo).height();
    };
    // The line height grows with the size in steps; search the largest size whose line
    // height does not pass `altura`, starting from the proportion at 100 pixels.
    const int alvo = std::max(altura, 1);
    const double estimativa = 100.0 * alvo / std::max(alturaEm(100.0), 1);
    double baixo = estimativa * 0.8;
    double alto = estimativa * 1.2 + 1.0;
    while (baixo > 0.05 && alturaEm(baixo) > alvo) baixo /= 2;
    while (alturaEm(alto) <= alvo) alto *= 2;
    for (int i = 0; i < 20; ++i) {
        const double meio = (baixo + alto) / 2;
        (alturaEm(meio) <= alvo ? baixo : alto) = meio;
    }
    const QFont fonte = NoTamanho(base, baixo, dpi);
    return fontes_.try_emplace(chave, Fonte{fonte, QFontMetrics(fonte, &dispositivo)})
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
    if (fonte_ == nullptr) {
        fonte_ = &fontes_.Obter(face_, altura_, *pintor_.device());
        pintor_.setFont(fonte_->fonte);
    }
    return *fonte_;
}

int TelaQt::LarguraTexto(std::string_view texto) {
    return FonteAtual().metricas.horizontalAdvance(Texto(texto));
}

int TelaQt::AlturaTexto(std::string_view) { return FonteAtual().metricas.height(); }

void TelaQt::EscreverTexto(int x, int y, std::string_view texto) {
    const FontesQt::Fonte& fonte = FonteAtual();
    pintor_.drawText(QPointF(x, y + fonte.metricas.ascent()), Texto(texto));
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
