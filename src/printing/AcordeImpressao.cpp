// SPDX-License-Identifier: GPL-3.0-or-later
#include "AcordeImpressao.h"

#include "GerenciadorAcordes.h"

AcordeImpressao CriarAcordeImpressao(const GerenciadorAcordes& acordes, std::string_view cifra) {
    const GerenciadorAcordes::NomeEPosicao primeira = acordes.PrimeiraPosicao(cifra);
    return AcordeImpressao(primeira.nome, primeira.posicao);
}
