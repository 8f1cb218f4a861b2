// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print preview: the document one page at a time at 100, 200 or 300 %, printed from here
// too with the options window's choices. Created once at start-up and shown modally; it is
// the print manager's page display.

#include <QDialog>
#include <QString>

#include "ImpressoraDialogo.h"
#include "SuperficiesImpressao.h"

class CaixasMensagem;
class GerenciadorIdiomas;
class GerenciadorImpressao;
class QComboBox;
class QFrame;
class QLabel;
class QScrollArea;
class QSpinBox;
class TCorvelaButton3D;
class TformImpressao;

class TformVisualizarImpressao : public QDialog, public ExibicaoPagina {
  public:
    // The collaborators outlive the window; `opcoes` gives the choices and the data it prints.
    TformVisualizarImpressao(GerenciadorIdiomas& idiomas, CaixasMensagem& mensagens,
                             GerenciadorImpressao& impressao, TformImpressao& opcoes,
                             QWidget* pai = nullptr);
    ~TformVisualizarImpressao() override;

    // Shows `pagina` (W × H pixels) of a document of `quantidadePaginas` pages.
    void ExibirPagina(const PaginaImagem& pagina, int largura, int altura,
                      int quantidadePaginas) override;

    // The zoom chosen: the selected item without its "%" (100, 200 or 300).
    int Zoom() const;
    // Selects "100%" without drawing again (the options window draws the first page itself).
    void RedefinirZoom();

    DialogoImpressao& Impressao() { return dialogo_; }

    // Controls, named as the design names them.
    QFrame* Shape3;
    TCorvelaButton3D* btnImprimir;
    QLabel* lblPagina;
    QSpinBox* spinPagina;
    QLabel* lblDe;
    QComboBox* comboZoom;
    TCorvelaButton3D* btnFechar;
    QScrollArea* scrollVisualiza;
    QLabel* imageVisualizar;

    void btnImprimirClick();
    void spinPaginaChange();

  protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void showEvent(QShowEvent* evento) override;
    void done(int resultado) override;

  private:
    void CriarControles();
    void AplicarIdioma();

    GerenciadorIdiomas& idiomas_;
    CaixasMensagem& mensagens_;
    GerenciadorImpressao& impressao_;
    TformImpressao& opcoes_;
    DialogoImpressao dialogo_;
    // The word before the page count ("de" in "de 3").
    QString palavraDe_;
};
