// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the screenshot programs share: an offscreen application object, and the real start-up
// over the build's installation folder with a configuration file of its own and message boxes
// written to standard error, so nothing waits for a user.

#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "CaixaMensagem.h"

class AplicacaoTastavo;
struct JanelasAplicacao;

// Message boxes for a run nobody watches: each message goes to standard error and every
// question is answered No.
class CaixasNoTerminal : public CaixasMensagem {
  public:
    void Informar(std::string_view texto, std::string_view titulo, QWidget* pai = nullptr) override;
    bool Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai = nullptr,
                   std::string_view rotuloSim = {}, std::string_view rotuloNao = {}) override;
};

class CapturaTela {
  public:
    // Sets up the offscreen platform (unless another is asked for) and the application object.
    CapturaTela(int& argc, char** argv);
    ~CapturaTela();

    // Runs start-up with `configuracao` as the configuration file's text, then `capturar` with
    // the windows, which grabs `saida` (a PNG; empty when it says for itself what it wrote).
    // 0 when `capturar` succeeded, else 1.
    int Executar(const std::string& configuracao, const QString& saida,
                 const std::function<bool(JanelasAplicacao&)>& capturar);

  private:
    std::unique_ptr<AplicacaoTastavo> app_;
};
