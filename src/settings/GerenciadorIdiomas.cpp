// SPDX-License-Identifier: GPL-3.0-or-later
#include "GerenciadorIdiomas.h"

#include <cstdlib>
#include <iostream>
#include <system_error>

#include "ChavesIdioma.h"
#include "Fachada.h"
#include "Instalacao.h"
#include "LeitorIni.h"
#include "Texto.h"
#include "Utf8.h"

namespace {

// Used where no window can answer (tools, or a program that forgot to hand its windows over).
class InteracaoConsole : public InteracaoIdiomas {
  public:
    void MostrarMensagem(std::string_view texto, std::string_view titulo) override {
        std::cerr << titulo << ": " << texto << '\n';
    }
    int EscolherIndice(const std::vector<std::string>&, int) override { return -1; }
    void EncerrarAplicacao() override {}
};

// Simple case folding for the scripts language names are written in (Latin, Greek, Cyrillic).
char32_t Minuscula(char32_t c) {
    if (c >= U'A' && c <= U'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c >= 0x391 && c <= 0x3AB && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (Minuscula(utf8::CodigoEm(a, i)) != Minuscula(utf8::CodigoEm(b, j))) return false;
        i += utf8::TamanhoCaractere(a, i);
        j += utf8::TamanhoCaractere(b, j);
    }
    return i == a.size() && j == b.size();
}

}  // namespace

GerenciadorIdiomas& GerenciadorIdiomas::Instancia() { return Fachada<GerenciadorIdiomas>::Obter(); }

GerenciadorIdiomas::GerenciadorIdiomas(std::filesystem::path pasta,
                                       std::unique_ptr<InteracaoIdiomas> interacao)
    : pasta_(std::move(pasta)), interacao_(std::move(interacao)) {
    if (!interacao_) interacao_ = std::make_unique<InteracaoConsole>();
    std::error_code erro;
    for (std::filesystem::directory_iterator it(pasta_, erro), fim; !erro && it != fim;
         it.increment(erro)) {
        const std::string nome = it->path().filename().string();
        if (nome.size() <= 4 || !nome.ends_with(".idm") || nome.front() == '.') continue;
        std::error_code erroTipo;
        if (!it->is_regular_file(erroTipo)) continue;
        try {
            const LeitorIni ini = LeitorIni::DeArquivo(it->path());
            const std::string nomeIdioma =
                ini.Ler(idm::EspecificacaoIdioma::Secao, idm::EspecificacaoIdioma::nomeIdioma)
                    .value_or("");
            const std::string codigo =
                ini.Ler(idm::EspecificacaoIdioma::Secao, idm::EspecificacaoIdioma::codAplicacao)
                    .value_or("");
            if (nomeIdioma.empty() || codigo != CodigoAplicacao) continue;
            nomesIdiomas_.push_back(nomeIdioma);
            arquivosIdiomas_.push_back(nome.substr(0, nome.size() - 4));
        } catch (const std::exception&) {
            // An unreadable file is not offered.
        }
    }
    if (nomesIdiomas_.empty()) {
        interacao_->MostrarMensagem(mensagensIdioma::NenhumIdioma, mensagensIdioma::Titulo);
        interacao_->EncerrarAplicacao();
    }
}

GerenciadorIdiomas::~GerenciadorIdiomas() = default;

std::string LocalidadeDoSistema() {
    for (const char* variavel : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* valor = std::getenv(variavel);
        if (valor != nullptr && *valor != '\0') return valor;
    }
    return {};
}

namespace {
bool ComecaSemCaixa(std::string_view texto, std::string_view prefixo) {
    return texto.size() >= prefixo.size() &&
           IguaisSemCaixaAscii(texto.substr(0, prefixo.size()), prefixo);
}
}  // namespace

// Display names are the languages' own: "Português", "English" (any letter case).
bool IdiomaPortugues(std::string_view nome) { return ComecaSemCaixa(nome, "portugu"); }

int IndiceIdiomaDaLocalidade(const std::vector<std::string>& nomes, std::string_view localidade) {
    if (nomes.empty()) return -1;
    const bool portugues = ComecaSemCaixa(localidade, "pt");
    for (std::size_t i = 0; i < nomes.size(); ++i)
        if (portugues ? IdiomaPortugues(nomes[i]) : ComecaSemCaixa(nomes[i], "english"))
            return static_cast<int>(i);
    return 0;
}

Idioma* GerenciadorIdiomas::SelecionarIdioma(std::string_view nome) {
    // With nothing installed the user was already told and the application is ending.
    if (nomesIdiomas_.empty()) return nullptr;
    for (std::size_t i = 0; i < nomesIdiomas_.size(); ++i) {
        if (IguaisSemCaixa(nomesIdiomas_[i], nome)) return CarregarIdioma(static_cast<int>(i));
    }
    interacao_->MostrarMensagem(mensagensIdioma::IdiomaNaoEncontrado, mensagensIdioma::Titulo);
    if (EscolherIdioma()) return IdiomaAtual();
    interacao_->MostrarMensagem(mensagensIdioma::NenhumIdiomaSelecionado, mensagensIdioma::Titulo);
    interacao_->EncerrarAplicacao();
    return nullptr;
}

Idioma* GerenciadorIdiomas::SelecionarIdiomaInicial(std::string_view nome,
                                                    std::string_view localidade) {
    if (!nome.empty() || nomesIdiomas_.empty()) return SelecionarIdioma(nome);
    return CarregarIdioma(IndiceIdiomaDaLocalidade(nomesIdiomas_, localidade));
}

bool GerenciadorIdiomas::EscolherIdioma() {
    // A line is always selected, so Enter or OK choose at once.
    const int indice =
        interacao_->EscolherIndice(nomesIdiomas_, indiceIdiomaAtual_ >= 0 ? indiceIdiomaAtual_ : 0);
    if (indice < 0) return false;
    return CarregarIdioma(indice) != nullptr;
}

Idioma* GerenciadorIdiomas::CarregarIdioma(int indice) {
    if (indice < 0 || indice >= static_cast<int>(arquivosIdiomas_.size())) return nullptr;
    if (indice == indiceIdiomaAtual_) return IdiomaAtual();
    const std::string& base = arquivosIdiomas_[static_cast<std::size_t>(indice)];
    auto novo = std::make_unique<Idioma>(pasta_, base + ".idm", base + ".dat", interacao_.get());
    idiomaAtual_ = std::move(novo);
    indiceIdiomaAtual_ = indice;
    return IdiomaAtual();
}

std::string GerenciadorIdiomas::ObterTexto(std::string_view secao, std::string_view chave) const {
    return idiomaAtual_ ? idiomaAtual_->ObterTexto(secao, chave) : std::string{};
}

std::optional<Imagem> GerenciadorIdiomas::ObterImagem(std::string_view secao,
                                                      std::string_view chave) {
    return idiomaAtual_ ? idiomaAtual_->ObterImagem(secao, chave) : std::nullopt;
}

std::filesystem::path GerenciadorIdiomas::CaminhoParametro(std::string_view chave) const {
    return CaminhoRelativo(pasta_, ObterTexto(idm::parametros::Secao, chave));
}
