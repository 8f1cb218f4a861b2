// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview's page images as QImages, and the canvas that measures text without drawing.

#include <QImage>
#include <QPainter>
#include <memory>

#include "SuperficiesImpressao.h"
#include "TelaQt.h"

class PaginaQImage : public PaginaImagem {
  public:
    // A white page of `tamanho` pixels, drawn on with fonts from `fontes` (not owned).
    PaginaQImage(TamanhoPagina tamanho, FontesQt& fontes);
    ~PaginaQImage() override;

    TelaImpressao& Tela() override { return *tela_; }
    void Concluir() override;
    TamanhoPagina Tamanho() const override { return {imagem_.width(), imagem_.height()}; }
    // The page; complete once Concluir has run.
    const QImage& Imagem() const { return imagem_; }

  private:
    QImage imagem_;
    std::unique_ptr<QPainter> pintor_;
    std::unique_ptr<TelaQt> tela_;
};

// The picture of a page that a FabricaPaginasQImage made, or null for any other page.
const QImage* ImagemDaPagina(const PaginaImagem& pagina);

// Measures text as the pages and the printer do, and draws nothing anyone sees: the measuring
// side of a recording canvas.
class MedidorTextoQt : public TelaImpressao {
  public:
    MedidorTextoQt();
    ~MedidorTextoQt() override;

    void DefinirFonte(std::string_view face, int altura) override {
        tela_->DefinirFonte(face, altura);
    }
    int LarguraTexto(std::string_view texto) override { return tela_->LarguraTexto(texto); }
    int AlturaTexto(std::string_view texto) override { return tela_->AlturaTexto(texto); }
    void EscreverTexto(int, int, std::string_view) override {}
    void DefinirPincel(Pincel) override {}
    void Retangulo(int, int, int, int) override {}
    void RetanguloPreenchido(int, int, int, int) override {}
    void Elipse(int, int, int, int) override {}

  private:
    QImage imagem_;
    FontesQt fontes_;
    std::unique_ptr<QPainter> pintor_;
    std::unique_ptr<TelaQt> tela_;
};

class FabricaPaginasQImage : public FabricaPaginasImagem {
  public:
    std::unique_ptr<PaginaImagem> CriarPagina(TamanhoPagina tamanho) override;
    TelaImpressao* Medidor() override { return &medidor_; }

  private:
    FontesQt fontes_;
    MedidorTextoQt medidor_;
};
