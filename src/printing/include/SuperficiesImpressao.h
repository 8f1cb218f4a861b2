// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the page layout's pages go: a printer for a print run, page images for the preview,
// and the preview window that shows one page.

#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "TelaImpressao.h"

// A page size in the surface's units (printer pixels for a printer).
struct TamanhoPagina {
    int largura = 0;
    int altura = 0;
    bool operator==(const TamanhoPagina&) const = default;
};

// A printer that failed: it could not start, draw on or end its document.
class FalhaImpressoraException : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ImpressoraImpressao {
  public:
    virtual ~ImpressoraImpressao() = default;

    // Lets the user choose the printer (the print dialog); false when the user cancelled.
    // Throws FalhaImpressoraException when the choice cannot be offered.
    virtual bool EscolherImpressora() = 0;
    // The chosen printer's page in printer pixels; none when it cannot be asked.
    virtual std::optional<TamanhoPagina> TamanhoPaginaImpressora() = 0;
    // Starts a document named `titulo` and returns the canvas of its first page, valid until
    // the document ends. Throws FalhaImpressoraException.
    virtual TelaImpressao& IniciarDocumento(std::string_view titulo) = 0;
    // Moves to a new page; the canvas stays the same object. Throws FalhaImpressoraException.
    virtual void NovaPagina() = 0;
    // Ends the document, sending it to the printer. Throws FalhaImpressoraException.
    virtual void EncerrarDocumento() = 0;
    // Drops a started document after a failure so that another one can start. Never throws.
    virtual void AbortarDocumento() noexcept = 0;
};

// One page image of the preview, with the canvas that draws on it.
class PaginaImagem {
  public:
    virtual ~PaginaImagem() = default;
    virtual TelaImpressao& Tela() = 0;
    // Ends the drawing; the page is then only shown or copied.
    virtual void Concluir() = 0;
    virtual TamanhoPagina Tamanho() const = 0;
};

// Makes the preview's page images.
class FabricaPaginasImagem {
  public:
    virtual ~FabricaPaginasImagem() = default;
    // A white page of `tamanho`.
    virtual std::unique_ptr<PaginaImagem> CriarPagina(TamanhoPagina tamanho) = 0;
    // Measures text as the printer does, drawing nothing: the preview lays its document out
    // with it before any page is painted. Null: the recording canvas's fixed measures.
    virtual TelaImpressao* Medidor() { return nullptr; }
};

// The preview window's side: shows one kept page image.
class ExibicaoPagina {
  public:
    virtual ~ExibicaoPagina() = default;
    // Shows `pagina` (W × H units) of a document of `quantidadePaginas` pages; the page stays
    // the print manager's and may be painted over for another page, so the window copies what
    // it keeps.
    virtual void ExibirPagina(const PaginaImagem& pagina, int largura, int altura,
                              int quantidadePaginas) = 0;
};
