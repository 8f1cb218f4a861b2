// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One print item: a chord symbol with the one keyboard position its diagram shows.

#include <string>
#include <string_view>

#include "PosicaoHarmonica.h"

class AcordeImpressao {
  public:
    // Copies both. Never throws except std::bad_alloc.
    AcordeImpressao(std::string_view cifra, const PosicaoHarmonicaTeclado& posicao)
        : cifra_(cifra), posicao_(posicao) {}
    virtual ~AcordeImpressao() = default;
    AcordeImpressao(const AcordeImpressao&) = default;
    AcordeImpressao& operator=(const AcordeImpressao&) = default;

    // The symbol as the user or the chart wrote it: the diagram's title and the list line.
    std::string ObterCifra() const { return cifra_; }
    PosicaoHarmonicaTeclado ObterPosicao() const { return posicao_; }
    // Same pressed keys (fingers aside) and the same symbol text, letter case included.
    virtual bool Igual(const AcordeImpressao& outro) const {
        return posicao_ == outro.posicao_ && cifra_ == outro.cifra_;
    }
    bool operator==(const AcordeImpressao& outro) const { return Igual(outro); }

  private:
    std::string cifra_;
    PosicaoHarmonicaTeclado posicao_;
};

class GerenciadorAcordes;

// A print item of `cifra` as written with its chord's first position, as the chord manager
// hands it out. Throws FormatoInvalidoException carrying `cifra` on any failure.
AcordeImpressao CriarAcordeImpressao(const GerenciadorAcordes& acordes, std::string_view cifra);
