#pragma once
// The chord chart window: the user pastes or types a song with its chords, transposes it a
// semitone at a time, and sends its chords to the print list or on to printing. The analysis
// and the transposition are the chart library's; this window holds the text and the choices.

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BotaoFiguraQt.h"
#include "TransposicaoCifra.h"

class AbridorDesktop;
class CaixasMensagem;
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

  protected:
    void keyPressEvent(QKeyEvent* evento) override;

  private:
    void CriarControles();
    void AplicarIdioma();
    std::vector<std::string> Linhas() const;
    std::string Texto(std::string_view secao, std::string_view chave) const;

    GerenciadorIdiomas& idiomas_;
    CaixasMensagem& mensagens_;
    AbridorDesktop& abridor_;
    AcoesListaImpressao listaImpressao_;
};
