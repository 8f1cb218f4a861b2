// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print list: the chords the user wants on paper, in insertion order, repeats allowed.
// Copies are independent of the list they were made from.

#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
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

    // Whether an item's symbol is `cifra` with letter case ignored: the list's one rule for
    // what counts as a repeat when repeats are not wanted.
    bool ContemCifra(std::string_view cifra) const;

  private:
    std::vector<AcordeImpressao> itens_;
};

// The key under which two symbols count as the same print-list line: the text with letter case
// ignored. Buildable symbols hold only ASCII and the single characters º, ° and ø (whose
// capital Ø is no token), so folding A-Z is the whole of it.
std::string ChaveCifraImpressao(std::string_view cifra);

// `cifras` in order, each only at its first occurrence under ChaveCifraImpressao.
std::vector<std::string> PrimeirasOcorrencias(std::span<const std::string> cifras);

// The same rule one symbol at a time, for a list read as it comes.
class FiltroPrimeirasOcorrencias {
  public:
    // True the first time a symbol (under ChaveCifraImpressao) is given.
    bool Primeira(std::string_view cifra) {
        return vistas_.insert(ChaveCifraImpressao(cifra)).second;
    }

  private:
    std::unordered_set<std::string> vistas_;
};
