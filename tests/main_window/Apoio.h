#pragma once
// The real application parts the window tests drive: the shipped language files and chord
// names copied into a scratch installation folder, a recording MIDI device, and answers for
// the message boxes.

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "BackendGravador.h"
#include "BaseNomesAcordes.h"
#include "CaixaMensagem.h"
#include "GeradorAcordesTeclado.h"
#include "GerenciadorAcordes.h"
#include "GerenciadorIdiomas.h"
#include "TMidiOutput.h"
#include "TformListaIdiomas.h"
#include "TformPrincipal.h"

// The recording device behind the one chord player of the test process, and its port,
// closed again so that each window opens it as at start-up.
BackendGravador& Gravador();
TMidiOutput& PortaDeTeste();

// From now on a message box nobody expects fails the test (and is answered No) instead of
// waiting for a user.
void RecusarCaixasInesperadas();

// Every message box shown while it lives, answered with `resposta`.
class CaixasRegistradas {
public:
    explicit CaixasRegistradas(bool resposta = true);
    ~CaixasRegistradas();
    const std::vector<caixaMensagem::Pedido>& Pedidos() const { return pedidos_; }
    void DefinirResposta(bool resposta) { resposta_ = resposta; }

private:
    std::vector<caixaMensagem::Pedido> pedidos_;
    bool resposta_;
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

// A language manager, catalogue and chord manager over an installation, in Portuguese.
struct Dominio {
    explicit Dominio(const Instalacao& instalacao, const std::string& idioma = "Português");
    std::unique_ptr<GerenciadorIdiomas> idiomas;
    std::unique_ptr<BaseNomesAcordes> base;
    std::unique_ptr<GerenciadorAcordes> acordes;
};

// What a main window over `dominio` needs: its managers, the test port and the installation's
// configuration file.
TformPrincipal::Dependencias DependenciasDaJanela(const Dominio& dominio, const Instalacao& instalacao);
