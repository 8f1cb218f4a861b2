// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One chord as the user sees it: its symbol, its packed value and its ordered positions.

#include <string>
#include <string_view>

#include "Cifra.h"
#include "PosicaoHarmonica.h"

class AcordeTeclado {
  public:
    // Nome takes `nome`, Posicoes a copy of `posicoes`, Codigo = AnalisarCifra(nome).
    AcordeTeclado(std::string_view nome, const ColecaoPosicaoHarmonicaTeclado& posicoes);
    // As above, for a caller that has just parsed `nome` into `codigo`.
    AcordeTeclado(std::string_view nome, CifraCodificada codigo,
                  ColecaoPosicaoHarmonicaTeclado posicoes);
    virtual ~AcordeTeclado() = default;

    virtual bool Igual(const AcordeTeclado& outro) const { return codigo_ == outro.codigo_; }
    virtual bool operator==(const AcordeTeclado& outro) const { return Igual(outro); }
    virtual bool operator!=(const AcordeTeclado& outro) const { return !Igual(outro); }

    const std::string& Nome() const { return nome_; }
    // Gives the chord another wording; Codigo and Posicoes stay.
    void DefinirNome(std::string_view nome) { nome_ = nome; }
    CifraCodificada Codigo() const { return codigo_; }
    int QuantidadePosicoes() const { return posicoes_.Quantidade(); }
    const PosicaoHarmonicaTeclado& Posicao(int i) const { return posicoes_.Obter(i); }
    const ColecaoPosicaoHarmonicaTeclado& Posicoes() const { return posicoes_; }

  private:
    CifraCodificada codigo_;
    std::string nome_;
    ColecaoPosicaoHarmonicaTeclado posicoes_;
};
