#include "Notas.h"

namespace {

constexpr std::array<ClasseAltura, QuantidadeNomesNotas> kClasses = {0, 1, 1, 2, 3, 3, 4, 5, 6,
                                                                     6, 7, 8, 8, 9, 10, 10, 11};
constexpr std::array<NomeNota, QuantidadeNomesNotas> kAcima = {1,  3,  3,  4,  6,  6,  7,  8, 10,
                                                               10, 11, 13, 13, 14, 16, 16, 0};
constexpr std::array<NomeNota, QuantidadeNomesNotas> kAbaixo = {16, 0,  0,  2,  3,  3,  4,  6, 7,
                                                                7,  9,  10, 10, 12, 13, 13, 15};
constexpr std::array<NomeNota, 12> kSustenidos = {0, 1, 3, 4, 6, 7, 8, 10, 11, 13, 14, 16};

}  // namespace

ClasseAltura ClasseDoNome(NomeNota nome) { return kClasses[static_cast<std::size_t>(nome)]; }

NomeNota NomePelaClasse(std::int32_t altura) { return kSustenidos[static_cast<std::size_t>(altura % 12)]; }

NomeNota SemitomAcima(NomeNota nome) { return kAcima[static_cast<std::size_t>(nome)]; }

NomeNota SemitomAbaixo(NomeNota nome) { return kAbaixo[static_cast<std::size_t>(nome)]; }

NomeNota NomeNotaDoTexto(std::string_view texto) {
    for (int i = 0; i < QuantidadeNomesNotas; ++i) {
        if (NomesNotas[static_cast<std::size_t>(i)] == texto) return i;
    }
    return -1;
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
