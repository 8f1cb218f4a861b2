#pragma once
// The print list: the chords the user wants on paper, in insertion order, repeats allowed.
// Copies are independent of the list they were made from.

#include <vector>

#include "AcordeImpressao.h"
#include "ElementoInexistenteException.h"

class ColecaoAcordeImpressao {
  public:
    ColecaoAcordeImpressao() = default;
    ColecaoAcordeImpressao(const ColecaoAcordeImpressao&) = default;
    ColecaoAcordeImpressao& operator=(const ColecaoAcordeImpressao&) = default;
    virtual ~ColecaoAcordeImpressao() = default;

    // Appends a copy of `item`.
    virtual void Adicionar(const AcordeImpressao& item);
    // Removes the item at `indice`; the later ones move one place forward. Throws
    // ElementoInexistenteException, changing nothing, outside 0..Quantidade()-1.
    virtual void Remover(int indice);
    // The item at `indice`. Throws ElementoInexistenteException outside 0..Quantidade()-1.
    virtual const AcordeImpressao& Obter(int indice) const;
    virtual int Quantidade() const;
    virtual void Limpar();

  private:
    std::vector<AcordeImpressao> itens_;
};
