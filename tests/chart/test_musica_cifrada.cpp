// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AcordesParaImpressao.h"
#include "AnaliseCifra.h"
#include "CifraEmPartes.h"
#include "ColecaoAcordeImpressao.h"
#include "GeradorAcordesTeclado.h"
#include "TransposicaoCifra.h"
#include "Utf8.h"

namespace {

using Linhas = std::vector<std::string>;
constexpr auto Acima = SentidoTransposicao::Acima;
constexpr auto Abaixo = SentidoTransposicao::Abaixo;

std::string Repetir(std::string_view s, std::size_t vezes) {
    std::string r;
    for (std::size_t i = 0; i < vezes; ++i) r += s;
    return r;
}

std::vector<std::string> Textos(const std::vector<Candidato>& candidatos) {
    std::vector<std::string> textos;
    for (const Candidato& c : candidatos) textos.emplace_back(c.texto);
    return textos;
}

// One line: is it lyrics, which candidates does it give, what does it become one semitone up.
struct CasoLinha {
    std::string linha;
    bool texto;
    std::vector<std::string> candidatos;
    std::string acima1;
};

void PrintTo(const CasoLinha& c, std::ostream* os) { *os << '"' << c.linha << '"'; }

class LinhaDeCifra : public testing::TestWithParam<CasoLinha> {};

TEST_P(LinhaDeCifra, ClassificaColetaETranspoe) {
    const CasoLinha& c = GetParam();
    EXPECT_EQ(LinhaContemTexto(c.linha), c.texto);
    EXPECT_EQ(Textos(CandidatosDaLinha(c.linha)), c.candidatos);
    EXPECT_EQ(ColetarAcordes(Linhas{c.linha}), c.candidatos);
    EXPECT_EQ(TransporLinhas(Linhas{c.linha}, "1", Acima), Linhas{c.acima1});
}

INSTANTIATE_TEST_SUITE_P(
    Casos, LinhaDeCifra,
    testing::Values(
        // Marker words make a line of chords.
        CasoLinha{"Tom: G", false, {"Tom:", "G"}, "Tom: G#"},
        CasoLinha{"Intro: C G Am F", false, {"Intro:", "C", "G", "Am", "F"}, "Intro: C# G# A#m F#"},
        CasoLinha{"TOM: Eb  (2x)", false, {"TOM:", "Eb", "(2x)"}, "TOM: E  (2x)"},
        CasoLinha{
            "Refrão: Dm7 repetir", false, {"Refrão:", "Dm7", "repetir"}, "Refrão: D#m7 repetir"},
        CasoLinha{"| C | G/B | ... 4/4 -",
                  false,
                  {"|", "C", "|", "G/B", "|", "...", "4/4", "-"},
                  "| C# | G#/C | ... 4/4 -"},
        // Lyrics: only bracket contents count.
        CasoLinha{
            "Hoje [Am]eu vou [F7M]cantar", true, {"Am", "F7M"}, "Hoje [A#m]eu vou [F#7M]cantar"},
        CasoLinha{"Fui [C] e voltei", true, {"C"}, "Fui [C#] e voltei"},
        CasoLinha{"Hoje eu vou cantar", true, {}, "Hoje eu vou cantar"},
        CasoLinha{"[Bb]letra [Eb]mais", true, {"Bb", "Eb"}, "[B]letra [E]mais"},
        // Lyrics that happen to be chords are chords.
        CasoLinha{"A E", false, {"A", "E"}, "A# F"}, CasoLinha{"A", false, {"A"}, "A#"},
        CasoLinha{"a", true, {}, "a"}, CasoLinha{"Z", true, {}, "Z"},
        CasoLinha{"z [D]", true, {"D"}, "z [D#]"},
        // Separators around words; runs of them make no empty word.
        CasoLinha{"\tC   [G]  ", false, {"C", "G"}, "\tC#   [G#]  "}, CasoLinha{"", false, {}, ""},
        CasoLinha{"   ", false, {}, "   "},
        // Spaces move with longer and shorter symbols.
        CasoLinha{"C          G", false, {"C", "G"}, "C#          G#"},
        CasoLinha{"Bb   F", false, {"Bb", "F"}, "B   F#"},
        CasoLinha{"Bb7/D   Eb/G", false, {"Bb7/D", "Eb/G"}, "B7/D#   E/G#"},
        // Bracket contents are taken as they stand, up to 16 characters.
        CasoLinha{"eu [C G] vou []", true, {"C G", ""}, "eu [C G] vou []"},
        CasoLinha{"eu [C7(9)(11)/G#] vou", true, {"C7(9)(11)/G#"}, "eu [C#7(9)(11)/A] vou"},
        CasoLinha{
            "eu [C7M(9)(11)(13)/E] vou", true, {"C7M(9)(11)(13)/E"}, "eu [C#7M(9)(11)(13)/F] vou"},
        CasoLinha{"eu [C7M(9)(11)(13)/Eb] vou", true, {}, "eu [C7M(9)(11)(13)/Eb] vou"},  // 17
        CasoLinha{"eu [çççççççççççççççç] [D]",
                  true,
                  {"çççççççççççççççç", "D"},
                  "eu [çççççççççççççççç] [D#]"},
        CasoLinha{"eu [ççççççççççççççççç] [D]", true, {"D"}, "eu [ççççççççççççççççç] [D#]"},
        CasoLinha{"eu [[ai [Dm] vou", true, {"Dm"}, "eu [[ai [D#m] vou"},
        // A "]" without an open bracket is ignored.
        CasoLinha{"eu [Am]vou] e [C]]", true, {"Am", "C"}, "eu [A#m]vou] e [C#]]"},
        CasoLinha{"eu ]Am] vou", true, {}, "eu ]Am] vou"},
        CasoLinha{"eu [Am vou", true, {}, "eu [Am vou"},
        // Long words carry a marker only within their first 16 characters.
        CasoLinha{"abcdefghijklmtom C", false, {"abcdefghijklmtom", "C"}, "abcdefghijklmtom C#"},
        CasoLinha{"abcdefghijklmntom C", true, {}, "abcdefghijklmntom C"},
        CasoLinha{"çççççççççççççtom C", false, {"çççççççççççççtom", "C"}, "çççççççççççççtom C#"},
        CasoLinha{"ççççççççççççççtom C", true, {}, "ççççççççççççççtom C"}));

// Lyrics in other scripts sit next to chords; only the chords change, byte for byte.
TEST(LetraMultibyte, SoOsAcordesMudam) {
    const Linhas cifra = {
        "Canção [Dm7]do coração [G7/B]ação",
        "¿Dónde [Em]estás, mi amor? [A7]Ñandú",
        "Я [Am]люблю тебя [C G]очень",
        "Σ' [F]αγαπώ [Bb]πολύ",
        "日本語[C]の歌 [G]です",
        "😀 [E]🎹 [Ab/C]🎶 😀",
        "Dm7    G7/B     C",
    };
    const Linhas acima = {
        "Canção [D#m7]do coração [G#7/C]ação",
        "¿Dónde [Fm]estás, mi amor? [A#7]Ñandú",
        "Я [A#m]люблю тебя [C# G#]очень",
        "Σ' [F#]αγαπώ [B]πολύ",
        "日本語[C#]の歌 [G#]です",
        "😀 [F]🎹 [A/C#]🎶 😀",
        "D#m7    G#7/C     C#",
    };
    EXPECT_EQ(TransporLinhas(cifra, "1", Acima), acima);
    EXPECT_EQ(TransporLinhas(acima, "1", Abaixo)[1], "¿Dónde [Em]estás, mi amor? [A7]Ñandú");
    EXPECT_EQ(ColetarAcordes(cifra),
              (std::vector<std::string>{
                  "Dm7",   "G7/B", "Em", "A7",    "Я",    "Am",   "люблю",  "тебя", "C",    "G",
                  "очень", "Σ'",   "F",  "αγαπώ", "Bb",   "πολύ", "日本語", "C",    "の歌", "G",
                  "です",  "😀",    "E",  "🎹",     "Ab/C", "🎶",    "😀",      "Dm7",  "G7/B", "C"}))
        << "words without an ASCII letter are neutral, so those lines are chord lines";
}

TEST(LetraMultibyte, PosicoesETamanhosEmCaracteres) {
    const std::string linha = "Canção [Dm7]é 日本 [G7/B]";
    const std::vector<Candidato> c = CandidatosDaLinha(linha);
    ASSERT_EQ(c.size(), 2u);
    EXPECT_EQ(c[0], (Candidato{"Dm7", 8, 3}));
    EXPECT_EQ(c[1], (Candidato{"G7/B", 18, 4}));
    EXPECT_EQ(utf8::Trecho(linha, c[1].posicao, c[1].tamanho), "G7/B");
}

// The 499-character working copy is counted in characters, whatever their byte length.
class CopiaDeTrabalho : public testing::TestWithParam<std::string_view> {};

TEST_P(CopiaDeTrabalho, AcordesAlemDoLimiteFicamComoEstao) {
    const std::string_view p = GetParam();  // one character of the filler
    // "Fui [C] " is 8 characters; the filler brings the next bracket to characters 490..492.
    const std::string antes = "Fui [C] " + Repetir(p, 482);
    const std::string linhaTexto = antes + "[D]" + Repetir(p, 4) + "[E]" + Repetir(p, 3) + "[F]fim";
    ASSERT_EQ(utf8::ContarCaracteres(antes), 490u);
    // [D] at 490..492 and [E] at 497..499: the "]" of E is character 500, past the limit.
    EXPECT_EQ(Textos(CandidatosDaLinha(linhaTexto)), (std::vector<std::string>{"C", "D"}));
    EXPECT_EQ(
        TransporLinhas(Linhas{linhaTexto}, "1", Acima)[0],
        "Fui [C#] " + Repetir(p, 482) + "[D#]" + Repetir(p, 4) + "[E]" + Repetir(p, 3) + "[F]fim");
}

TEST_P(CopiaDeTrabalho, LimiteCaiDentroDeUmaPalavra) {
    const std::string_view p = GetParam();
    // A line of lyrics whose 499th character falls inside a word: nothing is split.
    const std::string letra = "Fui [Am] " + Repetir(p, 600);
    const Linhas transposta = TransporLinhas(Linhas{letra}, "2", Acima);
    EXPECT_EQ(transposta[0], "Fui [Bm] " + Repetir(p, 600));
    EXPECT_TRUE(utf8::Valido(transposta[0]));
}

INSTANTIATE_TEST_SUITE_P(Caracteres, CopiaDeTrabalho, testing::Values("x", "ç", "日", "😀"));

TEST(CopiaDeTrabalho, PalavraCortadaPeloLimiteNaoEhCandidata) {
    // Cyrillic words hold no ASCII letter, so these are chord lines. The prefix is 497
    // characters, so a word after it has only its first two inside the working copy.
    const std::string enchimento = Repetir("я ", 246);  // 492 characters
    const std::string prefixo = "C " + enchimento + "Eb ";
    ASSERT_EQ(utf8::ContarCaracteres(prefixo), 497u);

    // Only the "Am" of "Amor" is seen: rewriting it would turn the lyric into "A#mor".
    const std::string amor = prefixo + "Amor G";
    EXPECT_FALSE(LinhaContemTexto(amor));
    const std::vector<std::string> candidatos = Textos(CandidatosDaLinha(amor));
    ASSERT_EQ(candidatos.size(), 248u);
    EXPECT_EQ(candidatos.front(), "C");
    EXPECT_EQ(candidatos.back(), "Eb");
    EXPECT_EQ(TransporLinhas(Linhas{amor}, "1", Acima)[0], "C# " + enchimento + "E Amor G");

    // Nor is the "C/" of "C/Eb" a chord to rewrite; a word ending right at the limit is whole.
    EXPECT_EQ(TransporLinhas(Linhas{prefixo + "C/Eb"}, "1", Acima)[0],
              "C# " + enchimento + "E C/Eb");
    EXPECT_EQ(TransporLinhas(Linhas{prefixo + "Em G"}, "1", Acima)[0],
              "C# " + enchimento + "E Fm G");
    EXPECT_EQ(TransporLinhas(Linhas{prefixo + "Em"}, "1", Acima)[0], "C# " + enchimento + "E Fm");
}

TEST(TransporLinhas, TextoDeSemitons) {
    const Linhas cifra = {"Eb  Bb7/D", "Hoje [E7]eu"};
    struct Caso {
        std::string semitons;
        SentidoTransposicao sentido;
        Linhas esperado;
    };
    const std::vector<Caso> casos = {
        {"1", Acima, {"E  B7/D#", "Hoje [F7]eu"}},
        {"1", Abaixo, {"D  A7/Db", "Hoje [D#7]eu"}},
        {"12", Acima, {"D#  A#7/D", "Hoje [E7]eu"}},
        {"13", Acima, {"E  B7/D#", "Hoje [F7]eu"}},
        {" 2 ", Acima, {"F  C7/E", "Hoje [F#7]eu"}},
        {"+2", Abaixo, {"Db  Ab7/C", "Hoje [D7]eu"}},
        {"0", Acima, cifra},
        {"-3", Acima, cifra},
        {"", Acima, cifra},
        {"abc", Acima, cifra},
        {"1.5", Acima, cifra},
        {"2x", Acima, cifra},
    };
    for (const Caso& c : casos) {
        EXPECT_EQ(TransporLinhas(cifra, c.semitons, c.sentido), c.esperado)
            << '"' << c.semitons << '"';
    }
}

TEST(TransporLinhas, QualquerQuantidadeAgeComoAMesmaDeUmADoze) {
    for (const std::string_view nota : NomesNotas) {
        const std::string cifra = std::string(nota) + "7/" + std::string(nota);
        for (int k = 0; k <= 40; ++k) {
            for (const auto sentido : {Acima, Abaixo}) {
                EXPECT_EQ(TransporLinhas(Linhas{cifra}, std::to_string(k), sentido)[0],
                          TransporCifra(cifra, k, sentido))
                    << cifra << " by " << k;
            }
        }
    }
    // Amounts far beyond int, and the largest int, finish at once with the same result.
    // 10^21 + 1 leaves 5 when divided by 12.
    EXPECT_EQ(TransporLinhas(Linhas{"Db"}, "1000000000000000000001", Acima)[0],
              TransporCifra("Db", 5, Acima));
    EXPECT_EQ(TransporLinhas(Linhas{"Db"}, "2147483647", Acima)[0], TransporCifra("Db", 7, Acima));
    EXPECT_EQ(LerSemitons("99999999999999999999999999"), LerSemitons("3"));
    EXPECT_EQ(LerSemitons("-99999999999999999999999999"), 0);
}

// Many different chords and words, more than the transposition remembers between lines.
TEST(TransporLinhas, MuitasCifrasDiferentes) {
    Linhas cifra, esperado;
    std::string linha, transposta;
    for (const std::string_view raiz : NomesNotas) {
        for (const std::string_view sufixo :
             {"", "m", "7", "m7", "7M", "dim", "sus4", "6", "9", "º"}) {
            for (const std::string_view baixo : {"", "/E", "/Bb", "/C#"}) {
                const std::string acorde =
                    std::string(raiz) + std::string(sufixo) + std::string(baixo);
                linha += acorde + " ";
                transposta += TransporCifra(acorde, 5, Abaixo) + " ";
                if (linha.size() > 200) {
                    cifra.push_back(linha);
                    esperado.push_back(transposta);
                    const std::string letra =
                        "palavra" + std::to_string(cifra.size()) + " [" + acorde + "]";
                    cifra.push_back(letra);
                    esperado.push_back(letra.substr(0, letra.find('[') + 1) +
                                       TransporCifra(acorde, 5, Abaixo) + "]");
                    linha.clear();
                    transposta.clear();
                }
            }
        }
    }
    ASSERT_EQ(cifra.size(), 40u);  // 680 chords: more than the table of known words holds
    EXPECT_EQ(TransporLinhas(cifra, "5", Abaixo), esperado);
    std::string texto, textoEsperado;
    for (std::size_t i = 0; i < cifra.size(); ++i) {
        texto += cifra[i] + "\n";
        textoEsperado += esperado[i] + "\n";
    }
    EXPECT_EQ(TransporTexto(texto, 5, Abaixo), textoEsperado);
}

TEST(TransporLinhas, CifraVaziaOuDeLinhasVazias) {
    EXPECT_TRUE(TransporLinhas(Linhas{}, "1", Acima).empty());
    EXPECT_TRUE(ColetarAcordes(Linhas{}).empty());
    EXPECT_EQ(TransporLinhas(Linhas{"", "", ""}, "1", Acima), (Linhas{"", "", ""}));
    EXPECT_TRUE(ColetarAcordes(Linhas{"", ""}).empty());
}

TEST(TransporTrecho, SubstituiARegiaoERetornaADiferenca) {
    struct Caso {
        std::string linha;
        std::size_t posicao, tamanho;
        int semitons;
        SentidoTransposicao sentido;
        int diferenca;
        std::string resultado;
    };
    const std::vector<Caso> casos = {
        {"C          G", 0, 1, 1, Acima, 1, "C#          G"},
        {"C#          G", 12, 1, 1, Acima, 1, "C#          G#"},
        {"Bb   F", 0, 2, 1, Acima, -1, "B   F"},
        {"ção [Dm7] é", 5, 3, 2, Abaixo, 0, "ção [Cm7] é"},
        {"日本 [E/G#]", 4, 4, 1, Acima, -1, "日本 [F/A]"},
        {"Fui e voltei", 0, 3, 1, Acima, 0, "Fui e voltei"},  // no chord
        {"[C G]", 1, 3, 1, Acima, 0, "[C G]"},                // no chord
        {"C", 0, 0, 1, Acima, 0, "C"},                        // empty region
        {"C G", 2, 5, 1, Acima, 0, "C G"},                    // runs past the end
        {"C G", 9, 1, 1, Acima, 0, "C G"},                    // starts past the end
        {"C G", 2, 1, 0, Acima, 0, "C G"},
    };
    for (Caso c : casos) {
        std::string linha = c.linha;
        EXPECT_EQ(TransporTrecho(linha, c.posicao, c.tamanho, c.semitons, c.sentido), c.diferenca)
            << c.linha;
        EXPECT_EQ(linha, c.resultado) << c.linha;
    }
}

TEST(TransporTexto, MantemOsFinaisDeLinha) {
    struct Caso {
        std::string texto, esperado;
    };
    const std::vector<Caso> casos = {
        {"", ""},
        {"\n", "\n"},
        {"C", "C#"},
        {"C\n", "C#\n"},
        {"C\r\nG\r\n", "C#\r\nG#\r\n"},
        {"C\r\nHoje [G]eu\nF", "C#\r\nHoje [G#]eu\nF#"},
        {"C\n\n\r\nG", "C#\n\n\r\nG#"},
        // A lone CR (old Mac files) ends a line as LF does, and stays.
        {"C\rG\n", "C#\rG#\n"},
        {"Tom: G\rC G Am F\r", "Tom: G#\rC# G# A#m F#\r"},
        {"Hoje eu vou\rC G\rF", "Hoje eu vou\rC# G#\rF#"},
        {"C\r\rG\n\rF", "C#\r\rG#\n\rF#"},
    };
    for (const Caso& c : casos) EXPECT_EQ(TransporTexto(c.texto, 1, Acima), c.esperado) << c.texto;
}

// A chart with every kind of line end, lyrics in several scripts, and lines far longer than
// the working copy whose chords stand before, across and after its limit.
std::string CifraComLinhasLongas() {
    std::string texto =
        "Tom: C\r\nC  G/B  Am\nHoje [Am]eu vou [F7M]cantar\r\n\nC\rG\nHoje eu\rC G\r\r\n";
    texto += Repetir("C G ", 200) + "\n";      // 800 characters of chords
    texto += Repetir("🎹", 497) + " Am G\r\n";  // chord cut by the limit
    texto += Repetir("🎹", 490) + " Am G C D E" + Repetir(" G", 30) + "\n";  // far in bytes
    texto += "Hoje [Am]" + Repetir("çã", 600) + " [G]fim\n";  // bracket beyond the limit
    texto += Repetir("C ", 2000) + "\r\n";                    // longer than any piece below
    texto += Repetir("x", 498) + " G" + Repetir(" ", 3000) + "\r";
    texto += "\nΣ' [F]αγαπώ [Bb7/D]";  // no final line end
    return texto;
}

TEST(TransposicaoContinua, EmPartesDeQualquerTamanhoEhOTextoInteiro) {
    const std::string texto = CifraComLinhasLongas();
    for (const int semitons : {0, 1, 14}) {
        const std::string inteiro = TransporTexto(texto, semitons, Abaixo);
        for (const std::size_t tamanho : {1u, 2u, 3u, 7u, 499u, 2000u, 4096u, 1u << 16}) {
            TransposicaoContinua t(semitons, Abaixo);
            std::string saida;
            for (std::size_t i = 0; i < texto.size(); i += tamanho)
                t.Acrescentar(std::string_view(texto).substr(i, tamanho), saida);
            t.Terminar(saida);
            EXPECT_EQ(saida, inteiro) << semitons << " semitones, pieces of " << tamanho;
        }
    }
    // A text cut after "C#" of "C#m" must not be written as the transposition of "C#".
    TransposicaoContinua t(1, Acima);
    std::string saida;
    t.Acrescentar("C#", saida);
    t.Acrescentar("m\nG", saida);
    t.Terminar(saida);
    EXPECT_EQ(saida, "Dm\nG#");
}

TEST(ColetaContinua, EmPartesDeQualquerTamanhoEhAColetaDasLinhas) {
    const std::string texto = CifraComLinhasLongas();
    const Linhas esperados = ColetarAcordes(DividirLinhas(texto));
    for (const std::size_t tamanho : {1u, 3u, 499u, 2000u, 1u << 16}) {
        ColetaContinua coleta;
        Linhas recebidos;
        const auto receber = [&](std::string_view c) { recebidos.emplace_back(c); };
        for (std::size_t i = 0; i < texto.size(); i += tamanho)
            coleta.Acrescentar(std::string_view(texto).substr(i, tamanho), receber);
        coleta.Terminar(receber);
        EXPECT_EQ(recebidos, esperados) << "pieces of " << tamanho;
    }
}

TEST(DividirLinhas, SemTerminadores) {
    EXPECT_EQ(DividirLinhas(""), Linhas{});
    EXPECT_EQ(DividirLinhas("\n"), Linhas{""});
    EXPECT_EQ(DividirLinhas("C G\r\nHoje eu\n\nvou"), (Linhas{"C G", "Hoje eu", "", "vou"}));
    EXPECT_EQ(DividirLinhas("a\r\n"), Linhas{"a"});
    EXPECT_EQ(DividirLinhas("Tom: G\rC G\r"), (Linhas{"Tom: G", "C G"}));
    EXPECT_EQ(DividirLinhas("a\r\rb\n\rc"), (Linhas{"a", "", "b", "", "c"}));
}

TEST(PalavraNeutra, Tabela) {
    const std::vector<std::pair<std::string, bool>> casos = {
        {"Tom:", true},    {"tone", true},   {"INTRO", true}, {"Ref.", true},   {"repeat", true},
        {"Repetir", true}, {"2x", true},     {"(6X)", true},  {"7x", false},    {"|", true},
        {"-", true},       {"...", true},    {"4/4", true},   {"любовь", true}, {"C", false},
        {"Am", false},     {"Refrão", true}, {"atom", true},  {"Tomé", true},   {"letra", false},
        {"çãotom", true},  {"", true},
    };
    for (const auto& [palavra, neutra] : casos)
        EXPECT_EQ(PalavraNeutra(palavra), neutra) << palavra;
}

// What the chart window's buttons send: the buildable chords, with or without the print list's
// repeats.
Linhas Acordes(const Linhas& candidatos, bool repetir) {
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    Linhas acordes = AcordesParaImpressao(
        candidatos, [&gerador](std::string_view c) { return gerador.PodeGerar(c); });
    return repetir ? acordes : PrimeirasOcorrencias(acordes);
}

TEST(AcordesParaImpressao, SoOQueSeConstroiComOuSemRepeticao) {
    const Linhas candidatos = {"Intro:",           "Am",  "Cm9", "H7",  "",  "C G", "CM9", "Am",
                               "C7(9)(11)(13)/G#", "Cb5", "F7M", "cm9", "am"};
    EXPECT_EQ(Acordes(candidatos, true), (Linhas{"Am", "Cm9", "CM9", "Am", "F7M"}));
    // Cm9 and CM9 are different chords, but the print list compares its lines without
    // regard to letter case.
    EXPECT_EQ(Acordes(candidatos, false), (Linhas{"Am", "Cm9", "F7M"}));
}

TEST(AcordesParaImpressao, SelecaoUmAUmEscolheOMesmo) {
    const Linhas candidatos = {"Am", "Cm9", "H7", "CM9", "Am", "cm9", "Cb5", "F7M", "am"};
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    const auto construivel = [&gerador](std::string_view c) { return gerador.PodeGerar(c); };
    for (const bool repeticao : {true, false}) {
        SelecaoAcordesImpressao selecao(construivel);
        FiltroPrimeirasOcorrencias primeiras;
        Linhas aceitos;
        for (const auto& c : candidatos)
            if (selecao.Aceitar(c) && (repeticao || primeiras.Primeira(c))) aceitos.push_back(c);
        EXPECT_EQ(aceitos, Acordes(candidatos, repeticao));
    }
}

TEST(AcordesParaImpressao, UmaCifraRepetidaGeraUmaEntradaPorOcorrencia) {
    const Linhas cifra = {"Am  F", "Hoje [Am]eu [Am]vou", "Tom: G"};
    EXPECT_EQ(Acordes(ColetarAcordes(cifra), true), (Linhas{"Am", "F", "Am", "Am", "G"}));
    EXPECT_EQ(Acordes(ColetarAcordes(cifra), false), (Linhas{"Am", "F", "G"}));
}

}  // namespace
