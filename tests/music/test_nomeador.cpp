// SPDX-License-Identifier: GPL-3.0-or-later
// Naming chords from their notes: every name reads back as exactly the notes played, and the
// best name is the one a musician writes.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <string>
#include <vector>

#include "CaminhosTeste.h"
#include "LeituraArquivo.h"
#include "NomeadorAcordes.h"

namespace {

const std::vector<std::string>& Catalogo() {
    static const std::vector<std::string> nomes = LerLinhasArquivoTexto(
        std::filesystem::path(tastavo_teste::PastaBinarios()) / "acordes.txt");
    return nomes;
}

const NomeadorAcordes& Nomeador() {
    static const NomeadorAcordes nomeador(Catalogo());
    return nomeador;
}

ConjuntoClasses Classes(std::initializer_list<std::string_view> notas) {
    ConjuntoClasses c = 0;
    for (const std::string_view n : notas)
        c |= static_cast<ConjuntoClasses>(1u << ClasseDoNome(NomeNotaDoTexto(n)));
    return c;
}

// The names of notes given as note names, the first the bass.
std::vector<std::string> Nomes(const NomeadorAcordes& nomeador,
                               std::initializer_list<std::string_view> notas) {
    std::vector<std::string> textos;
    for (const NomeAcorde& n :
         nomeador.Nomear(Classes(notas), ClasseDoNome(NomeNotaDoTexto(*notas.begin())))) {
        textos.push_back(n.cifra);
    }
    return textos;
}

std::size_t Posicao(const std::vector<std::string>& nomes, std::string_view nome) {
    return static_cast<std::size_t>(std::find(nomes.begin(), nomes.end(), nome) - nomes.begin());
}

// Every name reads back as exactly the notes over the bass, and none comes twice.
void VerificarNomes(const std::vector<NomeAcorde>& nomes, ConjuntoClasses classes,
                    ClasseAltura baixo) {
    std::vector<std::string> vistos;
    for (const NomeAcorde& n : nomes) {
        CifraCodificada c;
        ASSERT_TRUE(TentarAnalisarCifra(n.cifra, c)) << n.cifra;
        ASSERT_EQ(c, n.codigo) << n.cifra;
        ASSERT_EQ(ClassesDaCifra(c), classes) << n.cifra;
        ASSERT_EQ(ClasseDoBaixo(c), baixo) << n.cifra;
        vistos.push_back(n.cifra);
    }
    std::sort(vistos.begin(), vistos.end());
    EXPECT_EQ(std::adjacent_find(vistos.begin(), vistos.end()), vistos.end());
}

TEST(NomeadorAcordes, OMelhorNomeEhODoMusico) {
    struct Caso {
        std::initializer_list<std::string_view> notas;
        const char* melhor;
    };
    const Caso casos[] = {
        {{"E", "G", "C"}, "C/E"},
        {{"C", "E", "G"}, "C"},
        {{"G", "C", "E"}, "C/G"},
        {{"C", "E", "G", "A"}, "C6"},
        {{"A", "C", "E", "G"}, "Am7"},
        {{"C", "E", "G", "B"}, "C7M"},
        {{"C", "Eb", "Gb", "A"}, "Cdim7"},
        {{"C", "Eb", "Gb", "Bb"}, "Cm7(b5)"},
        {{"C", "E", "G#"}, "Caug"},
        {{"C", "G"}, "C5"},
        {{"C", "F", "G"}, "Csus4"},
        {{"C", "D", "G"}, "Csus2"},
        {{"F#", "A", "C", "D"}, "D7/F#"},
        {{"Bb", "C", "Eb", "G"}, "Cm/Bb"},
        {{"A", "G", "B", "D"}, "G/A"},
        {{"D", "F#", "A", "C", "E"}, "D7(9)"},
        {{"E", "C", "G", "Bb", "D"}, "C7(9)/E"},
        // Roots spelled as keys are written, whatever the input's spelling.
        {{"A#", "D", "F"}, "Bb"},
        {{"C#", "E", "G#"}, "C#m"},
        {{"Db", "F", "Ab"}, "Db"},
        {{"G#", "B", "D#"}, "G#m"},
    };
    for (const Caso& c : casos) {
        const std::vector<std::string> nomes = Nomes(Nomeador(), c.notas);
        ASSERT_FALSE(nomes.empty()) << c.melhor;
        EXPECT_EQ(nomes.front(), c.melhor);
    }
    // C6 and Am7 are the same notes: the root in the bass decides.
    const auto sobreC = Nomes(Nomeador(), {"C", "E", "G", "A"});
    EXPECT_LT(Posicao(sobreC, "C6"), Posicao(sobreC, "Am7/C"));
    EXPECT_LT(Posicao(sobreC, "Am7/C"), sobreC.size());
    const auto sobreA = Nomes(Nomeador(), {"A", "C", "E", "G"});
    EXPECT_LT(Posicao(sobreA, "C6/A"), sobreA.size());
    // The catalogue's spelling before an equivalent one; and a rare reading comes late.
    const auto aug = Nomes(Nomeador(), {"C", "E", "G#"});
    EXPECT_LT(Posicao(aug, "Caug"), Posicao(aug, "C(#5)"));
    const auto primeira = Nomes(Nomeador(), {"E", "G", "C"});
    EXPECT_LT(Posicao(primeira, "C5/E"), Posicao(primeira, "Em(#5)"));
    EXPECT_LT(Posicao(primeira, "Em(#5)"), primeira.size());
}

TEST(NomeadorAcordes, SemNomes) {
    const NomeadorAcordes& n = Nomeador();
    EXPECT_TRUE(n.Nomear(Classes({"C"}), 0).empty()) << "a single note";
    EXPECT_TRUE(n.Nomear(0, 0).empty());
    EXPECT_TRUE(n.Nomear(Classes({"C", "E", "G"}), 2).empty()) << "a bass that is not a note";
    EXPECT_TRUE(n.Nomear(Classes({"C", "D", "E", "F", "G", "A"}), 0).empty())
        << "six notes: the keyboard plays five keys at most";
    // A major third with a fourth: the keyboard would leave the third out of C(add4), so
    // only names that hold every note may come.
    for (const NomeAcorde& nome : n.Nomear(Classes({"C", "E", "F", "G"}), 0)) {
        EXPECT_NE(NomeRaizCifra(nome.cifra), "C") << nome.cifra;
    }
}

TEST(NomeadorAcordes, SemCatalogoAindaNomeia) {
    // Without a catalogue no chord is more common than another: the root in the bass first.
    const NomeadorAcordes vazio({});
    const auto nomes = Nomes(vazio, {"E", "G", "C"});
    EXPECT_EQ(nomes.front(), "Em(#5)");
    EXPECT_LT(Posicao(nomes, "C/E"), nomes.size());
    EXPECT_EQ(Nomes(vazio, {"C", "E", "G", "B"}).front(), "C7M");
    // Lines that are no symbol are skipped; a catalogue spelling is preferred.
    const NomeadorAcordes outro({"Cmaj7", "nada", ""});
    EXPECT_EQ(Nomes(outro, {"C", "E", "G", "B"}).front(), "Cmaj7");
}

// Every chord of the catalogue: its notes are named, each name reads back as those notes,
// and the chord itself is among them (with the same root, intervals and bass), unless the
// keyboard cannot show all of its notes.
TEST(NomeadorAcordesPropriedade, AcordesDoCatalogo) {
    ASSERT_GT(Catalogo().size(), 600u);
    for (const std::string& nome : Catalogo()) {
        const CifraCodificada c = AnalisarCifra(nome);
        const ConjuntoClasses classes = ClassesDaCifra(c);
        const std::vector<NomeAcorde> nomes = Nomeador().Nomear(classes, ClasseDoBaixo(c));
        VerificarNomes(nomes, classes, ClasseDoBaixo(c));
        const bool semTerca = TemIntervalo(c, 4) && TemIntervalo(c, 5);
        if (semTerca || std::popcount(static_cast<unsigned>(classes)) > 5) continue;
        ASSERT_FALSE(nomes.empty()) << nome;
        const auto mesmoAcorde = [&](const NomeAcorde& n) {
            return ClasseDoNome(RaizCifra(n.codigo)) == ClasseDoNome(RaizCifra(c)) &&
                   (n.codigo & 0xFFE0u) == (c & 0xFFE0u);
        };
        EXPECT_TRUE(std::any_of(nomes.begin(), nomes.end(), mesmoAcorde)) << nome;
    }
}

// Every set of two to five pitch classes over each of its notes: every name reads back.
TEST(NomeadorAcordesPropriedade, TodosOsConjuntosDeDuasACincoNotas) {
    std::size_t semNome = 0;
    std::size_t consultas = 0;
    for (unsigned classes = 1; classes < 4096; ++classes) {
        const int n = std::popcount(classes);
        if (n < 2 || n > 5) continue;
        for (ClasseAltura baixo = 0; baixo < 12; ++baixo) {
            if (((classes >> baixo) & 1u) == 0) continue;
            ++consultas;
            const auto nomes = Nomeador().Nomear(static_cast<ConjuntoClasses>(classes), baixo);
            VerificarNomes(nomes, static_cast<ConjuntoClasses>(classes), baixo);
            if (nomes.empty()) ++semNome;
        }
    }
    EXPECT_EQ(consultas, 6732u);
    EXPECT_EQ(semNome, 0u) << "every set of two to five notes has a name over each bass";
}

}  // namespace
