// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The application object. No exception may cross Qt's event loop: whatever escapes a handler
// is shown in the event loop's error box and the application goes on.

#include <QApplication>
#include <exception>
#include <functional>
#include <string>

class CaixasMensagem;
class GerenciadorIdiomas;

class AplicacaoTastavo : public QApplication {
  public:
    AplicacaoTastavo(int& argc, char** argv);
    bool notify(QObject* receptor, QEvent* evento) override;
    // The language of the error boxes (none: English) and the boxes they go through (none: the
    // real ones). Start-up sets both while its windows live.
    void DefinirIdiomas(GerenciadorIdiomas* idiomas, CaixasMensagem* mensagens) {
        idiomas_ = idiomas;
        mensagens_ = mensagens;
    }
    GerenciadorIdiomas* Idiomas() const { return idiomas_; }

    // The error box's text for a failure that escaped a handler (its message, or the language's
    // wording for a chord root that is not a note name).
    static std::string TextoErroLaco(std::exception_ptr falha, const GerenciadorIdiomas* idiomas);

  private:
    GerenciadorIdiomas* idiomas_ = nullptr;
    CaixasMensagem* mensagens_ = nullptr;
};
