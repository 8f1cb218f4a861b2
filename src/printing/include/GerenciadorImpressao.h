// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print manager: lays out the header, the chart text in a fixed-pitch font and a grid of
// keyboard diagrams, on a printer page after page or, for the preview, as a drawing list per
// page that is painted into a page image when the page is shown. The preview lays the document
// out in the printer's measures and draws it scaled, so its pages are the printout's.

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ColecaoAcordeImpressao.h"
#include "ConteudoImpressao.h"
#include "MedidasPagina.h"
#include "RotuloTecla.h"
#include "SuperficiesImpressao.h"
#include "TelaRegistro.h"

// The two header lines: the application's name (also the print job's title) and the maker's
// web address, as the language file gives them.
struct TextosCabecalho {
    std::string titulo;
    std::string endereco;
};

// One song of a document: its chart text (lines, each followed by a line feed) and its
// print list. A song sheet's own title and subtitle take the place of the two header lines
// when the title is not empty; `refrao` marks the chart lines (by their number in
// `textoCifra`, from 0) that belong to a chorus.
struct MusicaImpressao {
    std::string textoCifra;
    ColecaoAcordeImpressao acordes;
    std::string titulo;
    std::string subtitulo;
    std::vector<bool> refrao;
};

// The song a chart prints as, without its print list: a ChordPro song (by the name of its
// file, or by a directive line) as its song sheet, with its title, subtitle (or artist) and
// chorus lines; any other chart as it is.
MusicaImpressao MusicaDaCifra(std::string_view texto, std::string_view nomeArquivo = {});

enum class ResultadoImpressao {
    Impresso,
    Cancelado,       // the user cancelled the print dialog; nothing was printed
    ErroImpressora,  // no document could be started: the window tells the user
    Interrompido,    // the printer failed after the document started; it was dropped
};

// The lines of a chart text as they are printed: every empty line becomes a blank line except
// an empty first line, which is dropped; a tab becomes two spaces; line feeds and carriage
// returns both end lines, and a run of them counts as one break.
// With `origem`, each printed line's number among the text's lines (counted by line feeds).
std::vector<std::string> LinhasTextoCifra(std::string_view texto,
                                          std::vector<std::size_t>* origem = nullptr);

class GerenciadorImpressao {
  public:
    // Draws with `textos` as the header; preview pages come from `fabrica` (not owned, may be
    // null: then there is no preview).
    explicit GerenciadorImpressao(TextosCabecalho textos, FabricaPaginasImagem* fabrica = nullptr);
    virtual ~GerenciadorImpressao();
    GerenciadorImpressao(const GerenciadorImpressao&) = delete;
    GerenciadorImpressao& operator=(const GerenciadorImpressao&) = delete;

    // The one print manager, as start-up bound it (Fachada).
    static GerenciadorImpressao& Instancia();

    // The preview window that shows pages (not owned; null: pages are only kept).
    void DefinirExibicao(ExibicaoPagina* exibicao) { exibicao_ = exibicao; }
    // The page size of the printer a preview imitates, or none without a printer.
    void DefinirTamanhoImpressora(std::function<std::optional<TamanhoPagina>()> tamanho) {
        tamanhoImpressora_ = std::move(tamanho);
    }
    // Where a render for a new zoom takes fresh data: a copy of the print list and the chart
    // text. Without it, the data of the last render is drawn again.
    void DefinirFonteDocumento(std::function<ColecaoAcordeImpressao()> lista,
                               std::function<MusicaImpressao()> cifra) {
        fonteLista_ = std::move(lista);
        fonteCifra_ = std::move(cifra);
    }

    // Lets the user choose a printer on `impressora` and prints the whole document on it with
    // scale 1. Never throws for printer failures: the result says what happened.
    ResultadoImpressao Imprimir(ImpressoraImpressao& impressora, ConteudoImpressao conteudo,
                                ModoVisualizacao modo, const ColecaoAcordeImpressao& lista,
                                std::string_view textoCifra);
    // As above for a set list: each song starts on a new page with its header and its chords.
    ResultadoImpressao Imprimir(ImpressoraImpressao& impressora, ConteudoImpressao conteudo,
                                ModoVisualizacao modo, std::span<const MusicaImpressao> musicas);

    // Lays the whole document out for the preview at `zoom` percent, keeps its pages' drawing
    // in place of the previous ones and shows page `pagina` (from 1). Does nothing without a
    // page factory.
    void Visualizar(ConteudoImpressao conteudo, ModoVisualizacao modo, int pagina, int zoom,
                    const ColecaoAcordeImpressao& lista, std::string_view textoCifra);
    void Visualizar(ConteudoImpressao conteudo, ModoVisualizacao modo, int pagina, int zoom,
                    std::span<const MusicaImpressao> musicas);
    // Shows page `pagina` of the kept drawing when `zoom` is that of the last render;
    // otherwise renders again at `zoom` with the stored content and label kind, then shows it.
    // A page number outside the document shows the nearest page.
    void MostrarPagina(int pagina, int zoom);

    // The pages of the last preview render.
    int QuantidadePaginas() const { return static_cast<int>(paginas_.size()); }
    // The image of page `indice` (from 0), painted now unless it is one of the few shown last.
    // Valid until the next call. Throws std::out_of_range outside the document.
    const PaginaImagem& Pagina(int indice);
    // The drawing of page `indice`, in the printer's measures.
    const PaginaRegistrada& DesenhoPagina(int indice) const {
        return paginas_.at(static_cast<std::size_t>(indice));
    }
    // The scale from the printer's measures to the preview's pages.
    double Escala() const { return escala_; }
    // Zoom of the last render (0 before any), and its page size.
    int Zoom() const { return zoom_; }
    TamanhoPagina TamanhoPaginas() const { return tamanho_; }
    const TextosCabecalho& Textos() const { return textos_; }

  private:
    void Renderizar(int zoom);
    void Exibir(int pagina);

    TextosCabecalho textos_;
    FabricaPaginasImagem* fabrica_;
    ExibicaoPagina* exibicao_ = nullptr;
    std::function<std::optional<TamanhoPagina>()> tamanhoImpressora_;
    std::function<ColecaoAcordeImpressao()> fonteLista_;
    std::function<MusicaImpressao()> fonteCifra_;

    ConteudoImpressao conteudo_ = ConteudoImpressao::CifraEAcordes;
    ModoVisualizacao modo_ = ModoVisualizacao::Dedos;
    std::vector<MusicaImpressao> musicas_;  // what the last render drew
    int zoom_ = 0;
    TamanhoPagina tamanho_;
    double escala_ = 1.0;
    std::vector<PaginaRegistrada> paginas_;
    // The page images shown last, the latest first, with their page index.
    static constexpr std::size_t ImagensGuardadas = 4;
    std::vector<std::pair<int, std::unique_ptr<PaginaImagem>>> imagens_;
};
