#include "MusicaCifrada.h"

#include <cstdint>

#include "Utf8.h"

namespace {

constexpr bool Separador(char c) {
    return c == ' ' || c == '[' || c == ']' || c == '\n' || c == '\r' || c == '\t';
}

constexpr bool LetraAscii(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// Byte length of the first `caracteres` characters of `s`; cheap when the text is short.
std::size_t BytesDosPrimeiros(std::string_view s, std::size_t caracteres) {
    return s.size() <= caracteres ? s.size() : utf8::OffsetDoCaractere(s, caracteres);
}

// The amount of steps with the same effect as `semitons`: one step up or down always names
// the note with a natural or a sharp (or a flat, down), and from there twelve steps come back
// to the same name, so any amount above 12 acts like one from 1 to 12. Keeps huge amounts
// from looping for ages.
int ReduzirSemitons(int semitons) {
    if (semitons <= 0) return 0;
    return (semitons - 1) % 12 + 1;
}

// What is known of a candidate before it is transposed.
enum class Natureza : std::uint8_t { Cifra, NaoCifra, Desconhecida };

// One candidate of a line, in bytes of that line.
struct TrechoBytes {
    std::uint16_t inicio;
    std::uint16_t tamanho;
    Natureza natureza;
};

// The working copy spans at most 499 characters of at most 4 bytes, so offsets fit 16 bits,
// and words and brackets each take two bytes at least (with their separator), so there are
// never more than this many candidates.
constexpr std::size_t kMaximoCandidatos = TamanhoCopiaTrabalho / 2 + 1;
static_assert(TamanhoCopiaTrabalho * 4 < 65536);

// The candidates of one line, found without allocating.
struct AnaliseLinha {
    bool texto = false;
    std::size_t quantidade = 0;
    std::array<TrechoBytes, kMaximoCandidatos> trechos;

    void Acrescentar(std::size_t inicio, std::size_t tamanho, Natureza natureza) {
        trechos[quantidade++] = {static_cast<std::uint16_t>(inicio),
                                 static_cast<std::uint16_t>(tamanho), natureza};
    }
};

void Analisar(std::string_view linha, AnaliseLinha& a) {
    a.texto = false;
    a.quantidade = 0;
    const std::size_t fim = BytesDosPrimeiros(linha, TamanhoCopiaTrabalho);
    // A word that runs on past the working copy is seen only in part. Its visible part still
    // counts for telling lyrics from chords, but it is never a candidate: collecting or
    // rewriting a piece of a word (the "Am" of "Amor", the "C/" of "C/E") would be wrong.
    const bool cortada = fim < linha.size() && !Separador(linha[fim]);

    // Words. A neutral word is never a chord symbol (no marker word can be spelled with the
    // parser's tokens, and a symbol starts with a letter), so trying the parser first decides
    // the same as testing neutrality first, and is quicker on lyrics.
    std::size_t i = 0;
    while (i < fim) {
        while (i < fim && Separador(linha[i])) ++i;
        if (i == fim) break;
        const std::size_t inicio = i;
        while (i < fim && !Separador(linha[i])) ++i;
        const std::string_view palavra = linha.substr(inicio, i - inicio);
        CifraCodificada c;
        Natureza natureza;
        if (TentarAnalisarCifra(palavra, c)) {
            natureza = Natureza::Cifra;
        } else if (PalavraNeutra(palavra)) {
            natureza = Natureza::NaoCifra;
        } else {
            a.texto = true;
            break;
        }
        if (!(cortada && i == fim)) a.Acrescentar(inicio, i - inicio, natureza);
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
                a.Acrescentar(inicio, j - inicio, Natureza::Desconhecida);
            }
        }
    }
}

// Appends the transposition of `trecho`, or `trecho` itself when it is no chord symbol.
void AcrescentarTransposto(std::string_view trecho, Natureza natureza, int semitons,
                           SentidoTransposicao sentido, std::string& saida) {
    CifraCodificada c;
    const bool cifra = natureza == Natureza::Cifra ||
                       (natureza == Natureza::Desconhecida && TentarAnalisarCifra(trecho, c));
    if (cifra) {
        saida += TransporCifra(trecho, semitons, sentido);
    } else {
        saida += trecho;
    }
}

// Calls `f(linha, terminador)` for each line of `texto`; the terminator is "\n", "\r\n", or
// empty for a last line without one.
template <class F>
void ParaCadaLinha(std::string_view texto, F&& f) {
    std::size_t inicio = 0;
    while (inicio < texto.size()) {
        const std::size_t lf = texto.find('\n', inicio);
        if (lf == std::string_view::npos) {
            f(texto.substr(inicio), std::string_view{});
            return;
        }
        const std::size_t fim = (lf > inicio && texto[lf - 1] == '\r') ? lf - 1 : lf;
        f(texto.substr(inicio, fim - inicio), texto.substr(fim, lf + 1 - fim));
        inicio = lf + 1;
    }
}

}  // namespace

bool PalavraNeutra(std::string_view palavra) {
    bool temLetra = false;
    for (const char ch : palavra) {
        if (LetraAscii(ch)) {
            temLetra = true;
            break;
        }
    }
    if (!temLetra) return true;

    // The first 16 characters, A-Z in lower case; other bytes (all of a multi-byte
    // character) are kept, and no marker byte can match inside one.
    char minusculas[LimiteCaracteresTrecho * 4];
    const std::size_t n = BytesDosPrimeiros(palavra, LimiteCaracteresTrecho);
    for (std::size_t i = 0; i < n; ++i) {
        const char ch = palavra[i];
        minusculas[i] = (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
    }
    const std::string_view inicio(minusculas, n);
    for (const std::string_view marcador : PalavrasNeutras) {
        if (inicio.find(marcador) != std::string_view::npos) return true;
    }
    return false;
}

bool LinhaContemTexto(std::string_view linha) {
    AnaliseLinha a;
    Analisar(linha, a);
    return a.texto;
}

std::vector<Candidato> CandidatosDaLinha(std::string_view linha) {
    AnaliseLinha a;
    Analisar(linha, a);
    std::vector<Candidato> candidatos;
    candidatos.reserve(a.quantidade);
    std::size_t byte = 0;
    std::size_t caractere = 0;
    for (std::size_t k = 0; k < a.quantidade; ++k) {
        const TrechoBytes& t = a.trechos[k];
        caractere += utf8::ContarCaracteres(linha.substr(byte, t.inicio - byte));
        const std::string_view texto = linha.substr(t.inicio, t.tamanho);
        const std::size_t tamanho = utf8::ContarCaracteres(texto);
        candidatos.push_back({texto, caractere, tamanho});
        byte = t.inicio + t.tamanho;
        caractere += tamanho;
    }
    return candidatos;
}

std::vector<std::string> ColetarAcordes(std::span<const std::string> linhas) {
    std::vector<std::string> textos;
    AnaliseLinha a;
    for (const std::string& linha : linhas) {
        Analisar(linha, a);
        for (std::size_t k = 0; k < a.quantidade; ++k) {
            textos.emplace_back(linha, a.trechos[k].inicio, a.trechos[k].tamanho);
        }
    }
    return textos;
}

std::optional<int> LerSemitons(std::string_view texto) {
    const auto branco = [](char c) { return c == ' ' || c == '\t'; };
    while (!texto.empty() && branco(texto.front())) texto.remove_prefix(1);
    while (!texto.empty() && branco(texto.back())) texto.remove_suffix(1);
    bool negativo = false;
    if (!texto.empty() && (texto.front() == '-' || texto.front() == '+')) {
        negativo = texto.front() == '-';
        texto.remove_prefix(1);
    }
    if (texto.empty()) return std::nullopt;
    // The amount modulo 12, so that any number of digits is read without overflow.
    int resto = 0;
    bool positivo = false;
    for (const char c : texto) {
        if (c < '0' || c > '9') return std::nullopt;
        resto = (resto * 10 + (c - '0')) % 12;
        positivo = positivo || c != '0';
    }
    if (negativo || !positivo) return 0;
    return resto == 0 ? 12 : resto;
}

void TransporLinha(std::string_view linha, int semitons, SentidoTransposicao sentido,
                   std::string& saida) {
    semitons = ReduzirSemitons(semitons);
    if (semitons == 0) {
        saida += linha;
        return;
    }
    AnaliseLinha a;
    Analisar(linha, a);
    std::size_t copiado = 0;
    for (std::size_t k = 0; k < a.quantidade; ++k) {
        const TrechoBytes& t = a.trechos[k];
        if (t.natureza == Natureza::NaoCifra) continue;
        saida.append(linha, copiado, t.inicio - copiado);
        AcrescentarTransposto(linha.substr(t.inicio, t.tamanho), t.natureza, semitons, sentido,
                              saida);
        copiado = t.inicio + t.tamanho;
    }
    saida.append(linha, copiado);
}

std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido) {
    const std::optional<int> quantidade = LerSemitons(semitons);
    if (!quantidade) return {linhas.begin(), linhas.end()};
    std::vector<std::string> resultado;
    resultado.reserve(linhas.size());
    for (const std::string& linha : linhas) {
        std::string& nova = resultado.emplace_back();
        nova.reserve(linha.size() + 8);
        TransporLinha(linha, *quantidade, sentido, nova);
    }
    return resultado;
}

int TransporTrecho(std::string& linha, std::size_t posicao, std::size_t tamanho, int semitons,
                   SentidoTransposicao sentido) {
    const std::size_t total = utf8::ContarCaracteres(linha);
    if (posicao > total || tamanho > total - posicao) return 0;
    const std::size_t inicio = utf8::OffsetDoCaractere(linha, posicao);
    const std::string_view resto = std::string_view(linha).substr(inicio);
    const std::size_t bytes = utf8::OffsetDoCaractere(resto, tamanho);
    const std::string_view trecho = resto.substr(0, bytes);
    CifraCodificada c;
    if (!TentarAnalisarCifra(trecho, c)) return 0;
    const std::string novo = TransporCifra(trecho, ReduzirSemitons(semitons), sentido);
    const int diferenca =
        static_cast<int>(utf8::ContarCaracteres(novo)) - static_cast<int>(tamanho);
    linha.replace(inicio, bytes, novo);
    return diferenca;
}

std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido) {
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 16);
    ParaCadaLinha(texto, [&](std::string_view linha, std::string_view terminador) {
        TransporLinha(linha, semitons, sentido, saida);
        saida += terminador;
    });
    return saida;
}

std::vector<std::string> DividirLinhas(std::string_view texto) {
    std::vector<std::string> linhas;
    ParaCadaLinha(texto, [&](std::string_view linha, std::string_view) { linhas.emplace_back(linha); });
    return linhas;
}
