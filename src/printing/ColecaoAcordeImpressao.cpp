// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColecaoAcordeImpressao.h"

#include <unordered_set>

#include "Texto.h"

void ColecaoAcordeImpressao::Adicionar(const AcordeImpressao& item) { itens_.push_back(item); }

void ColecaoAcordeImpressao::Remover(int indice) {
    if (indice < 0 || indice >= Quantidade()) throw ElementoInexistenteException();
    itens_.erase(itens_.begin() + indice);
}

const AcordeImpressao& ColecaoAcordeImpressao::Obter(int indice) const {
    if (indice < 0 || indice >= Quantidade()) throw ElementoInexistenteException();
    return itens_[static_cast<std::size_t>(indice)];
}

int ColecaoAcordeImpressao::Quantidade() const { return static_cast<int>(itens_.size()); }

void ColecaoAcordeImpressao::Limpar() { itens_.clear(); }

bool ColecaoAcordeImpressao::ContemCifra(std::string_view cifra) const {
    const std::string chave = ChaveCifraImpressao(cifra);
    for (const AcordeImpressao& item : itens_)
        if (ChaveCifraImpressao(item.ObterCifra()) == chave) return true;
    return false;
}

std::string ChaveCifraImpressao(std::string_view cifra) { return MinusculasAscii(cifra); }

std::vector<std::string> PrimeirasOcorrencias(std::span<const std::string> cifras) {
    FiltroPrimeirasOcorrencias filtro;
    std::vector<std::string> resultado;
    for (const std::string& c : cifras)
        if (filtro.Primeira(c)) resultado.push_back(c);
    return resultado;
}
