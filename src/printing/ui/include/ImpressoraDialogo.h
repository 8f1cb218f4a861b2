// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer of a print window: Qt's print dialog over the system's printers and "Print to
// File (PDF)", the chosen printer as the layout's printer, and one print run with the printer
// error message.

#include <QPrintDialog>
#include <QPrinter>
#include <memory>
#include <optional>
#include <string_view>

#include "ColecaoAcordeImpressao.h"
#include "ConteudoImpressao.h"
#include "GerenciadorImpressao.h"
#include "ImpressoraQt.h"

class CaixasMensagem;
class GerenciadorIdiomas;
class QWidget;

class ArquivoSaida;
class QPdfWriter;

// The layout's printer over a QPrinter whose choice is the print dialog. "Print to File" goes
// through a temporary file beside the chosen one, which takes its place only when complete.
class ImpressoraDialogo : public ImpressoraQt {
  public:
    // Neither is owned; `dialogo` chooses for `impressora`.
    ImpressoraDialogo(QPrinter& impressora, QPrintDialog& dialogo);
    ~ImpressoraDialogo() override;
    // Shows the dialog; false when the user cancelled. Throws FalhaImpressoraException when the
    // chosen printer cannot be used.
    bool EscolherImpressora() override;
    TelaImpressao& IniciarDocumento(std::string_view titulo) override;
    void NovaPagina() override;
    void EncerrarDocumento() override;
    void AbortarDocumento() noexcept override;

    // The file a print to file could not write, with the system's reason; empty otherwise.
    const std::string& ArquivoFalho() const { return arquivoFalho_; }
    const std::string& MotivoFalha() const { return motivoFalha_; }

  private:
    void FalhaArquivo(const std::string& motivo);

    QPrinter& impressora_;
    QPrintDialog& dialogo_;
    // A print to file: the file, its PDF writer and the printer over it.
    std::unique_ptr<ArquivoSaida> arquivo_;
    std::unique_ptr<QPdfWriter> pdf_;
    std::unique_ptr<ImpressoraQt> impressoraArquivo_;
    std::string arquivoFalho_;
    std::string motivoFalha_;
};

// A window's print dialog with its printer, both made on first use (a printer asks the print
// system for its queues), and its print runs.
class DialogoImpressao {
  public:
    explicit DialogoImpressao(QWidget* janela);
    ~DialogoImpressao();

    QPrinter& Impressora();
    QPrintDialog& Dialogo();

    // Prints through the dialog; shows ("fmImpressao", "erroImpressora") when no document could
    // start. Cancel prints nothing and says nothing.
    ResultadoImpressao Imprimir(GerenciadorImpressao& gerenciador, GerenciadorIdiomas& idiomas,
                                CaixasMensagem& mensagens, ConteudoImpressao conteudo,
                                ModoVisualizacao modo, const MusicaImpressao& musica);

  private:
    QWidget* janela_;
    std::unique_ptr<QPrinter> impressora_;
    std::unique_ptr<QPrintDialog> dialogo_;
};

// The page a preview imitates: the default printer's, or without one the page of Qt's default
// PDF printer; none when neither reports a page (the layout then uses its own).
std::optional<TamanhoPagina> TamanhoPaginaVisualizacaoPadrao();

// Where every print or preview run takes its data, at the moment of the click: a copy of the
// print list and the chart as it prints.
struct FonteDocumento {
    std::function<ColecaoAcordeImpressao()> lista;
    std::function<MusicaImpressao()> cifra;

    // The song of a run: the chart with the print list.
    MusicaImpressao Musica() const {
        MusicaImpressao musica = cifra ? cifra() : MusicaImpressao{};
        musica.acordes = lista();
        return musica;
    }
};
