// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chord chart window: the user pastes or types a song with its chords, transposes it a
// semitone at a time, and sends its chords to the print list or on to printing. The analysis
// and the transposition are the chart library's; this window holds the text and the choices.

#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BotaoFiguraQt.h"
#include "TransposicaoCifra.h"

class AbridorDesktop;
class ArquivoConfiguracao;
class CaixasMensagem;
class QAction;
class QMenu;
class GerenciadorIdiomas;
class QLabel;
class QMenu;
class QPlainTextEdit;

// What the window asks of the print list's owner (the main window).
struct AcoesListaImpressao {
    // Adds `cifra` with its first position; with `repetir` false, not when it is listed already.
    // A text from which no chord can be built is skipped without a message.
    std::function<void(const std::string& cifra, bool repetir)> adicionar;
    std::function<void()> limpar;
};

class TformImportarCifra : public QWidget {
  public:
    // The collaborators outlive the window. `pai` is the main window, on which it centres.
    TformImportarCifra(GerenciadorIdiomas& idiomas, CaixasMensagem& mensagens,
                       AbridorDesktop& abridor, AcoesListaImpressao listaImpressao,
                       QWidget* pai = nullptr);
    ~TformImportarCifra() override;

    // The chart text: every line of the text box followed by a line feed (empty for an empty
    // box), as the print windows lay it out.
    std::string ObterTextoCifra() const;

    // Shows the window without blocking the main window, centred on it when it was hidden.
    void Exibir();

    // The print options in chart mode, shown modally; set by the print windows. Unset, the
    // print button only fills the print list.
    std::function<void()> abrirImpressao;

    // Song files. The configuration keeps the recent songs (the main window's object, written
    // when the application is left); without one no list is kept.
    void DefinirConfiguracao(ArquivoConfiguracao* configuracao);
    // Loads the song at `caminho`, after asking about unsaved changes. False when the user
    // cancelled or the file could not be read (said in a message box); the text then stays.
    bool AbrirArquivo(const std::filesystem::path& caminho);
    // The file the song came from or was last saved to; empty for a pasted song.
    const std::filesystem::path& ArquivoAtual() const { return arquivo_; }
    // The text was changed since it was opened or saved.
    bool AlteracoesPendentes() const;
    // Before leaving the application: none when nothing is unsaved (the usual leave question
    // follows); else the answer to the save question: true to leave (saved or discarded),
    // false to stay.
    std::optional<bool> ConfirmarSaida();
    // Chooses a file to open (`salvar` false) or to save to, starting at `sugestao`; empty when
    // the user cancels. The desktop's file dialog unless replaced (tests).
    std::function<std::filesystem::path(bool salvar, const std::filesystem::path& sugestao)>
        escolherArquivo;

    // Controls, named as the design names them.
    QLabel* imgFundo;
    QLabel* lblTitulo;
    QPlainTextEdit* memoTextoCifra;
    BotaoFiguraQt* btnColar;
    BotaoFiguraQt* btnAjuda;
    BotaoFiguraQt* btnMinimizar;
    BotaoFiguraQt* btnFechar;
    QLabel* imgMudarTom;
    BotaoFiguraQt* btnTransporAcima;
    QLabel* lblSemitomAcima;
    BotaoFiguraQt* btnTransporAbaixo;
    QLabel* lblSemitomAbaixo;
    BotaoFiguraQt* btnImportarCifra;
    BotaoFiguraQt* btnImprimir;
    // The file commands, with their shortcuts, in the context menu.
    QAction* acaoAbrir;
    QAction* acaoSalvar;
    QAction* acaoSalvarComo;
    QMenu* menuRecentes;
    // The picture store: entry t is the released look of the button with tag t, t + 1 its
    // pressed look.
    std::vector<QPixmap> imagensBotoes;

    // The transposition settings the visible buttons set before they transpose: the semitone
    // text (1 to 12) and the direction.
    std::string numSemitons = "1";
    bool opcaoAcima = true;
    bool opcaoAbaixo = false;
    // The choices of the text box's context menu (kept columns, spelling), which start-up
    // fills from the configuration; `aoMudarOpcoes` hears of every change.
    OpcoesTransposicao opcoesTransposicao;
    std::function<void(const OpcoesTransposicao&)> aoMudarOpcoes;
    // The text box's context menu: the edit actions and the choices above.
    std::unique_ptr<QMenu> CriarMenuTexto();

    // Handlers (public so that tests reach the same paths as the user).
    void botaoOkClick();
    void btnImprimirClick();
    void transporClick();
    void btnTransporAcimaClick();
    void btnTransporAbaixoClick();
    void btnColarClick();
    void btnAjudaClick();
    void abrirClick();
    bool salvarClick();
    bool salvarComoClick();
    // Puts `texto` where the caret is (in place of the selection), or in place of the whole
    // text; a long text goes in pieces with the progress dialog. False when cancelled: the
    // text is then as it was.
    bool InserirTexto(QString texto, bool substituirTudo);

  protected:
    void keyPressEvent(QKeyEvent* evento) override;
    void contextMenuEvent(QContextMenuEvent* evento) override;
    void dragEnterEvent(QDragEnterEvent* evento) override;
    void dropEvent(QDropEvent* evento) override;

  private:
    void CriarControles();
    void CriarComandosArquivo();
    void AplicarIdioma();
    void AtualizarTitulo();
    void AtualizarRecentes();
    // Tab order and shortcuts, once; accessible names with every language.
    void ConfigurarTeclado();
    void NomearControles();
    std::vector<std::string> Linhas() const;
    // The text with plain line feeds, as UTF-8.
    std::string TextoBruto() const;
    std::string Texto(std::string_view secao, std::string_view chave) const;
    // True when the text may be replaced: nothing unsaved, or the user saved or discarded it.
    bool PodeSubstituirTexto();
    bool CarregarArquivo(const std::filesystem::path& caminho);
    bool GravarArquivo(const std::filesystem::path& caminho);
    // The candidates of the chart, read in pieces under a progress dialog; none when cancelled.
    std::optional<std::vector<std::string>> ColetarComProgresso(bool repetir);
    void FalhaArquivo(std::string_view chaveErro, const std::filesystem::path& caminho,
                      std::string_view motivo);

    GerenciadorIdiomas& idiomas_;
    CaixasMensagem& mensagens_;
    AbridorDesktop& abridor_;
    AcoesListaImpressao listaImpressao_;
    ArquivoConfiguracao* configuracao_ = nullptr;
    std::filesystem::path arquivo_;
    std::string fimLinha_ = "\n";  // the song file's line end, written back on saving
    bool marcaOrdem_ = false;      // the song file began with a byte-order mark
};
