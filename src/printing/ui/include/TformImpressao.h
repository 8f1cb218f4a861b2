// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print options window: what the document holds and how the diagram keys are labelled,
// then print or preview. Created once at start-up and shown modally, centred on the main
// window, by the main window (print-list mode) and by the chord chart window (chart mode).

#include <QDialog>

#include "ConteudoImpressao.h"
#include "ImpressoraDialogo.h"
#include "RotuloTecla.h"
#include "TCorvelaButton3D.h"

class CaixasMensagem;
class GerenciadorIdiomas;
class GerenciadorImpressao;
class QComboBox;
class QFrame;
class QLabel;
class TformVisualizarImpressao;

// The face of the print windows' captioned buttons.
FonteLegenda FonteBotaoImpressao();

class TformImpressao : public QDialog {
  public:
    // The collaborators outlive the window. `pai` is the main window, on which it centres.
    TformImpressao(GerenciadorIdiomas& idiomas, CaixasMensagem& mensagens,
                   GerenciadorImpressao& impressao, FonteDocumento fonte, QWidget* pai = nullptr);
    ~TformImpressao() override;

    // The preview window the preview button opens (created after this one; not owned).
    void DefinirVisualizacao(TformVisualizarImpressao* visualizacao) {
        visualizacao_ = visualizacao;
    }

    // Before showing: 0, chart mode, any content from "chart and chords" on; 1, print-list
    // mode, diagrams only. The label choice stays as it was.
    void DefinirModo(int modo);

    // The current choices, which the preview prints with as well.
    ConteudoImpressao Conteudo() const;
    ModoVisualizacao Rotulo() const;
    // The data of a run, taken now.
    const FonteDocumento& Fonte() const { return fonte_; }

    // The print dialog and its printer (made on first use).
    DialogoImpressao& Impressao() { return dialogo_; }

    // Controls, named as the design names them.
    QFrame* panelFundo;
    QLabel* lblTitulo;
    TCorvelaButton3D* btnFechar;
    QFrame* Shape1;
    QLabel* lblExplicacaoConteudo;
    QComboBox* comboOpcoesImpressao;
    QFrame* Bevel2;
    QLabel* lblExplicacaoRotulo;
    QComboBox* comboRotulo;
    TCorvelaButton3D* btnVisualizarImpressao;
    TCorvelaButton3D* btnImprimir;

    // Handlers (public so that tests reach the same paths as the user).
    void btnImprimirClick();
    void btnVisualizarImpressaoClick();

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void CriarControles();
    void AplicarIdioma();
    // Tab order and accessible names (the explanations name their lists).
    void ConfigurarTeclado();

    GerenciadorIdiomas& idiomas_;
    CaixasMensagem& mensagens_;
    GerenciadorImpressao& impressao_;
    FonteDocumento fonte_;
    DialogoImpressao dialogo_;
    TformVisualizarImpressao* visualizacao_ = nullptr;
};
