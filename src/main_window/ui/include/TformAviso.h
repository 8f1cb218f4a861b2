// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notice shown when a chord symbol is not valid, with a help button to the syntax page.

#include <QDialog>
#include <string_view>

class QLabel;
class QPushButton;
class AbridorDesktop;
class CaixasMensagem;
class GerenciadorIdiomas;

class TformAviso : public QDialog {
  public:
    // The collaborators outlive the window.
    TformAviso(GerenciadorIdiomas& idiomas, CaixasMensagem& mensagens, AbridorDesktop& abridor,
               QWidget* pai = nullptr);
    // The caption becomes `titulo` and the label shows `mensagem`; the caller shows it modally.
    void DefinirMensagem(std::string_view mensagem, std::string_view titulo);

    QLabel* Mensagem;
    QPushButton* OK;
    QPushButton* Ajuda;

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    void AjudaClick();
    GerenciadorIdiomas& idiomas_;
    CaixasMensagem& mensagens_;
    AbridorDesktop& abridor_;
};
