// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The page layout's canvas over a QPainter: printer pages, PDF pages and preview images.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "TelaImpressao.h"

// Fonts by cell height: the QFont of a face whose line height is a given number of units,
// found once per face and height. Sizes are in pixels, that is in the device's units.
class FontesQt {
  public:
    struct Fonte {
        QFont fonte;
        QFont simples;          // the same without the shaping engine, for Latin text
        QFontMetrics metricas;  // widths
        QFontMetrics metricasSimples;
        int altura;        // the cell height it stands for
        qreal ascendente;  // from the cell's top to the baseline
    };

    // The font of `face` (empty: the application's default face) for a cell height of
    // `altura` units: the whole pixel size whose line height (ascent plus descent) is
    // nearest to it.
    const Fonte& Obter(std::string_view face, int altura);

  private:
    std::map<std::pair<std::string, int>, Fonte> fontes_;
};

class TelaQt : public TelaImpressao {
  public:
    // Draws with `pintor`, which is active on its device (neither owned); fonts from `fontes`.
    TelaQt(QPainter& pintor, FontesQt& fontes);

    void DefinirFonte(std::string_view face, int altura) override;
    int LarguraTexto(std::string_view texto) override;
    int AlturaTexto(std::string_view texto) override;
    void EscreverTexto(int x, int y, std::string_view texto) override;
    void DefinirPincel(Pincel pincel) override;
    void Retangulo(int x1, int y1, int x2, int y2) override;
    void RetanguloPreenchido(int x1, int y1, int x2, int y2) override;
    void Elipse(int x1, int y1, int x2, int y2) override;

  private:
    const FontesQt::Fonte& FonteAtual();

    QPainter& pintor_;
    FontesQt& fontes_;
    std::string face_;
    int altura_ = 0;
    const FontesQt::Fonte* fonte_ = nullptr;  // the current font, once it is asked for
    const QFont* fontePintor_ = nullptr;      // the font set on the painter
    QColor pincel_ = Qt::white;
};
