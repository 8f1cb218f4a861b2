// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cifra.h"

#include <array>
#include <bit>
#include <cstring>
#include <vector>

#include "Utf8.h"

namespace {

constexpr std::uint32_t Bit(int semitons) { return 1u << (16 - semitons); }

struct Token {
    std::string_view texto;
    std::uint32_t adiciona;
    std::uint32_t remove;
    bool separador;
};

constexpr std::uint32_t kDim = Bit(3) | Bit(6);
constexpr std::uint32_t kSemTercaQuinta = Bit(4) | Bit(7);

// Suffix tokens in the order they are tried: every longer token stands before the shorter
// one it begins with. Effects of one token touch disjoint intervals, so order within is free.
constexpr Token kTokens[] = {
    {"b9", Bit(1), 0, false},
    {"9b", Bit(1), 0, false},
    {"-9", Bit(1), 0, false},
    {"9-", Bit(1), 0, false},
    {"#9", Bit(3), 0, false},
    {"9#", Bit(3), 0, false},
    {"M9", Bit(3), 0, false},
    {"9M", Bit(3), 0, false},
    {"9", Bit(2), 0, false},
    {"add9", Bit(2), 0, false},
    {"2", Bit(2), 0, false},
    {"sus9", Bit(2), Bit(4), false},
    {"sus2", Bit(2), Bit(4), false},
    {"11#", Bit(6), 0, false},
    {"#11", Bit(6), 0, false},
    {"11+", Bit(6), 0, false},
    {"+11", Bit(6), 0, false},
    {"4", Bit(5), 0, false},
    {"11", Bit(5), 0, false},
    {"add4", Bit(5), 0, false},
    {"sus4", Bit(5), Bit(4), false},
    {"sus", Bit(5), Bit(4), false},
    {"+5", Bit(8), Bit(7), false},
    {"5+", Bit(8), Bit(7), false},
    {"5#", Bit(8), Bit(7), false},
    {"#5", Bit(8), Bit(7), false},
    {"aug5", Bit(8), Bit(7), false},
    {"5aug", Bit(8), Bit(7), false},
    {"aug", Bit(8), Bit(7), false},
    {"b5", Bit(6), Bit(7), false},
    {"5b", Bit(6), Bit(7), false},
    {"-5", Bit(6), Bit(7), false},
    {"5-", Bit(6), Bit(7), false},
    {"omitt5", 0, Bit(7), false},
    {"5", 0, Bit(4), false},
    {"13b", Bit(8), Bit(7), false},
    {"b13", Bit(8), Bit(7), false},
    {"13-", Bit(8), Bit(7), false},
    {"-13", Bit(8), Bit(7), false},
    {"13", Bit(9), 0, false},
    {"6", Bit(9), 0, false},
    {"7M", Bit(11), 0, false},
    {"M7", Bit(11), 0, false},
    {"7+", Bit(11), 0, false},
    {"+7", Bit(11), 0, false},
    {"7#", Bit(11), 0, false},
    {"#7", Bit(11), 0, false},
    {"7maj", Bit(11), 0, false},
    {"maj7", Bit(11), 0, false},
    {"7", Bit(10), 0, false},
    {"dom7", Bit(10), 0, false},
    {"dim7", Bit(9) | kDim, kSemTercaQuinta, false},
    {"dim", kDim, kSemTercaQuinta, false},
    {"o", kDim, kSemTercaQuinta, false},
    {"\u00BA", kDim, kSemTercaQuinta, false},  // º
    {"\u00B0", kDim, kSemTercaQuinta, false},  // °
    {"half-dim", kDim | Bit(10), kSemTercaQuinta, false},
    {"\u00F8", kDim | Bit(10), kSemTercaQuinta, false},  // ø
    {"(", 0, 0, true},
    {")", 0, 0, true},
    {".", 0, 0, true},
    {",", 0, 0, true},
    {"|", 0, 0, true},
    {"/", 0, 0, true},
};
constexpr std::size_t kQuantidadeTokens = sizeof(kTokens) / sizeof(kTokens[0]);

// "7#" is the major seventh, except before 5, 9 or 11, where musicians mean the seventh and an
// raised fifth, ninth or eleventh (E7#9 is E7(#9)): there only its "7" is read.
constexpr std::size_t IndiceToken(std::string_view texto) {
    for (std::size_t t = 0; t < sizeof(kTokens) / sizeof(kTokens[0]); ++t)
        if (kTokens[t].texto == texto) return t;
    return sizeof(kTokens) / sizeof(kTokens[0]);
}
constexpr std::size_t kToken7Sustenido = IndiceToken("7#");
constexpr std::size_t kToken7 = IndiceToken("7");
static_assert(kToken7Sustenido < kQuantidadeTokens && kToken7 < kQuantidadeTokens);
constexpr bool SeteSustenidoEhSetima(std::string_view depois) {
    return depois.starts_with('5') || depois.starts_with('9') || depois.starts_with("11");
}

// Spellings musicians write that the token table above does not read. They are tried only for
// a symbol the table cannot read, so whatever it reads keeps its meaning. `soNoFim`: only at the
// end of the symbol or before a separator ("CM", "Gmaj/B", "C+").
struct TokenExtra {
    std::string_view texto;
    std::uint32_t adiciona;
    std::uint32_t remove;
    bool soNoFim;
};
// Tried before the table: "9+" is the augmented ninth, not a ninth and then a "+".
constexpr TokenExtra kExtrasAntes[] = {{"9+", Bit(3), 0, false}};
// Tried after the table; a longer token before the shorter one it begins with.
constexpr TokenExtra kExtrasDepois[] = {
    {"+9", Bit(3), 0, false},
    {"Maj7", Bit(11), 0, false},
    {"MAJ7", Bit(11), 0, false},
    {"ma7", Bit(11), 0, false},
    {"maj9", Bit(11) | Bit(2), 0, false},
    {"\u0394"
     "7",
     Bit(11), 0, false},            // Δ7
    {"\u0394", Bit(11), 0, false},  // Δ
    {"\u25B3"
     "7",
     Bit(11), 0, false},            // △7
    {"\u25B3", Bit(11), 0, false},  // △
    {"major", 0, 0, true},
    {"maj", 0, 0, true},
    {"Maj", 0, 0, true},
    {"MAJ", 0, 0, true},
    {"M", 0, 0, true},
    {"+", Bit(8), Bit(7), true},
};

// For each first byte, the tokens starting with it, in trial order: the first match among
// them is the first match of the whole table.
struct IndicePorByte {
    std::array<std::uint8_t, 256> inicio{};
    std::array<std::uint8_t, 256> quantidade{};
    std::array<std::uint8_t, kQuantidadeTokens> tokens{};

    constexpr IndicePorByte() {
        std::size_t n = 0;
        for (int b = 0; b < 256; ++b) {
            inicio[static_cast<std::size_t>(b)] = static_cast<std::uint8_t>(n);
            for (std::size_t t = 0; t < kQuantidadeTokens; ++t) {
                if (static_cast<unsigned char>(kTokens[t].texto[0]) == b) {
                    tokens[n++] = static_cast<std::uint8_t>(t);
                }
            }
            quantidade[static_cast<std::size_t>(b)] =
                static_cast<std::uint8_t>(n - inicio[static_cast<std::size_t>(b)]);
        }
    }
};
constexpr IndicePorByte kIndice{};

// Byte length of the root text of `cifra` (first character, plus "#" or "b" after it).
std::size_t TamanhoRaiz(std::string_view cifra) {
    if (cifra.empty()) return 0;
    const std::size_t primeiro =
        static_cast<unsigned char>(cifra[0]) < 0x80 ? 1 : utf8::TamanhoCaractere(cifra, 0);
    if (primeiro < cifra.size() && (cifra[primeiro] == '#' || cifra[primeiro] == 'b')) {
        return primeiro + 1;
    }
    return primeiro;
}

// NomeNotaDoTexto for the text of `tamanho` bytes a, b, inline: the parser looks up every root
// and bass.
constexpr NomeNota kNatural[7] = {13, 16, 0, 3, 6, 7, 10};     // A B C D E F G
constexpr NomeNota kSustenido[7] = {14, -1, 1, 4, -1, 8, 11};  // A# (B#) C# D# (E#) F# G#
constexpr NomeNota kBemol[7] = {12, 15, -1, 2, 5, -1, 9};      // Ab Bb (Cb) Db Eb (Fb) Gb
inline NomeNota NotaDosBytes(unsigned a, unsigned b, std::size_t tamanho) {
    const unsigned letra = a - 'A';
    if (tamanho == 0 || tamanho > 2 || letra > 'G' - 'A') return -1;
    if (tamanho == 1) return kNatural[letra];
    return b == '#' ? kSustenido[letra] : b == 'b' ? kBemol[letra] : -1;
}
inline NomeNota NotaCurta(const char* t, std::size_t tamanho) {
    if (tamanho == 0) return -1;
    return NotaDosBytes(static_cast<unsigned char>(t[0]),
                        tamanho > 1 ? static_cast<unsigned char>(t[1]) : 0, tamanho);
}

// Up to eight bytes of a token as one number (byte i in bits 8i..8i+7), with the mask of its
// length: a token matches at a place when the eight bytes there, masked, equal its number.
// Tokens hold no zero byte, so one that runs past the end of the symbol (zeros) never matches.
constexpr std::size_t kBytesPalavra = 8;
struct Palavra {
    std::uint64_t valor = 0;
    std::uint64_t mascara = 0;
};
constexpr Palavra PalavraDe(std::string_view texto) {
    Palavra p;
    for (std::size_t i = 0; i < texto.size() && i < kBytesPalavra; ++i) {
        const unsigned desloca = static_cast<unsigned>(8 * i);
        p.valor |= std::uint64_t{static_cast<unsigned char>(texto[i])} << desloca;
        p.mascara |= std::uint64_t{0xFF} << desloca;
    }
    return p;
}
struct Palavras {
    std::array<Palavra, kQuantidadeTokens> tokens{};
    constexpr Palavras() {
        for (std::size_t t = 0; t < kQuantidadeTokens; ++t) tokens[t] = PalavraDe(kTokens[t].texto);
    }
};
constexpr Palavras kPalavras{};
constexpr bool TokensCabemEmPalavras() {
    for (const Token& t : kTokens)
        if (t.texto.size() > kBytesPalavra) return false;
    return true;
}
static_assert(TokensCabemEmPalavras());
constexpr Palavra kMaj = PalavraDe("maj");
constexpr Palavra kMin = PalavraDe("min");

// For each first two bytes, the tokens that may start with them, in trial order: those whose
// first byte is the first and whose second (if any) is the second. Bytes that begin no token
// and stand second in none share class 0.
struct IndicePorPar {
    static constexpr std::size_t kMaxClasses = 48;
    std::array<std::uint8_t, 256> classe{};
    std::size_t classes = 1;
    std::array<std::uint16_t, kMaxClasses * kMaxClasses> inicio{};
    std::array<std::uint8_t, kMaxClasses * kMaxClasses> quantidade{};
    std::array<std::uint8_t, 1024> tokens{};

    constexpr IndicePorPar() {
        for (const Token& t : kTokens) {
            for (std::size_t i = 0; i < 2 && i < t.texto.size(); ++i) {
                const auto b = static_cast<unsigned char>(t.texto[i]);
                if (classe[b] == 0) classe[b] = static_cast<std::uint8_t>(classes++);
            }
        }
        std::size_t n = 0;
        for (int b0 = 0; b0 < 256; ++b0) {
            const std::size_t c0 = classe[static_cast<std::size_t>(b0)];
            if (c0 == 0) continue;
            for (std::size_t c1 = 0; c1 < classes; ++c1) {
                const std::size_t par = c0 * kMaxClasses + c1;
                inicio[par] = static_cast<std::uint16_t>(n);
                for (std::size_t t = 0; t < kQuantidadeTokens; ++t) {
                    const std::string_view texto = kTokens[t].texto;
                    if (static_cast<unsigned char>(texto[0]) != b0) continue;
                    if (texto.size() > 1 && classe[static_cast<unsigned char>(texto[1])] != c1)
                        continue;
                    tokens[n++] = static_cast<std::uint8_t>(t);
                }
                quantidade[par] = static_cast<std::uint8_t>(n - inicio[par]);
            }
        }
    }
};
constexpr IndicePorPar kIndicePar{};
static_assert(kIndicePar.classes <= IndicePorPar::kMaxClasses);

enum class Resultado { Ok, RaizInvalida, FormatoInvalido };

// A symbol of up to 16 bytes as one number, byte i in bits 8i..8i+7, zeros after its end; read
// without a byte past it and without a copy through memory.
__extension__ typedef unsigned __int128 Bytes16;
constexpr std::size_t kCurto = 16;

template <class T>
T Ler(const char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

Bytes16 CarregarCurto(const char* d, std::size_t n) {
    if constexpr (std::endian::native == std::endian::little) {
        if (n >= 8) {
            const std::uint64_t baixo = Ler<std::uint64_t>(d);
            const std::uint64_t alto = n > 8 ? Ler<std::uint64_t>(d + n - 8) >> (8 * (16 - n)) : 0;
            return (Bytes16{alto} << 64) | baixo;
        }
        if (n >= 4) {
            // Two overlapping reads: the bytes they share are the same.
            return Ler<std::uint32_t>(d) |
                   (std::uint64_t{Ler<std::uint32_t>(d + n - 4)} << (8 * (n - 4)));
        }
        if (n == 0) return 0;
        const auto b = [d](std::size_t i) {
            return std::uint64_t{static_cast<unsigned char>(d[i])} << (8 * i);
        };
        return b(0) | b(n / 2) | b(n - 1);
    } else {
        Bytes16 v = 0;
        for (std::size_t i = 0; i < n; ++i)
            v |= Bytes16{static_cast<unsigned char>(d[i])} << (8 * i);
        return v;
    }
}

// Analisar for a symbol of 1..16 bytes, all of it in registers.
Resultado AnalisarCurta(std::string_view s, CifraCodificada& out) {
    const std::size_t n = s.size();
    const Bytes16 bytes = CarregarCurto(s.data(), n);
    const auto palavra = [&bytes](std::size_t p) {
        return static_cast<std::uint64_t>(bytes >> (8 * p));
    };
    const std::uint64_t inicio = palavra(0);
    // A root that is not a note name is never valid, whatever its length.
    const unsigned segundo = (inicio >> 8) & 0xFF;
    const std::size_t tamanhoRaiz = segundo == '#' || segundo == 'b' ? 2 : 1;
    const NomeNota raiz = NotaDosBytes(inicio & 0xFF, segundo, tamanhoRaiz);
    if (raiz < 0) return Resultado::RaizInvalida;

    std::uint32_t valor = (static_cast<std::uint32_t>(raiz) << 16) | Bit(4) | Bit(7);
    std::size_t p = tamanhoRaiz;
    if (p < n) {
        const std::uint64_t w = palavra(p);
        if ((w & kMaj.mascara) != kMaj.valor) {  // "major" begins with "maj" too
            if ((w & kMin.mascara) == kMin.valor) {
                p += 3;
                valor = (valor & ~Bit(4)) | Bit(3);
            } else if ((w & 0xFF) == 'm') {
                p += 1;
                valor = (valor & ~Bit(4)) | Bit(3);
            }
        }
    }
    while (p < n) {
        const std::uint64_t w = palavra(p);
        const std::size_t par = kIndicePar.classe[w & 0xFF] * IndicePorPar::kMaxClasses +
                                kIndicePar.classe[(w >> 8) & 0xFF];
        std::size_t achado = kQuantidadeTokens;
        const std::size_t fim = kIndicePar.inicio[par] + kIndicePar.quantidade[par];
        for (std::size_t i = kIndicePar.inicio[par]; i < fim; ++i) {
            const Palavra& t = kPalavras.tokens[kIndicePar.tokens[i]];
            if ((w & t.mascara) == t.valor) {
                achado = kIndicePar.tokens[i];
                break;
            }
        }
        if (achado == kQuantidadeTokens) return Resultado::FormatoInvalido;
        if (achado == kToken7Sustenido) {
            const auto depois = static_cast<std::uint16_t>(w >> 16);
            if ((depois & 0xFF) == '5' || (depois & 0xFF) == '9' || depois == ('1' | '1' << 8))
                achado = kToken7;
        }
        const Token& token = kTokens[achado];
        p += token.texto.size();
        if (token.separador) {
            const std::size_t resto = n - p;
            if (resto == 1 || resto == 2) {
                const std::uint64_t depois = palavra(p);
                const NomeNota baixo = NotaDosBytes(depois & 0xFF, (depois >> 8) & 0xFF, resto);
                if (baixo >= 0) {
                    valor |= static_cast<std::uint32_t>(baixo + 1);
                    break;
                }
            }
        } else {
            valor = (valor & ~token.remove) | token.adiciona;
        }
    }
    out = valor;
    return Resultado::Ok;
}

Resultado AnalisarTabela(std::string_view s, CifraCodificada& out) {
    if (!s.empty() && s.size() <= kCurto) return AnalisarCurta(s, out);
    const std::size_t tamanhoRaiz = TamanhoRaiz(s);
    const NomeNota raiz = NotaCurta(s.data(), tamanhoRaiz);
    if (raiz < 0) return Resultado::RaizInvalida;

    std::uint32_t valor = (static_cast<std::uint32_t>(raiz) << 16) | Bit(4) | Bit(7);
    const std::size_t n = s.size();
    std::size_t p = tamanhoRaiz;
    if (p < n) {
        const std::string_view resto = s.substr(p);
        if (!resto.starts_with("maj")) {  // "major" begins with "maj" too
            if (resto.starts_with("min")) {
                p += 3;
                valor = (valor & ~Bit(4)) | Bit(3);
            } else if (resto[0] == 'm') {
                p += 1;
                valor = (valor & ~Bit(4)) | Bit(3);
            }
        }
    }
    while (p < n) {
        const auto b = static_cast<unsigned char>(s[p]);
        const std::string_view resto = s.substr(p);
        const Token* achado = nullptr;
        const std::size_t fim = kIndice.inicio[b] + kIndice.quantidade[b];
        for (std::size_t i = kIndice.inicio[b]; i < fim; ++i) {
            const Token& t = kTokens[kIndice.tokens[i]];
            if (resto.starts_with(t.texto)) {
                achado = &t;
                break;
            }
        }
        if (achado == nullptr) return Resultado::FormatoInvalido;
        if (achado == &kTokens[kToken7Sustenido] && SeteSustenidoEhSetima(resto.substr(2)))
            achado = &kTokens[kToken7];
        p += achado->texto.size();
        if (achado->separador) {
            const std::string_view depois = s.substr(p);
            const NomeNota baixo = NotaCurta(depois.data(), depois.size());
            if (baixo >= 0) {
                valor |= static_cast<std::uint32_t>(baixo + 1);
                break;
            }
        } else {
            valor = (valor & ~achado->remove) | achado->adiciona;
        }
    }
    out = valor;
    return Resultado::Ok;
}

// One suffix token: its length in bytes (0 when none is read) and its effect.
struct TokenLido {
    std::size_t tamanho = 0;
    std::uint32_t adiciona = 0;
    std::uint32_t remove = 0;
    bool separador = false;
};

constexpr bool SeparadorEm(std::string_view s, std::size_t p) {
    return p == s.size() || std::string_view("().,|/").find(s[p]) != std::string_view::npos;
}

template <std::size_t N>
bool LerExtra(std::string_view s, std::size_t p, const TokenExtra (&extras)[N], TokenLido& lido) {
    const std::string_view resto = s.substr(p);
    for (const TokenExtra& t : extras) {
        if (!resto.starts_with(t.texto)) continue;
        if (t.soNoFim && !SeparadorEm(s, p + t.texto.size())) continue;
        lido = {t.texto.size(), t.adiciona, t.remove, false};
        return true;
    }
    return false;
}

// The token at `p` of a symbol the table alone cannot read: the extras tried before the table,
// the table (with the "7#" rule), then the other extras.
TokenLido TokenEstendido(std::string_view s, std::size_t p) {
    TokenLido lido;
    if (LerExtra(s, p, kExtrasAntes, lido)) return lido;
    const std::string_view resto = s.substr(p);
    const auto b = static_cast<unsigned char>(resto[0]);
    const std::size_t fim = kIndice.inicio[b] + kIndice.quantidade[b];
    for (std::size_t i = kIndice.inicio[b]; i < fim; ++i) {
        std::size_t t = kIndice.tokens[i];
        if (!resto.starts_with(kTokens[t].texto)) continue;
        if (t == kToken7Sustenido && SeteSustenidoEhSetima(resto.substr(2))) t = kToken7;
        const Token& token = kTokens[t];
        return {token.texto.size(), token.adiciona, token.remove, token.separador};
    }
    LerExtra(s, p, kExtrasDepois, lido);
    return lido;
}

// Length of the minor mark at `p` (right after the root) of a symbol the table cannot read:
// besides "min" and "m", "mi" and a "-" that does not begin "-5", "-9" or "-13" (C-7 is Cm7,
// C-9 stays C(b9)). "maj" and "ma7" are major sevenths, not a minor mark.
std::size_t MarcaMenorEstendida(std::string_view s, std::size_t p) {
    const std::string_view resto = s.substr(p);
    if (resto.starts_with("maj") || resto.starts_with("ma7")) return 0;
    if (resto.starts_with("min")) return 3;
    if (resto.starts_with("mi")) return 2;
    if (resto.starts_with('m')) return 1;
    if (resto.starts_with('-') && !resto.starts_with("-5") && !resto.starts_with("-9") &&
        !resto.starts_with("-13"))
        return 1;
    return 0;
}

// The parser with the extra spellings: the same steps as the table's, token by token.
Resultado AnalisarEstendida(std::string_view s, CifraCodificada& out) {
    const std::size_t tamanhoRaiz = TamanhoRaiz(s);
    const NomeNota raiz = NotaCurta(s.data(), tamanhoRaiz);
    if (raiz < 0) return Resultado::RaizInvalida;
    std::uint32_t valor = (static_cast<std::uint32_t>(raiz) << 16) | Bit(4) | Bit(7);
    const std::size_t n = s.size();
    std::size_t p = tamanhoRaiz;
    if (p < n) {
        if (const std::size_t menor = MarcaMenorEstendida(s, p)) {
            p += menor;
            valor = (valor & ~Bit(4)) | Bit(3);
        }
    }
    while (p < n) {
        const TokenLido t = TokenEstendido(s, p);
        if (t.tamanho == 0) return Resultado::FormatoInvalido;
        p += t.tamanho;
        if (t.separador) {
            const std::string_view depois = s.substr(p);
            const NomeNota baixo = NotaCurta(depois.data(), depois.size());
            if (baixo >= 0) {
                valor |= static_cast<std::uint32_t>(baixo + 1);
                break;
            }
        } else {
            valor = (valor & ~t.remove) | t.adiciona;
        }
    }
    out = valor;
    return Resultado::Ok;
}

Resultado Analisar(std::string_view s, CifraCodificada& out) {
    const Resultado r = AnalisarTabela(s, out);
    if (r != Resultado::FormatoInvalido) return r;
    return AnalisarEstendida(s, out);
}

}  // namespace

bool TentarAnalisarCifra(std::string_view cifra, CifraCodificada& resultado) {
    return Analisar(cifra, resultado) == Resultado::Ok;
}

CifraCodificada AnalisarCifra(std::string_view cifra) {
    CifraCodificada valor = 0;
    switch (Analisar(cifra, valor)) {
        case Resultado::Ok:
            return valor;
        case Resultado::RaizInvalida:
            throw RaizNaoEncontradaException(std::string(cifra.substr(0, TamanhoRaiz(cifra))));
        case Resultado::FormatoInvalido:
            break;
    }
    throw FormatoInvalidoException(std::string(cifra));
}

std::string_view NomeRaizCifra(std::string_view cifra) {
    return cifra.substr(0, TamanhoRaiz(cifra));
}

namespace {

// Byte length of the suffix token the parser reads at the start of `resto`, 0 for none.
std::size_t TamanhoToken(std::string_view resto) {
    if (resto.empty()) return 0;
    const auto b = static_cast<unsigned char>(resto[0]);
    const std::size_t fim = kIndice.inicio[b] + kIndice.quantidade[b];
    for (std::size_t i = kIndice.inicio[b]; i < fim; ++i) {
        const std::string_view t = kTokens[kIndice.tokens[i]].texto;
        if (resto.starts_with(t)) return t.size();
    }
    return 0;
}

// The note name of pitch class `classe` in the table of `grafia` (sharps or flats).
NomeNota NomeNaGrafia(ClasseAltura classe, GrafiaNotas grafia) {
    const auto i = static_cast<std::size_t>(((classe % 12) + 12) % 12);
    return NomeNotaDoTexto(grafia == GrafiaNotas::Bemois ? NomesNotasBemol[i]
                                                         : NomesNotasSustenido[i]);
}

// `cifra` (parsed as `c`) with its root written `raiz` and its bass (if any) `baixo`.
std::string TrocarRaizEBaixo(std::string_view cifra, CifraCodificada c, NomeNota raiz,
                             NomeNota baixo) {
    const std::string_view novaRaiz = NomesNotas[static_cast<std::size_t>(raiz)];
    std::string_view sufixo = cifra.substr(TamanhoRaiz(cifra));
    std::string_view baixoAntigo;
    if (TemBaixo(c)) {
        // The parser only takes a bass at the very end of the symbol.
        baixoAntigo = NomesNotas[static_cast<std::size_t>(BaixoCifra(c))];
        sufixo.remove_suffix(baixoAntigo.size());
    }
    std::string resultado;
    resultado.reserve(cifra.size() + 3);
    resultado += novaRaiz;
    // A natural root glued to a suffix that starts with "#" or "b" would read as another
    // root ("D" and "b5" as "Db5"): the suffix's first token goes into parentheses.
    if (novaRaiz.size() == 1 && !sufixo.empty() && (sufixo[0] == '#' || sufixo[0] == 'b')) {
        const std::size_t token = TamanhoToken(sufixo);
        resultado += '(';
        resultado += sufixo.substr(0, token);
        resultado += ')';
        sufixo.remove_prefix(token);
    }
    resultado += sufixo;
    if (TemBaixo(c)) resultado += NomesNotas[static_cast<std::size_t>(baixo)];
    return resultado;
}

}  // namespace

std::string TransporCifra(std::string_view cifra, int semitons, SentidoTransposicao sentido) {
    const CifraCodificada c = AnalisarCifra(cifra);
    NomeNota raiz = RaizCifra(c);
    const bool temBaixo = TemBaixo(c);
    NomeNota baixo = temBaixo ? BaixoCifra(c) : 0;
    for (int i = 0; i < semitons; ++i) {
        if (sentido == SentidoTransposicao::Acima) {
            raiz = SemitomAcima(raiz);
            if (temBaixo) baixo = SemitomAcima(baixo);
        } else {
            raiz = SemitomAbaixo(raiz);
            if (temBaixo) baixo = SemitomAbaixo(baixo);
        }
    }
    return TrocarRaizEBaixo(cifra, c, raiz, baixo);
}

std::string TransporCifra(std::string_view cifra, int semitons, SentidoTransposicao sentido,
                          GrafiaNotas grafia) {
    if (grafia == GrafiaNotas::Tabelas) return TransporCifra(cifra, semitons, sentido);
    const CifraCodificada c = AnalisarCifra(cifra);
    const int passo = semitons <= 0                           ? 0
                      : sentido == SentidoTransposicao::Acima ? semitons % 12
                                                              : -(semitons % 12);
    const NomeNota raiz = NomeNaGrafia(ClasseDoNome(RaizCifra(c)) + passo, grafia);
    const NomeNota baixo =
        TemBaixo(c) ? NomeNaGrafia(ClasseDoNome(BaixoCifra(c)) + passo, grafia) : 0;
    return TrocarRaizEBaixo(cifra, c, raiz, baixo);
}

int ContarTokensSufixo(std::string_view cifra) {
    CifraCodificada c;
    if (AnalisarTabela(cifra, c) != Resultado::Ok) {
        // A symbol only the extra spellings read is counted as they read it.
        if (AnalisarEstendida(cifra, c) != Resultado::Ok) return -1;
        std::size_t p = TamanhoRaiz(cifra);
        int tokens = 0;
        if (const std::size_t menor = MarcaMenorEstendida(cifra, p)) {
            p += menor;
            ++tokens;
        }
        const std::size_t fim =
            TemBaixo(c) ? cifra.size() - NomesNotas[static_cast<std::size_t>(BaixoCifra(c))].size()
                        : cifra.size();
        while (p < fim) {
            const TokenLido t = TokenEstendido(cifra, p);
            if (!t.separador) ++tokens;
            p += t.tamanho;
        }
        return tokens;
    }
    std::size_t p = TamanhoRaiz(cifra);
    const std::size_t n = cifra.size();
    int tokens = 0;
    if (p < n && !cifra.substr(p).starts_with("maj")) {
        if (cifra.substr(p).starts_with("min")) {
            p += 3;
            ++tokens;
        } else if (cifra[p] == 'm') {
            p += 1;
            ++tokens;
        }
    }
    // A valid symbol: every step matches, and the bass (if any) stands right at the end.
    const std::size_t fim =
        TemBaixo(c) ? n - NomesNotas[static_cast<std::size_t>(BaixoCifra(c))].size() : n;
    while (p < fim) {
        const std::size_t t = TamanhoToken(cifra.substr(p));
        const char primeiro = cifra[p];
        const bool separador = t == 1 && (primeiro == '(' || primeiro == ')' || primeiro == '.' ||
                                          primeiro == ',' || primeiro == '|' || primeiro == '/');
        if (!separador) ++tokens;
        p += t;
    }
    return tokens;
}
