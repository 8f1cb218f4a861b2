// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real application parts the window tests drive: the shipped language files and chord
// names copied into a scratch installation folder, a recording MIDI device, and answers for
// the message boxes.

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AbrirShell.h"
#include "BackendGravador.h"
#include "BaseNomesAcordes.h"
#include "CaixaMensagem.h"
#include "ConfiguracaoSom.h"
#include "GeradorAcordesTeclado.h"
#include "GerenciadorAcordes.h"
#include "GerenciadorIdiomas.h"
#include "MidiOutput.h"
#include "TMidiOutput.h"
#include "TformListaIdiomas.h"
#include "TformPrincipal.h"

// The recording device behind the one chord player of the test process, and its port,
// closed again so that each window opens it as at start-up.
BackendGravador& Gravador();
TMidiOutput& PortaDeTeste();

// The message boxes the windows under test are given: each goes to the innermost
// CaixasRegistradas alive, and one that nobody expects fails the test (answered No) instead of
// waiting for a user.
class CaixasDeTeste : public CaixasMensagem {
  public:
    void Informar(std::string_view texto, std::string_view titulo, QWidget* pai = nullptr) override;
    bool Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai = nullptr,
                   std::string_view rotuloSim = {}, std::string_view rotuloNao = {}) override;
    caixaMensagem::RespostaSalvar PerguntarSalvar(std::string_view texto, std::string_view titulo,
                                                  QWidget* pai,
                                                  const RotulosSalvar& rotulos) override;
};
CaixasDeTeste& Caixas();

// Every message box shown while it lives, answered with `resposta`.
class CaixasRegistradas {
  public:
    explicit CaixasRegistradas(bool resposta = true);
    ~CaixasRegistradas();
    bool Responder(const caixaMensagem::Pedido& pedido);
    const std::vector<caixaMensagem::Pedido>& Pedidos() const { return pedidos_; }
    void DefinirResposta(bool resposta) { resposta_ = resposta; }
    // The answer to the questions about unsaved changes (Cancel unless set).
    caixaMensagem::RespostaSalvar ResponderSalvar(const caixaMensagem::Pedido& pedido);
    void DefinirRespostaSalvar(caixaMensagem::RespostaSalvar resposta) {
        respostaSalvar_ = resposta;
    }

  private:
    std::vector<caixaMensagem::Pedido> pedidos_;
    bool resposta_;
    caixaMensagem::RespostaSalvar respostaSalvar_ = caixaMensagem::RespostaSalvar::Cancelar;
    CaixasRegistradas* anterior_;
};

// The desktop as the tests answer it: every URL is kept, and the answer is `resposta`.
class AbridorDeTeste : public AbridorDesktop {
  public:
    bool Abrir(const QUrl& url) override {
        abertos.push_back(url);
        return resposta;
    }
    std::vector<QUrl> abertos;
    bool resposta = true;
};

// A scratch installation: the built language files, chord names and help pages.
class Instalacao {
  public:
    Instalacao();
    std::filesystem::path Pasta() const { return pasta_.path().toStdString(); }
    std::filesystem::path Configuracao() const { return Pasta() / "tastavo.ini"; }
    void EscreverConfiguracao(const std::string& conteudo) const;
    // Replaces the value of `chave` in every installed language file.
    void TrocarValor(const std::string& chave, const std::string& valor) const;
    std::string LerConfiguracao() const;

  private:
    QTemporaryDir pasta_;
};

// What start-up would own, over an installation, in Portuguese: the language manager, the
// catalogue and chord manager, a player over the test port with its sound settings, and the
// desktop opener.
struct Dominio {
    explicit Dominio(const Instalacao& instalacao, const std::string& idioma = "Português");
    std::unique_ptr<GerenciadorIdiomas> idiomas;
    std::unique_ptr<BaseNomesAcordes> base;
    std::unique_ptr<GerenciadorAcordes> acordes;
    MidiOutput player{&PortaDeTeste()};
    ConfiguracaoSom som{player};
    AbridorDeTeste abridor;
};

// What a main window over `dominio` needs: its managers, the test port and the installation's
// configuration file.
TformPrincipal::Dependencias DependenciasDaJanela(Dominio& dominio, const Instalacao& instalacao);
