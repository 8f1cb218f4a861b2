// SPDX-License-Identifier: GPL-3.0-or-later
#include "RotuloTecla.h"

#include <array>

#include "Cifra.h"
#include "Notas.h"

std::string_view RotuloTecla(std::string_view cifra, int tecla, int slot, ModoVisualizacao modo) {
    static constexpr std::array<std::string_view, 5> dedos = {"1", "2", "3", "4", "5"};
    switch (modo) {
        case ModoVisualizacao::Dedos:
            return slot >= 0 && slot < 5 ? dedos[static_cast<std::size_t>(slot)]
                                         : std::string_view{};
        case ModoVisualizacao::Notas:
            return RotuloNota(NomeRaizCifra(cifra), tecla);
        case ModoVisualizacao::Intervalos:
            return RotuloIntervalo(NomeRaizCifra(cifra), tecla);
    }
    return {};
}
