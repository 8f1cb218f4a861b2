// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language list: the user picks the language when the configured one is not installed.
// It is also how the language manager shows its messages and ends the application.

#include <QDialog>

#include "InteracaoIdiomas.h"

class CaixasMensagem;
class QListWidget;
class QPushButton;

class TformListaIdiomas : public QDialog, public InteracaoIdiomas {
  public:
    // Shows the manager's messages through `mensagens`, which outlives the window.
    explicit TformListaIdiomas(CaixasMensagem& mensagens, QWidget* pai = nullptr);

    // Fills the list, highlights `destacado` (none for -1) and shows the window modally; the
    // highlighted index when closed with OK, else -1.
    int EscolherIndice(const std::vector<std::string>& nomes, int destacado) override;
    void MostrarMensagem(std::string_view texto, std::string_view titulo) override;
    // Ends the event loop as soon as it runs (or at once when it already runs).
    void EncerrarAplicacao() override;

    QListWidget* listaIdiomas;
    QPushButton* btnOk;
    QPushButton* btnCancelar;

  protected:
    void showEvent(QShowEvent* evento) override;

  private:
    CaixasMensagem& mensagens_;
};
