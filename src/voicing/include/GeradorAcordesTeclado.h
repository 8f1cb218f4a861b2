// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds and fingers the keyboard positions of a chord, nearest the keyboard's centre first.

#include <memory>
#include <string_view>

#include "AcordeTeclado.h"
#include "Cifra.h"
#include "PosicaoHarmonica.h"

class GeradorAcordesTeclado {
  public:
    // The one generator (it holds no state).
    static GeradorAcordesTeclado& Instancia();
    virtual ~GeradorAcordesTeclado() = default;

    // The chord of `cifra` with its ordered positions. Throws what AnalisarCifra or
    // MontarPosicao throws.
    virtual std::unique_ptr<AcordeTeclado> GerarAcorde(std::string_view cifra) const;
    // Whether GerarAcorde builds `cifra` without throwing.
    bool PodeGerar(std::string_view cifra) const;
    // One position per admissible bass, fingered and ordered. Throws FormatoInvalidoException
    // (empty text) for a chord that needs more than five keys.
    virtual ColecaoPosicaoHarmonicaGerador GerarPosicoes(CifraCodificada cifra) const;
    // The close position above the bass of `cifra` (which has a bass), without fingers.
    // Throws FormatoInvalidoException with an empty text when it would need six keys or more.
    virtual PosicaoHarmonicaGerador MontarPosicao(CifraCodificada cifra) const;
    // Writes the cheapest fingering into every position, in place.
    virtual void AtribuirDedos(ColecaoPosicaoHarmonicaGerador& posicoes) const;
    // Cost of a fingered position (every pressed key has a slot).
    virtual int CustoDedilhado(const PosicaoHarmonicaGerador& posicao) const;
    // ParaTeclado of each position, in order.
    virtual ColecaoPosicaoHarmonicaTeclado ConverterPosicoes(
        const ColecaoPosicaoHarmonicaGerador& posicoes) const;
};

// For each key, the index of its white key (a black key counts as the white key to its left).
inline constexpr int IndiceTeclaBranca[QuantidadeTeclas] = {
    0, 0, 1, 1, 2, 3, 3, 4, 4, 5, 5, 6, 7, 7, 8, 8, 9, 10, 10, 11, 11, 12, 12, 13, 14};
