// SPDX-License-Identifier: GPL-3.0-or-later
// Live naming of the chord held on a MIDI keyboard: the best name without the heap, the held
// keys on the two-octave keyboard, and the chord that stays once every key is up.
#include <gtest/gtest.h>

#include <atomic>
#include <bit>
#include <cstdlib>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "CaminhosTeste.h"
#include "LeituraArquivo.h"
#include "NomeadorAcordes.h"
#include "OuvinteAcordes.h"

// Every allocation of this test binary is counted, so that a path can be shown to make none.
// (GCC takes the replaced operators for a mismatch with malloc and free.)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
std::atomic<long> g_alocacoes{0};
}  // namespace

void* operator new(std::size_t tamanho) {
    ++g_alocacoes;
    if (void* p = std::malloc(tamanho == 0 ? 1 : tamanho)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

const NomeadorAcordes& Nomeador() {
    static const NomeadorAcordes nomeador(LerLinhasArquivoTexto(
        std::filesystem::path(tastavo_teste::PastaBinarios()) / "acordes.txt"));
    return nomeador;
}

using Mudanca = OuvinteAcordes::Mudanca;

TEST(MelhorNome, IsTheFirstNameOfEveryNameableSetAndAllocatesNothing) {
    const NomeadorAcordes& nomeador = Nomeador();
    int conferidos = 0;
    for (unsigned classes = 1; classes < 4096; ++classes) {
        const int n = std::popcount(classes);
        if (n < 1 || n > 6) continue;
        for (ClasseAltura baixo = 0; baixo < 12; ++baixo) {
            const auto c = static_cast<ConjuntoClasses>(classes);
            const std::vector<NomeAcorde> todos = nomeador.Nomear(c, baixo);
            NomeAcordeFixo melhor;
            const long antes = g_alocacoes.load();
            const bool achou = nomeador.MelhorNome(c, baixo, melhor);
            ASSERT_EQ(g_alocacoes.load(), antes)
                << "allocated naming set " << classes << " over " << baixo;
            ASSERT_EQ(achou, !todos.empty());
            if (!achou) {
                EXPECT_TRUE(melhor.Vazio());
                continue;
            }
            ASSERT_EQ(std::string(melhor.Cifra()), todos.front().cifra)
                << classes << " over " << baixo;
            ASSERT_EQ(melhor.codigo, todos.front().codigo);
            ++conferidos;
        }
    }
    EXPECT_GT(conferidos, 5000);
}

struct Passo {
    std::vector<std::uint8_t> mensagem;
    Mudanca esperada;
    std::string nomeSegurado;  // the held chord's name after the message
};

void Conferir(const std::vector<Passo>& passos, const std::string& ultimo) {
    OuvinteAcordes ouvinte(Nomeador());
    for (std::size_t i = 0; i < passos.size(); ++i) {
        const Passo& p = passos[i];
        EXPECT_EQ(ouvinte.Receber(p.mensagem), p.esperada) << "step " << i;
        EXPECT_EQ(std::string(ouvinte.Segurado().nome.Cifra()), p.nomeSegurado) << "step " << i;
    }
    EXPECT_EQ(std::string(ouvinte.Ultimo().nome.Cifra()), ultimo);
}

TEST(OuvinteAcordes, NamesWhatIsHeldAndKeepsTheChordPlayedAfterRelease) {
    // C E G played, released unevenly: C stays, not the dyad left on the way out.
    Conferir({{{0x90, 60, 90}, Mudanca::Nenhuma, ""},
              {{0x90, 64, 90}, Mudanca::Segurado, "C(omitt5)"},
              {{0x90, 67, 90}, Mudanca::Segurado, "C"},
              {{0x80, 67, 0}, Mudanca::Reduzido, "C(omitt5)"},
              {{0x90, 64, 0}, Mudanca::Nenhuma, ""},  // velocity 0 is a note off
              {{0x80, 60, 64}, Mudanca::Solto, ""}},
             "C");
}

TEST(OuvinteAcordes, FewNotesOrUnnamedNotesChangeNothing) {
    OuvinteAcordes ouvinte(Nomeador());
    // One note, then the same pitch class an octave up: nothing to name.
    EXPECT_EQ(ouvinte.NotaLigada(60), Mudanca::Nenhuma);
    EXPECT_EQ(ouvinte.NotaLigada(72), Mudanca::Nenhuma);
    EXPECT_TRUE(ouvinte.Segurado().nome.Vazio());
    // Note-offs of keys never held, other messages, short messages.
    for (const std::vector<std::uint8_t>& m : std::vector<std::vector<std::uint8_t>>{
             {0x80, 30, 0}, {0xB3, 7, 100}, {0xC0, 5}, {0xE0, 0, 64}, {0x90}})
        EXPECT_EQ(ouvinte.Receber(m), Mudanca::Nenhuma);
    EXPECT_EQ(ouvinte.Segurado().Quantidade(), 2);
    ouvinte.Esquecer();
    // Six pitch classes: the keyboard plays five at most, so the sixth names nothing and the
    // chord that would stay is still the five-note one.
    for (int n : {60, 62, 64, 67, 71}) ouvinte.NotaLigada(n);
    const std::string cinco(ouvinte.Segurado().nome.Cifra());
    ASSERT_FALSE(cinco.empty());
    EXPECT_EQ(ouvinte.NotaLigada(66), Mudanca::Nenhuma);
    EXPECT_TRUE(ouvinte.Segurado().nome.Vazio());
    EXPECT_EQ(ouvinte.Ultimo().nome.Cifra(), cinco);
    // All notes off with nothing named on the way: the five-note chord stays.
    EXPECT_EQ(ouvinte.Receber(std::vector<std::uint8_t>{0xB0, 123, 0}), Mudanca::Solto);
    EXPECT_EQ(ouvinte.Segurado().Quantidade(), 0);
    EXPECT_EQ(ouvinte.Ultimo().nome.Cifra(), cinco);
}

TEST(OuvinteAcordes, AllNotesOffReleasesAndANewChordReplacesTheOneThatStayed) {
    OuvinteAcordes ouvinte(Nomeador());
    for (int n : {57, 60, 64}) ouvinte.NotaLigada(n);  // A C E on channel 1
    EXPECT_EQ(ouvinte.Receber(std::vector<std::uint8_t>{0xB5, 123, 0}), Mudanca::Solto);
    EXPECT_EQ(ouvinte.Ultimo().nome.Cifra(), "Am");
    // The next chord's first key forgets the one that stayed.
    EXPECT_EQ(ouvinte.NotaLigada(62), Mudanca::Nenhuma);
    EXPECT_TRUE(ouvinte.Ultimo().nome.Vazio());
    ouvinte.NotaLigada(65);
    ouvinte.NotaLigada(69);
    EXPECT_EQ(ouvinte.NotaDesligada(62), Mudanca::Reduzido);
    ouvinte.NotaDesligada(65);
    EXPECT_EQ(ouvinte.NotaDesligada(69), Mudanca::Solto);
    EXPECT_EQ(ouvinte.Ultimo().nome.Cifra(), "Dm");
}

TEST(OuvinteAcordes, ReceivingAllocatesNothing) {
    OuvinteAcordes ouvinte(Nomeador());
    const long antes = g_alocacoes.load();
    for (int vez = 0; vez < 3; ++vez) {
        for (int n : {48, 55, 64, 70, 74}) ouvinte.NotaLigada(n);
        for (int n : {48, 55, 64, 70, 74}) ouvinte.NotaDesligada(n);
    }
    EXPECT_EQ(g_alocacoes.load(), antes);
    EXPECT_EQ(ouvinte.Ultimo().nome.Cifra(), "C7(9)");
}

TEST(AcordeTocado, KeysStartAtTheLowestNotesCAndFoldHighNotesIntoTheTopOctave) {
    struct Caso {
        std::vector<int> notas;
        std::vector<int> teclas;
    };
    const std::vector<Caso> casos = {
        {{}, {}},
        {{60, 64, 67}, {0, 4, 7}},
        {{62, 65, 69}, {2, 5, 9}},                    // from the C below D
        {{47, 62, 66}, {11, 14, 18}},                 // B2: the keyboard starts at C2
        {{48, 84, 97}, {0, 12, 13}},                  // C5 and C#6 fold into the top octave
        {{48, 72}, {0, 24}},                          // the top C stays on the last key
        {{36, 60, 64, 67, 71}, {0, 24, 16, 19, 23}},  // two octaves up is the top C,
    };
    for (const Caso& caso : casos) {
        AcordeTocado acorde;
        for (int n : caso.notas) acorde.notas[n / 64] |= std::uint64_t{1} << (n % 64);
        std::uint32_t esperado = 0;
        for (int t : caso.teclas) esperado |= 1u << t;
        EXPECT_EQ(acorde.Teclas(), esperado) << testing::PrintToString(caso.notas);
    }
}

}  // namespace
