#pragma once
// The page layout's canvas over a QPainter: printer pages, PDF pages and preview images.

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <map>
#include <string>
#include <string_view>
#include <tuple>

#include "TelaImpressao.h"

// Fonts by cell height: the QFont of a face whose QFontMetrics::height() is a given number of
// device units, found once per face, height and resolution.
class FontesQt {
  public:
    struct Fonte {
        QFont fonte;
        QFontMetrics metricas;
    };

    // The font of `face` (empty: the application's default face) whose line height on
    // `dispositivo` is `altura` units, or the nearest below it when the face has no such size.
    const Fonte& Obter(std::string_view face, int altura, const QPaintDevice& dispositivo);

  private:
    std::map<std::tuple<std::string, int, int>, Fonte> fontes_;
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
    const FontesQt::Fonte* fonte_ = nullptr;  // the font set on the painter, once it is asked for
    QColor pincel_ = Qt::white;
};
