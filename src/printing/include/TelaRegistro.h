// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A canvas that keeps what is drawn on it, page by page, instead of drawing: the page layout
// as data, for tests and for the command-line tool's drawing list. With the printer and the
// page factory below it stands in for either surface.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SuperficiesImpressao.h"
#include "TelaImpressao.h"

struct OperacaoDesenho {
    enum class Tipo { Texto, Retangulo, RetanguloPreenchido, Elipse };

    Tipo tipo = Tipo::Texto;
    // A shape's corners (x2, y2 excluded); a text's left edge and top in x1, y1.
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Pincel pincel = Pincel::Branco;  // a shape's fill
    // Text only: the text, the face and height asked for, and what the canvas measured.
    std::string texto;
    std::string face;
    int alturaFonte = 0;
    int largura = 0;
    int altura = 0;
    int alturaA = 0;  // text height of "A"

    bool operator==(const OperacaoDesenho&) const = default;
};

using PaginaRegistrada = std::vector<OperacaoDesenho>;

class TelaRegistro : public TelaImpressao {
  public:
    // Measures text with `medidor` (not owned; it draws nothing) when given; otherwise every
    // character is half the font height wide and every text one font height high.
    explicit TelaRegistro(TelaImpressao* medidor = nullptr) : medidor_(medidor) {}

    void DefinirFonte(std::string_view face, int altura) override;
    int LarguraTexto(std::string_view texto) override;
    int AlturaTexto(std::string_view texto) override;
    void EscreverTexto(int x, int y, std::string_view texto) override;
    void DefinirPincel(Pincel pincel) override { pincel_ = pincel; }
    void Retangulo(int x1, int y1, int x2, int y2) override;
    void RetanguloPreenchido(int x1, int y1, int x2, int y2) override;
    void Elipse(int x1, int y1, int x2, int y2) override;

    // Later operations go to a new page.
    void NovaPagina() { paginas_.emplace_back(); }
    // The pages in drawing order (at least one).
    const std::vector<PaginaRegistrada>& Paginas() const { return paginas_; }
    // Hands the pages over, leaving one empty page.
    std::vector<PaginaRegistrada> Extrair();

  private:
    void Forma(OperacaoDesenho::Tipo tipo, int x1, int y1, int x2, int y2);

    TelaImpressao* medidor_;
    std::string face_;
    int altura_ = 0;
    Pincel pincel_ = Pincel::Branco;
    std::vector<PaginaRegistrada> paginas_{1};
};

// Draws the recorded `pagina` on `tela` with every coordinate and font height multiplied by
// `escala` (rounded half up; a font at least one unit high): a page laid out in the printer's
// measures, painted at the preview's size. Text is written where the layout measured it, so
// the page breaks and line breaks stay the printer's.
void ReproduzirPagina(const PaginaRegistrada& pagina, TelaImpressao& tela, double escala = 1.0);

// A printer that records its document.
class ImpressoraRegistro : public ImpressoraImpressao {
  public:
    explicit ImpressoraRegistro(TamanhoPagina pagina, TelaImpressao* medidor = nullptr)
        : pagina_(pagina), medidor_(medidor) {}

    bool EscolherImpressora() override { return true; }
    std::optional<TamanhoPagina> TamanhoPaginaImpressora() override { return pagina_; }
    TelaImpressao& IniciarDocumento(std::string_view titulo) override;
    void NovaPagina() override { tela_->NovaPagina(); }
    void EncerrarDocumento() override { encerrado_ = true; }
    void AbortarDocumento() noexcept override { abortado_ = true; }

    // The last document's pages, empty before any.
    const std::vector<PaginaRegistrada>& Paginas() const;
    const std::string& Titulo() const { return titulo_; }
    bool Encerrado() const { return encerrado_; }
    bool Abortado() const { return abortado_; }

  private:
    TamanhoPagina pagina_;
    TelaImpressao* medidor_;
    std::unique_ptr<TelaRegistro> tela_;
    std::string titulo_;
    bool encerrado_ = false;
    bool abortado_ = false;
};

// A preview page that records its drawing.
class PaginaRegistro : public PaginaImagem {
  public:
    PaginaRegistro(TamanhoPagina tamanho, TelaImpressao* medidor)
        : tamanho_(tamanho), tela_(medidor) {}
    TelaImpressao& Tela() override { return tela_; }
    void Concluir() override { concluida_ = true; }
    TamanhoPagina Tamanho() const override { return tamanho_; }

    const PaginaRegistrada& Operacoes() const { return tela_.Paginas().front(); }
    bool Concluida() const { return concluida_; }

  private:
    TamanhoPagina tamanho_;
    TelaRegistro tela_;
    bool concluida_ = false;
};

class FabricaPaginasRegistro : public FabricaPaginasImagem {
  public:
    explicit FabricaPaginasRegistro(TelaImpressao* medidor = nullptr) : medidor_(medidor) {}
    std::unique_ptr<PaginaImagem> CriarPagina(TamanhoPagina tamanho) override;
    TelaImpressao* Medidor() override { return medidor_; }
    // How many page images were made so far: a page is made when it is shown and not kept.
    int PaginasCriadas() const { return criadas_; }

  private:
    TelaImpressao* medidor_;
    int criadas_ = 0;
};
