// SPDX-License-Identifier: GPL-3.0-or-later
#include "AcordeTeclado.h"

AcordeTeclado::AcordeTeclado(std::string_view nome, const ColecaoPosicaoHarmonicaTeclado& posicoes)
    : codigo_(AnalisarCifra(nome)), nome_(nome), posicoes_(posicoes) {}

AcordeTeclado::AcordeTeclado(std::string_view nome, CifraCodificada codigo,
                             ColecaoPosicaoHarmonicaTeclado posicoes)
    : codigo_(codigo), nome_(nome), posicoes_(std::move(posicoes)) {}
