// SPDX-License-Identifier: GPL-3.0-or-later
#include "Notas.h"

namespace {

constexpr std::array<ClasseAltura, QuantidadeNomesNotas> kClasses = {0, 1, 1, 2, 3, 3,  4,  5, 6,
                                                                     6, 7, 8, 8, 9, 10, 10, 11};
constexpr std::array<NomeNota, QuantidadeNomesNotas> kAcima = {1,  3,  3,  4,  6,  6,  7,  8, 10,
                                                               10, 11, 13, 13, 14, 16, 16, 0};
constexpr std::array<NomeNota, QuantidadeNomesNotas> kAbaixo = {16, 0, 0,  2,  3,  3,  4,  6, 7,
                                                                7,  9, 10, 10, 12, 13, 13, 15};
constexpr std::array<NomeNota, 12> kSustenidos = {0, 1, 3, 4, 6, 7, 8, 10, 11, 13, 14, 16};

}  // namespace

ClasseAltura ClasseDoNome(NomeNota nome) { return kClasses[static_cast<std::size_t>(nome)]; }

NomeNota NomePelaClasse(std::int32_t altura) {
    return kSustenidos[static_cast<std::size_t>(altura % 12)];
}

NomeNota SemitomAcima(NomeNota nome) { return kAcima[static_cast<std::size_t>(nome)]; }

NomeNota SemitomAbaixo(NomeNota nome) { return kAbaixo[static_cast<std::size_t>(nome)]; }

NomeNota NomeNotaDoTexto(std::string_view texto) {
    // Chord parsing looks up every root and bass here: dispatch on the letter.
    if (texto.empty() || texto.size() > 2) return -1;
    static constexpr NomeNota kNatural[7] = {13, 16, 0, 3, 6, 7, 10};  // A B C D E F G
    const char letra = texto[0];
    if (letra < 'A' || letra > 'G') return -1;
    const NomeNota natural = kNatural[letra - 'A'];
    if (texto.size() == 1) return natural;
    const NomeNota alterado = texto[1] == '#' ? natural + 1 : texto[1] == 'b' ? natural - 1 : -1;
    if (alterado < 0 || alterado >= QuantidadeNomesNotas) return -1;
    return NomesNotas[static_cast<std::size_t>(alterado)] == texto ? alterado : -1;
}

ClasseAltura IndiceNota(std::string_view texto, bool& sustenido) {
    for (std::size_t i = 0; i < 12; ++i) {
        const bool comSustenido = texto == NomesNotasSustenido[i];
        if (comSustenido || texto == NomesNotasBemol[i]) {
            sustenido = comSustenido;
            return static_cast<ClasseAltura>(i);
        }
    }
    return 0;
}

std::string_view RotuloNota(std::string_view raiz, int tecla) {
    bool sustenido = false;
    IndiceNota(raiz, sustenido);
    const auto i = static_cast<std::size_t>(tecla % 12);
    return sustenido ? NomesNotasSustenido[i] : NomesNotasBemol[i];
}

std::string_view RotuloIntervalo(std::string_view raiz, int tecla) {
    bool sustenido = false;
    const ClasseAltura c = IndiceNota(raiz, sustenido);
    return NomesIntervalos[static_cast<std::size_t>((tecla + 12 - c) % 12)];
}
