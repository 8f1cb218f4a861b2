#include "ColecaoAcordeImpressao.h"

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
