// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The engine's own view of a line, shared by its four parts and by nobody else: words and
// bracket contents found in bytes without allocating, what each word is, and a memory of the
// words a chart repeats.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "AnaliseCifra.h"
#include "ChordPro.h"
#include "Cifra.h"
#include "Texto.h"
#include "Utf8.h"

namespace cifra_interno {

// The six characters that end a word: space, "[", "]", line feed, carriage return, tab.
inline constexpr std::array<bool, 256> kSeparadores = [] {
    std::array<bool, 256> t{};
    for (const unsigned char c : {' ', '[', ']', '\n', '\r', '\t'}) t[c] = true;
    return t;
}();

constexpr bool Separador(char c) { return kSeparadores[static_cast<unsigned char>(c)]; }

constexpr bool LetraAscii(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Byte length of the first `caracteres` characters of `s`; cheap when the text is short.
inline std::size_t BytesDosPrimeiros(std::string_view s, std::size_t caracteres) {
    return s.size() <= caracteres ? s.size() : utf8::OffsetDoCaractere(s, caracteres);
}

// The amount of steps with the same effect as `semitons`: one step up or down always names
// the note with a natural or a sharp (or a flat, down), and from there twelve steps come back
// to the same name, so any amount above 12 acts like one from 1 to 12. Keeps huge amounts
// from looping for ages.
constexpr int ReduzirSemitons(int semitons) {
    if (semitons <= 0) return 0;
    return (semitons - 1) % 12 + 1;
}

// What a word or bracket content is.
enum class Tipo : std::uint8_t { Cifra, Neutra, Letra };

// What a word is, and for a chord in a group ("(D6", "D6/A)") the parenthesis bytes around it
// that are not part of the symbol.
struct Classe {
    Tipo tipo;
    std::uint8_t antes = 0;
    std::uint8_t depois = 0;
};

// The parentheses at the edges of a word that are left over from a group of chords written
// "(D6 D6/A)": an opening one with no closing partner in the word, a closing one with no opening
// partner, or both around a word. A symbol's own balanced parentheses ("C7(9)") stay.
inline Classe BordasDeGrupo(std::string_view palavra) {
    if (palavra.size() < 2) return {Tipo::Letra};
    std::size_t abertos = 0, fechados = 0;
    for (const char c : palavra) {
        abertos += c == '(';
        fechados += c == ')';
    }
    const bool antes = palavra.front() == '(';
    const bool depois = palavra.back() == ')';
    if (antes && depois && abertos == fechados) return {Tipo::Cifra, 1, 1};
    return {Tipo::Cifra, static_cast<std::uint8_t>(antes && abertos > fechados),
            static_cast<std::uint8_t>(depois && fechados > abertos)};
}

// A neutral word is never a chord symbol (no marker word can be spelled with the parser's
// tokens, and a symbol starts with a letter), so trying the parser first decides the same
// as testing neutrality first, and is quicker on lyrics.
inline Classe Classificar(std::string_view palavra) {
    CifraCodificada c;
    if (const Classe g = BordasDeGrupo(palavra); g.antes != 0 || g.depois != 0) {
        if (TentarAnalisarCifra(palavra.substr(g.antes, palavra.size() - g.antes - g.depois), c))
            return g;
    }
    if (TentarAnalisarCifra(palavra, c)) return {Tipo::Cifra};
    return {PalavraNeutra(palavra) ? Tipo::Neutra : Tipo::Letra};
}

// One candidate of a line, in bytes of that line: a word of a chord line, whose type is
// known, or a bracket content of a text line.
struct TrechoBytes {
    std::uint16_t inicio;
    std::uint16_t tamanho;
    bool palavra;
    Tipo tipo;
};

// The working copy spans at most 499 characters of at most 4 bytes, so offsets fit 16 bits,
// and words and brackets each take two bytes at least (with their separator), so there are
// never more than this many candidates.
inline constexpr std::size_t kMaximoCandidatos = TamanhoCopiaTrabalho / 2 + 1;
static_assert(TamanhoCopiaTrabalho * 4 < 65536);

// The candidates of one line, found without allocating.
struct AnaliseLinha {
    bool texto = false;
    std::size_t quantidade = 0;
    std::array<TrechoBytes, kMaximoCandidatos> trechos;

    void Acrescentar(std::size_t inicio, std::size_t tamanho, bool palavra, Tipo tipo) {
        trechos[quantidade++] = {static_cast<std::uint16_t>(inicio),
                                 static_cast<std::uint16_t>(tamanho), palavra, tipo};
    }
};

// A ChordPro directive line holds neither chords nor lyrics, except the key of "{key: X}",
// which moves with the song; a "#" line is a comment. True for such a line, with `a` holding
// the key's chord, if any.
inline bool DiretivaOuComentario(std::string_view linha, AnaliseLinha& a, std::size_t fim) {
    const std::size_t primeiro = linha.find_first_not_of(" \t");
    if (primeiro == std::string_view::npos || (linha[primeiro] != '{' && linha[primeiro] != '#'))
        return false;
    std::size_t inicio = 0;
    std::size_t tamanho = 0;
    if (chordpro::ChaveDoTom(linha, inicio, tamanho)) {
        if (inicio + tamanho <= fim) a.Acrescentar(inicio, tamanho, true, Tipo::Cifra);
        return true;
    }
    return chordpro::Comentario(linha) || chordpro::LerDiretiva(linha).has_value();
}

// `classificar(palavra)` gives the Tipo of a word.
template <class Classificador>
void Analisar(std::string_view linha, AnaliseLinha& a, Classificador&& classificar) {
    a.texto = false;
    a.quantidade = 0;
    const std::size_t fim = BytesDosPrimeiros(linha, TamanhoCopiaTrabalho);
    if (DiretivaOuComentario(linha, a, fim)) return;
    // A word that runs on past the working copy is seen only in part. Its visible part still
    // counts for telling lyrics from chords, but it is never a candidate: collecting or
    // rewriting a piece of a word (the "Am" of "Amor", the "C/" of "C/E") would be wrong.
    const bool cortada = fim < linha.size() && !Separador(linha[fim]);

    std::size_t i = 0;
    while (i < fim) {
        while (i < fim && Separador(linha[i])) ++i;
        if (i == fim) break;
        const std::size_t inicio = i;
        while (i < fim && !Separador(linha[i])) ++i;
        const Classe k = classificar(linha.substr(inicio, i - inicio));
        if (k.tipo == Tipo::Letra) {
            a.texto = true;
            break;
        }
        if (!(cortada && i == fim))
            a.Acrescentar(inicio + k.antes, i - inicio - k.antes - k.depois, true, k.tipo);
    }
    if (!a.texto) return;

    // Brackets of a text line. A "[" opens (or moves) the start; a "]" closes the open
    // bracket. A "]" with no open bracket is ignored: "[Am]eu]" gives Am alone, where
    // reading again from the old "[" would offer "Am]eu" and, when transposing, a region
    // shifted away from the text it came from.
    a.quantidade = 0;
    bool aberto = false;
    std::size_t inicio = 0;
    for (std::size_t j = 0; j < fim; ++j) {
        if (linha[j] == '[') {
            aberto = true;
            inicio = j + 1;
        } else if (linha[j] == ']' && aberto) {
            aberto = false;
            const std::string_view conteudo = linha.substr(inicio, j - inicio);
            if (conteudo.size() <= LimiteCaracteresTrecho ||
                utf8::ContarCaracteres(conteudo) <= LimiteCaracteresTrecho) {
                a.Acrescentar(inicio, j - inicio, false, Tipo::Letra);
            }
        }
    }
}

inline void Analisar(std::string_view linha, AnaliseLinha& a) { Analisar(linha, a, Classificar); }

// Remembers, over one chart, what each short word is and what it becomes when transposed.
// A chart repeats a few chords and words over and over, and a look-up here costs a fraction
// of parsing. Keys are the words' bytes themselves, so the lines may be gone (a chart read in
// pieces); the table is fixed in size and simply stops learning when half full.
class MemoriaPalavras {
  public:
    struct Consulta {
        Classe classe;
        std::string_view transposta;  // the chord transposed (when transposing)
    };

    MemoriaPalavras(std::size_t linhas, int semitons, SentidoTransposicao sentido,
                    GrafiaNotas grafia = GrafiaNotas::Tabelas)
        : semitons_(semitons), sentido_(sentido), grafia_(grafia) {
        std::size_t capacidade = 64;
        while (capacidade < linhas * 2 && capacidade < kCapacidadeMaxima) capacidade *= 2;
        tabela_.resize(capacidade);
    }

    // The chart's sections, line after line (a ChordPro tab section is left alone).
    chordpro::Secoes secoes;

    Consulta Consultar(std::string_view palavra) {
        if (palavra.size() > kTamanhoChave) return Calcular(palavra);
        std::uint64_t a, b;
        Chave(palavra, a, b);
        const auto n = static_cast<std::uint8_t>(palavra.size());
        std::uint64_t h = (a ^ (b * 0x9E3779B97F4A7C15ull) ^ n) * 0xC2B2AE3D27D4EB4Full;
        h ^= h >> 32;
        const std::size_t mascara = tabela_.size() - 1;
        for (std::size_t i = h & mascara;; i = (i + 1) & mascara) {
            Entrada& e = tabela_[i];
            if (e.ocupada) {
                if (e.a == a && e.b == b && e.tamanho == n) {
                    return {e.classe, {e.transposta, e.tamanhoTransposta}};
                }
                continue;
            }
            const Consulta c = Calcular(palavra);
            if (ocupadas_ * 2 < tabela_.size() && c.transposta.size() <= sizeof e.transposta) {
                e = {a, b, n, true, c.classe, static_cast<std::uint8_t>(c.transposta.size()), {}};
                c.transposta.copy(e.transposta, c.transposta.size());
                ++ocupadas_;
            }
            return c;
        }
    }

    // A candidate's bytes are replaced whole, so one that still has group edges of its own
    // (the "G)" left of "G))", a bracket's "(D6") moves only as the symbol it is as it stands;
    // stripping its edges again would drop them from the line.
    Consulta ConsultarTrecho(std::string_view trecho) {
        const Consulta c = Consultar(trecho);
        if (c.classe.antes == 0 && c.classe.depois == 0) return c;
        CifraCodificada cifra;
        if (!TentarAnalisarCifra(trecho, cifra)) return {{Tipo::Letra}, {}};
        if (semitons_ == 0) return {{Tipo::Cifra}, {}};
        transposta_ = TransporCifra(trecho, semitons_, sentido_, grafia_);
        return {{Tipo::Cifra}, transposta_};
    }

  private:
    static constexpr std::size_t kTamanhoChave = 16;

    template <class T>
    static std::uint64_t Ler(const char* p) {
        T v;
        std::memcpy(&v, p, sizeof v);
        return v;
    }

    // A word of up to 16 bytes as two numbers, read with whole loads that may overlap:
    // together with the length they tell every such word apart.
    static void Chave(std::string_view p, std::uint64_t& a, std::uint64_t& b) {
        const std::size_t n = p.size();
        const char* d = p.data();
        if (n >= 8) {
            a = Ler<std::uint64_t>(d);
            b = n > 8 ? Ler<std::uint64_t>(d + n - 8) : 0;
        } else if (n >= 4) {
            a = Ler<std::uint32_t>(d) | (Ler<std::uint32_t>(d + n - 4) << 32);
            b = 0;
        } else if (n > 0) {
            a = Ler<std::uint8_t>(d) | (Ler<std::uint8_t>(d + n / 2) << 8) |
                (Ler<std::uint8_t>(d + n - 1) << 16);
            b = 0;
        } else {
            a = b = 0;
        }
    }
    static constexpr std::size_t kCapacidadeMaxima = 8192;

    struct Entrada {
        std::uint64_t a, b;  // the word's key
        std::uint8_t tamanho;
        bool ocupada;
        Classe classe;
        std::uint8_t tamanhoTransposta;
        char transposta[kTamanhoChave + 4];  // a root and a bass may each gain a "#"
    };

    Consulta Calcular(std::string_view palavra) {
        const Classe classe = Classificar(palavra);
        if (classe.tipo != Tipo::Cifra || semitons_ == 0) return {classe, {}};
        transposta_ = TransporCifra(
            palavra.substr(classe.antes, palavra.size() - classe.antes - classe.depois), semitons_,
            sentido_, grafia_);
        return {classe, transposta_};
    }

    int semitons_;
    SentidoTransposicao sentido_;
    GrafiaNotas grafia_;
    std::vector<Entrada> tabela_;
    std::size_t ocupadas_ = 0;
    std::string transposta_;
};

inline void Analisar(std::string_view linha, AnaliseLinha& a, MemoriaPalavras& memoria) {
    // A ChordPro tab section is left alone, with its opening and closing lines.
    if (memoria.secoes.Ignorar(linha)) {
        a.texto = false;
        a.quantidade = 0;
        return;
    }
    Analisar(linha, a, [&](std::string_view p) { return memoria.Consultar(p).classe; });
}

// The word that keeps a line that looks like a chord line as lyrics: on a text line, at least
// two words outside brackets are chords and they are at least half of the words outside
// brackets that are not neutral. The first word that is neither a chord nor neutral; nothing
// for any other line.
template <class Classificador>
std::optional<std::string_view> PalavraQueRetem(std::string_view linha,
                                                Classificador&& classificar) {
    const std::size_t fim = BytesDosPrimeiros(linha, TamanhoCopiaTrabalho);
    std::size_t cifras = 0;
    std::size_t letras = 0;
    std::optional<std::string_view> primeira;
    bool dentro = false;
    std::size_t i = 0;
    while (i < fim) {
        if (Separador(linha[i])) {
            if (linha[i] == '[') dentro = true;
            if (linha[i] == ']') dentro = false;
            ++i;
            continue;
        }
        const std::size_t inicio = i;
        while (i < fim && !Separador(linha[i])) ++i;
        const std::string_view palavra = linha.substr(inicio, i - inicio);
        const Tipo tipo = classificar(palavra).tipo;
        if (tipo == Tipo::Letra && !primeira) primeira = palavra;
        if (dentro) continue;
        cifras += tipo == Tipo::Cifra;
        letras += tipo == Tipo::Letra;
    }
    if (!primeira || cifras < 2 || cifras < letras) return std::nullopt;
    return primeira;
}

}  // namespace cifra_interno
