// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the benchmark inputs into a folder, the same bytes on every machine and every run:
//   chart_20k.txt            a chord chart of 21,253 lines: a key line and an intro, then 1,250
//                            stanzas of eight chord lines over lyric lines, some lyric lines with
//                            bracketed chords inside, slash chords throughout
//   symbols_common_100k.txt  100,000 chord symbols that musicians commonly write, one a line
// The benchmarks and the differential test read them; their figures stay comparable because the
// inputs never change. Usage: gerar-entradas-bench <folder>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

// A fixed pseudo-random sequence (64-bit linear congruential, upper bits): the standard
// library's distributions differ between implementations, this does not.
class Sorteio {
  public:
    explicit Sorteio(std::uint64_t semente) : estado_(semente) {}
    // A number in [0, n).
    std::size_t Ate(std::size_t n) {
        estado_ = estado_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::size_t>((estado_ >> 33) % n);
    }
    bool Chance(std::size_t porcento) { return Ate(100) < porcento; }
    template <typename T>
    const T& Um(const std::vector<T>& v) {
        return v[Ate(v.size())];
    }

  private:
    std::uint64_t estado_;
};

const std::vector<std::string> Raizes = {"C",  "C#", "Db", "D",  "D#", "Eb", "E",  "F", "F#",
                                         "Gb", "G",  "G#", "Ab", "A",  "A#", "Bb", "B"};
const std::vector<std::string> QualidadesComuns = {"",     "m",    "7",    "m7",  "maj7", "6",
                                                   "m6",   "9",    "m9",   "11",  "13",   "5",
                                                   "sus2", "sus4", "add9", "dim", "dim7", "aug"};
// What chart writers add to the common ones.
const std::vector<std::string> QualidadesCifra = {
    "(add9)", "6(9)",  "7(#5)", "7(#9)", "7(9)",   "7(9)(11)(13)", "7(b13)", "7(b9)", "7+", "7/9",
    "7M",     "7M(9)", "7sus4", "m7(9)", "m7(b5)", "m7M",          "°",      "º",     "ø"};
const std::vector<std::string> Palavras = {
    "a",      "no",      "meu",     "gente", "cantar",  "eu",      "letra",  "amor",
    "azul",   "mundo",   "você",    "bela",  "caminho", "que",     "canção", "vem",
    "já",     "luz",     "mais",    "vida",  "brilha",  "quando",  "ouviu",  "noite",
    "voltei", "bonita",  "o",       "fui",   "tem",     "coração", "da",     "de",
    "céu",    "saudade", "sol",     "dia",   "cada",    "mar",     "lá",     "hoje",
    "vou",    "e",       "estrela", "do",    "sonho",   "novo"};

std::string Simbolo(Sorteio& s, bool daCifra) {
    std::string c = s.Um(Raizes);
    c += (daCifra && s.Chance(45)) ? s.Um(QualidadesCifra) : s.Um(QualidadesComuns);
    if (s.Chance(14)) c += "/" + s.Um(Raizes);
    return c;
}

std::string Maiuscula(std::string palavra) {
    // Every word starts with an ASCII letter.
    palavra[0] = static_cast<char>(palavra[0] - 'a' + 'A');
    return palavra;
}

void EscreverCifra(std::ostream& saida) {
    Sorteio s(20261211);
    saida << "Tom: G\nIntro: C G Am F\n\n";
    for (int estrofe = 0; estrofe < 1250; ++estrofe) {
        for (int par = 0; par < 8; ++par) {
            // The chord line: one to four chords, spread over the lyric line below.
            static const std::vector<int> QuantosAcordes = {1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 4};
            const int acordes = s.Um(QuantosAcordes);
            std::string linha;
            for (int a = 0; a < acordes; ++a) {
                if (a > 0) linha += std::string(1 + s.Ate(11), ' ');
                linha += Simbolo(s, true);
            }
            saida << linha << '\n';
            // The lyric line: four to nine words; one in seven carries two chords in brackets.
            const std::size_t palavras = 4 + s.Ate(6);
            const bool colchetes = s.Chance(14);
            const std::size_t primeiro = 1 + s.Ate(palavras / 2), segundo = palavras - 1;
            linha.clear();
            for (std::size_t p = 0; p < palavras; ++p) {
                if (p > 0) linha += ' ';
                if (colchetes && (p == primeiro || p == segundo))
                    linha += "[" + Simbolo(s, true) + "]";
                linha += p == 0 ? Maiuscula(s.Um(Palavras)) : s.Um(Palavras);
            }
            saida << linha << '\n';
        }
        saida << '\n';
    }
}

void EscreverSimbolos(std::ostream& saida) {
    Sorteio s(100000);
    for (int i = 0; i < 100000; ++i) saida << Simbolo(s, false) << '\n';
}

bool Escrever(const std::filesystem::path& caminho, void (*escrever)(std::ostream&)) {
    // Written beside and renamed, so that a reader never sees half a file.
    const std::filesystem::path parcial = caminho.string() + ".parcial";
    {
        std::ofstream f(parcial, std::ios::binary | std::ios::trunc);
        escrever(f);
        f.flush();
        if (!f) return false;
    }
    std::error_code erro;
    std::filesystem::rename(parcial, caminho, erro);
    return !erro;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gerar-entradas-bench <folder>\n";
        return 2;
    }
    const std::filesystem::path pasta = argv[1];
    std::error_code erro;
    std::filesystem::create_directories(pasta, erro);
    if (erro) {
        std::cerr << "cannot create " << pasta << ": " << erro.message() << '\n';
        return 1;
    }
    for (const auto& [nome, escrever] : {std::pair{"chart_20k.txt", &EscreverCifra},
                                         std::pair{"symbols_common_100k.txt", &EscreverSimbolos}}) {
        if (!Escrever(pasta / nome, escrever)) {
            std::cerr << "cannot write " << (pasta / nome) << '\n';
            return 1;
        }
    }
    return 0;
}
