// SPDX-License-Identifier: GPL-3.0-or-later
#include "BaseNomesAcordes.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <system_error>

#include "Fachada.h"
#include "LeituraArquivo.h"
#include "Utf8.h"

namespace {

// The code a character had in the single-byte files the order was defined on: Latin-1
// characters (where "º", "°" and "ø" lie) as their byte taken as signed, others as themselves.
int CodigoOrdenacao(char32_t c) {
    if (c >= 0x80 && c <= 0xFF) return static_cast<int>(c) - 256;
    return static_cast<int>(c);
}

bool Acidente(char32_t c) { return c == U'#' || c == U'b'; }

// The text without the blanks around it: spaces, tabs and the no-break space, which Windows-1252
// files hold as byte 0xA0.
std::string_view SemBrancos(std::string_view s) {
    constexpr std::string_view kNbsp = "\u00A0";
    const auto branco = [](char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; };
    for (;;) {
        if (!s.empty() && branco(s.front())) {
            s.remove_prefix(1);
        } else if (s.starts_with(kNbsp)) {
            s.remove_prefix(kNbsp.size());
        } else {
            break;
        }
    }
    for (;;) {
        if (!s.empty() && branco(s.back())) {
            s.remove_suffix(1);
        } else if (s.ends_with(kNbsp)) {
            s.remove_suffix(kNbsp.size());
        } else {
            break;
        }
    }
    return s;
}

}  // namespace

BaseNomesAcordes& BaseNomesAcordes::Instancia() { return Fachada<BaseNomesAcordes>::Obter(); }

LinhaNomesAcordesException::LinhaNomesAcordesException(const std::filesystem::path& arquivo,
                                                       std::size_t linha, std::string texto)
    : std::runtime_error(arquivo.string() + ":" + std::to_string(linha) +
                         ": not a chord symbol: \"" + texto + "\""),
      arquivo_(arquivo),
      linha_(linha),
      texto_(std::move(texto)) {}

ArquivoNomesAcordes SepararNomesAcordes(const std::vector<std::string>& linhas) {
    ArquivoNomesAcordes lido;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        const std::string_view nome = SemBrancos(linhas[i]);
        if (nome.empty()) continue;
        CifraCodificada valor;
        if (TentarAnalisarCifra(nome, valor)) {
            lido.nomes.emplace_back(nome);
        } else {
            lido.rejeitadas.push_back({i + 1, linhas[i]});
        }
    }
    return lido;
}

ArquivoNomesAcordes LerArquivoNomesAcordes(const std::filesystem::path& arquivo) {
    return SepararNomesAcordes(LerLinhasArquivoTexto(arquivo));
}

BaseNomesAcordes::BaseNomesAcordes(const std::filesystem::path& arquivo) {
    ArquivoNomesAcordes lido = LerArquivoNomesAcordes(arquivo);
    if (!lido.rejeitadas.empty()) {
        auto& primeira = lido.rejeitadas.front();
        throw LinhaNomesAcordesException(arquivo, primeira.numero, std::move(primeira.texto));
    }
    entradas_.reserve(lido.nomes.size());
    for (auto& nome : lido.nomes) {
        const CifraCodificada valor = AnalisarCifra(nome);
        entradas_.push_back({std::move(nome), valor});
    }
    Ordenar();
}

BaseNomesAcordes::BaseNomesAcordes(const std::vector<std::string>& nomes) {
    entradas_.reserve(nomes.size());
    for (const auto& nome : nomes) entradas_.push_back({nome, AnalisarCifra(nome)});
    Ordenar();
}

void BaseNomesAcordes::Ordenar() {
    std::sort(entradas_.begin(), entradas_.end(),
              [](const Entrada& a, const Entrada& b) { return CompararNomes(a.nome, b.nome) < 0; });
}

std::vector<std::string> BaseNomesAcordes::Nomes() const {
    std::vector<std::string> nomes;
    nomes.reserve(entradas_.size());
    for (const auto& e : entradas_) nomes.push_back(e.nome);
    return nomes;
}

int BaseNomesAcordes::Procurar(std::string_view cifra) const {
    const CifraCodificada valor = AnalisarCifra(cifra);
    for (std::size_t i = 0; i < entradas_.size(); ++i) {
        if (entradas_[i].valor == valor) return static_cast<int>(i);
    }
    return -1;
}

int BaseNomesAcordes::Adicionar(std::string_view cifra) {
    Entrada nova{std::string(cifra), AnalisarCifra(cifra)};
    // The list is sorted, so the new entry's sorted place is found without sorting again.
    const auto lugar = std::upper_bound(
        entradas_.begin(), entradas_.end(), nova,
        [](const Entrada& a, const Entrada& b) { return CompararNomes(a.nome, b.nome) < 0; });
    const auto indice = lugar - entradas_.begin();
    entradas_.insert(lugar, std::move(nova));
    return static_cast<int>(indice);
}

const std::string& BaseNomesAcordes::NomeEm(int indice) const {
    if (indice < 0 || indice >= Quantidade())
        throw std::out_of_range("chord name index out of range");
    return entradas_[static_cast<std::size_t>(indice)].nome;
}

CifraCodificada BaseNomesAcordes::ValorEm(int indice) const {
    if (indice < 0 || indice >= Quantidade())
        throw std::out_of_range("chord name index out of range");
    return entradas_[static_cast<std::size_t>(indice)].valor;
}

int BaseNomesAcordes::CompararNomes(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    for (int posicao = 1; i < a.size() && j < b.size(); ++posicao) {
        const char32_t ca = utf8::CodigoEm(a, i);
        const char32_t cb = utf8::CodigoEm(b, j);
        if (posicao == 2) {
            // Naturals first, then sharps and flats, whatever follows.
            if (Acidente(ca) && !Acidente(cb)) return 1;
            if (!Acidente(ca) && Acidente(cb)) return -1;
        }
        if (ca != cb) return CodigoOrdenacao(ca) - CodigoOrdenacao(cb);
        i += utf8::TamanhoCaractere(a, i);
        j += utf8::TamanhoCaractere(b, j);
    }
    return static_cast<int>(utf8::ContarCaracteres(a)) -
           static_cast<int>(utf8::ContarCaracteres(b));
}
