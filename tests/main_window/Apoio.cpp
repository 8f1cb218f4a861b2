// SPDX-License-Identifier: GPL-3.0-or-later
#include "Apoio.h"

#include <gtest/gtest.h>

#include <QFile>
#include <fstream>
#include <iterator>
#include <sstream>

#include "CaminhosTeste.h"
#include "ChavesIdioma.h"

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

namespace {
CaixasRegistradas*& RegistroAtual() {
    static CaixasRegistradas* atual = nullptr;
    return atual;
}
bool Encaminhar(const caixaMensagem::Pedido& p) {
    if (RegistroAtual() == nullptr) {
        ADD_FAILURE() << "unexpected message box: " << p.texto;
        return false;
    }
    return RegistroAtual()->Responder(p);
}
}  // namespace

void CaixasDeTeste::Informar(std::string_view texto, std::string_view titulo, QWidget*) {
    Encaminhar({caixaMensagem::Tipo::Ok, std::string(texto), std::string(titulo)});
}

bool CaixasDeTeste::Perguntar(std::string_view texto, std::string_view titulo, QWidget*,
                              std::string_view, std::string_view) {
    return Encaminhar({caixaMensagem::Tipo::SimNao, std::string(texto), std::string(titulo)});
}

caixaMensagem::RespostaSalvar CaixasDeTeste::PerguntarSalvar(std::string_view texto,
                                                             std::string_view titulo, QWidget*,
                                                             const RotulosSalvar&) {
    const caixaMensagem::Pedido pedido{caixaMensagem::Tipo::SalvarDescartarCancelar,
                                       std::string(texto), std::string(titulo)};
    if (RegistroAtual() == nullptr) {
        ADD_FAILURE() << "unexpected message box: " << pedido.texto;
        return caixaMensagem::RespostaSalvar::Cancelar;
    }
    return RegistroAtual()->ResponderSalvar(pedido);
}

CaixasDeTeste& Caixas() {
    static CaixasDeTeste caixas;
    return caixas;
}

CaixasRegistradas::CaixasRegistradas(bool resposta)
    : resposta_(resposta), anterior_(RegistroAtual()) {
    RegistroAtual() = this;
}

CaixasRegistradas::~CaixasRegistradas() { RegistroAtual() = anterior_; }

caixaMensagem::RespostaSalvar CaixasRegistradas::ResponderSalvar(
    const caixaMensagem::Pedido& pedido) {
    pedidos_.push_back(pedido);
    return respostaSalvar_;
}

bool CaixasRegistradas::Responder(const caixaMensagem::Pedido& pedido) {
    pedidos_.push_back(pedido);
    return resposta_;
}

Instalacao::Instalacao() {
    const fs::path bin = tastavo_teste::PastaBinarios();
    for (const char* f : {"portugues.idm", "portugues.dat", "english.idm", "english.dat",
                          "acordes.txt", "instrumentos.txt", "instruments.txt"})
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
                                                   std::make_unique<TformListaIdiomas>(Caixas()));
    idiomas->SelecionarIdioma(idioma);
    base = std::make_unique<BaseNomesAcordes>(instalacao.Pasta() / "acordes.txt");
    acordes = std::make_unique<GerenciadorAcordes>(*base, GeradorAcordesTeclado::Instancia());
}

TformPrincipal::Dependencias DependenciasDaJanela(Dominio& dominio, const Instalacao& instalacao) {
    return {*dominio.idiomas, *dominio.acordes, dominio.player,           dominio.som,
            Caixas(),         dominio.abridor,  instalacao.Configuracao()};
}
