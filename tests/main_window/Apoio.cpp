#include "Apoio.h"

#include <gtest/gtest.h>

#include <QFile>
#include <fstream>
#include <iterator>
#include <sstream>

#include "ChavesIdioma.h"
#include "TformSetup.h"

namespace fs = std::filesystem;

namespace {
std::shared_ptr<BackendGravador> GravadorCompartilhado() {
    static auto gravador = std::make_shared<BackendGravador>("Recording device");
    return gravador;
}
}  // namespace

BackendGravador& Gravador() { return *GravadorCompartilhado(); }

TMidiOutput& PortaDeTeste() {
    static TMidiOutput porta(std::vector<std::shared_ptr<BackendMidi>>{GravadorCompartilhado()});
    porta.Close();
    return porta;
}

CaixasRegistradas::CaixasRegistradas(bool resposta) : resposta_(resposta) {
    caixaMensagem::DefinirRespondedor([this](const caixaMensagem::Pedido& p) {
        pedidos_.push_back(p);
        return resposta_;
    });
}

CaixasRegistradas::~CaixasRegistradas() { RecusarCaixasInesperadas(); }

void RecusarCaixasInesperadas() {
    caixaMensagem::DefinirRespondedor([](const caixaMensagem::Pedido& p) {
        ADD_FAILURE() << "unexpected message box: " << p.texto;
        return false;
    });
}

Instalacao::Instalacao() {
    const fs::path bin = TASTAVO_BIN_DIR;
    for (const char* f : {"portugues.idm", "portugues.dat", "english.idm", "english.dat", "acordes.txt",
                          "instrumentos.txt", "instruments.txt"})
        fs::copy_file(bin / f, Pasta() / f);
    fs::copy(bin / "help", Pasta() / "help", fs::copy_options::recursive);
}

void Instalacao::EscreverConfiguracao(const std::string& conteudo) const {
    std::ofstream(Configuracao(), std::ios::binary) << conteudo;
}

std::string Instalacao::LerConfiguracao() const {
    std::ifstream in(Configuracao(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Instalacao::TrocarValor(const std::string& chave, const std::string& valor) const {
    for (const char* f : {"portugues.idm", "english.idm"}) {
        std::ifstream in(Pasta() / f, std::ios::binary);
        std::stringstream saida;
        std::string linha;
        while (std::getline(in, linha)) {
            if (linha.rfind(chave + "=", 0) == 0) linha = chave + "=" + valor;
            saida << linha << "\n";
        }
        in.close();
        std::ofstream(Pasta() / f, std::ios::binary) << saida.str();
    }
}

Dominio::Dominio(const Instalacao& instalacao, const std::string& idioma) {
    idiomas = std::make_unique<GerenciadorIdiomas>(instalacao.Pasta(),
                                                   std::unique_ptr<InteracaoIdiomas>(new TformListaIdiomas));
    idiomas->SelecionarIdioma(idioma);
    base = std::make_unique<BaseNomesAcordes>(instalacao.Pasta() / "acordes.txt");
    acordes = std::make_unique<GerenciadorAcordes>(*base, GeradorAcordesTeclado::Instancia());
}

TformPrincipal::Dependencias DependenciasDaJanela(const Dominio& dominio, const Instalacao& instalacao) {
    TformPrincipal::Dependencias d;
    d.idiomas = dominio.idiomas.get();
    d.acordes = dominio.acordes.get();
    d.porta = &PortaDeTeste();
    d.configuracao = instalacao.Configuracao();
    return d;
}
