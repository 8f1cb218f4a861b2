// SPDX-License-Identifier: GPL-3.0-or-later
#include "MusicaCifrada.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "Tonalidade.h"
#include "Utf8.h"

namespace {

// The six characters that end a word: space, "[", "]", line feed, carriage return, tab.
constexpr std::array<bool, 256> kSeparadores = [] {
    std::array<bool, 256> t{};
    for (const unsigned char c : {' ', '[', ']', '\n', '\r', '\t'}) t[c] = true;
    return t;
}();

constexpr bool Separador(char c) { return kSeparadores[static_cast<unsigned char>(c)]; }

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

// What a word or bracket content is.
enum class Tipo : std::uint8_t { Cifra, Neutra, Letra };

// A neutral word is never a chord symbol (no marker word can be spelled with the parser's
// tokens, and a symbol starts with a letter), so trying the parser first decides the same
// as testing neutrality first, and is quicker on lyrics.
Tipo Classificar(std::string_view palavra) {
    CifraCodificada c;
    if (TentarAnalisarCifra(palavra, c)) return Tipo::Cifra;
    return PalavraNeutra(palavra) ? Tipo::Neutra : Tipo::Letra;
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
constexpr std::size_t kMaximoCandidatos = TamanhoCopiaTrabalho / 2 + 1;
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

// `classificar(palavra)` gives the Tipo of a word.
template <class Classificador>
void Analisar(std::string_view linha, AnaliseLinha& a, Classificador&& classificar) {
    a.texto = false;
    a.quantidade = 0;
    const std::size_t fim = BytesDosPrimeiros(linha, TamanhoCopiaTrabalho);
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
        const Tipo tipo = classificar(linha.substr(inicio, i - inicio));
        if (tipo == Tipo::Letra) {
            a.texto = true;
            break;
        }
        if (!(cortada && i == fim)) a.Acrescentar(inicio, i - inicio, true, tipo);
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

void Analisar(std::string_view linha, AnaliseLinha& a) { Analisar(linha, a, Classificar); }

// Remembers, over one chart, what each short word is and what it becomes when transposed.
// A chart repeats a few chords and words over and over, and a look-up here costs a fraction
// of parsing. Keys are the words' bytes themselves, so the lines may be gone (a chart read in
// pieces); the table is fixed in size and simply stops learning when half full.
class MemoriaPalavras {
  public:
    struct Consulta {
        Tipo tipo;
        std::string_view transposta;  // the chord transposed (when transposing)
    };

    MemoriaPalavras(std::size_t linhas, int semitons, SentidoTransposicao sentido,
                    GrafiaNotas grafia = GrafiaNotas::Tabelas)
        : semitons_(semitons), sentido_(sentido), grafia_(grafia) {
        std::size_t capacidade = 64;
        while (capacidade < linhas * 2 && capacidade < kCapacidadeMaxima) capacidade *= 2;
        tabela_.resize(capacidade);
    }

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
                    return {e.tipo, {e.transposta, e.tamanhoTransposta}};
                }
                continue;
            }
            const Consulta c = Calcular(palavra);
            if (ocupadas_ * 2 < tabela_.size() && c.transposta.size() <= sizeof e.transposta) {
                e = {a, b, n, true, c.tipo, static_cast<std::uint8_t>(c.transposta.size()), {}};
                c.transposta.copy(e.transposta, c.transposta.size());
                ++ocupadas_;
            }
            return c;
        }
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
        Tipo tipo;
        std::uint8_t tamanhoTransposta;
        char transposta[kTamanhoChave + 4];  // a root and a bass may each gain a "#"
    };

    Consulta Calcular(std::string_view palavra) {
        const Tipo tipo = Classificar(palavra);
        if (tipo != Tipo::Cifra || semitons_ == 0) return {tipo, {}};
        transposta_ = TransporCifra(palavra, semitons_, sentido_, grafia_);
        return {tipo, transposta_};
    }

    int semitons_;
    SentidoTransposicao sentido_;
    GrafiaNotas grafia_;
    std::vector<Entrada> tabela_;
    std::size_t ocupadas_ = 0;
    std::string transposta_;
};

void Analisar(std::string_view linha, AnaliseLinha& a, MemoriaPalavras& memoria) {
    Analisar(linha, a, [&](std::string_view p) { return memoria.Consultar(p).tipo; });
}

// Appends `linha` with the chords that `a` found in it transposed.
void EscreverTransposta(std::string_view linha, const AnaliseLinha& a, MemoriaPalavras& memoria,
                        std::string& saida) {
    std::size_t copiado = 0;
    for (std::size_t k = 0; k < a.quantidade; ++k) {
        const TrechoBytes& t = a.trechos[k];
        if (t.palavra && t.tipo != Tipo::Cifra) continue;
        const MemoriaPalavras::Consulta c = memoria.Consultar(linha.substr(t.inicio, t.tamanho));
        if (c.tipo != Tipo::Cifra) continue;
        saida.append(linha, copiado, t.inicio - copiado);
        saida += c.transposta;
        copiado = t.inicio + t.tamanho;
    }
    saida.append(linha, copiado);
}

// Appends `linha` with its chords transposed; `semitons` is already reduced and above 0.
void TransporLinhaCom(std::string_view linha, MemoriaPalavras& memoria, std::string& saida) {
    AnaliseLinha a;
    Analisar(linha, a, memoria);
    EscreverTransposta(linha, a, memoria, saida);
}

// The key line: as any line, and its key too when the line also holds words ("Key: G",
// "Tom: G capo 2"), which would otherwise leave it as it was.
void TransporLinhaTom(std::string_view linha, const AnaliseTom& tom, MemoriaPalavras& memoria,
                      std::string& saida) {
    AnaliseLinha a;
    Analisar(linha, a, memoria);
    if (a.texto && a.quantidade < a.trechos.size()) {
        std::size_t k = 0;
        while (k < a.quantidade && a.trechos[k].inicio < tom.inicioChave) ++k;
        if (k == a.quantidade || a.trechos[k].inicio != tom.inicioChave) {
            std::copy_backward(a.trechos.begin() + static_cast<std::ptrdiff_t>(k),
                               a.trechos.begin() + static_cast<std::ptrdiff_t>(a.quantidade),
                               a.trechos.begin() + static_cast<std::ptrdiff_t>(a.quantidade + 1));
            a.trechos[k] = {static_cast<std::uint16_t>(tom.inicioChave),
                            static_cast<std::uint16_t>(tom.tamanhoChave), false, Tipo::Letra};
            ++a.quantidade;
        }
    }
    EscreverTransposta(linha, a, memoria, saida);
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

// Calls `f(linha)` for each line of a chart given as lines or as one text.
template <class F>
void ParaCadaLinhaDe(std::span<const std::string> linhas, F&& f) {
    for (const std::string& linha : linhas) f(std::string_view(linha));
}
template <class F>
void ParaCadaLinhaDe(std::string_view texto, F&& f) {
    ParaCadaLinha(texto, [&](std::string_view linha, std::string_view) { f(linha); });
}

template <class Cifra>
AnaliseTom AnalisarTomDe(const Cifra& cifra, std::size_t linhasEstimadas) {
    AnaliseTom r;
    std::optional<TomMusica> primeiro;
    MemoriaPalavras memoria(linhasEstimadas, 0, SentidoTransposicao::Acima);
    AnaliseLinha a;
    std::size_t indice = 0;
    const auto contar = [&](NomeNota nome) {
        const std::string_view texto = NomesNotas[static_cast<std::size_t>(nome)];
        if (texto.size() < 2) return;
        ++(texto[1] == '#' ? r.sustenidos : r.bemois);
    };
    ParaCadaLinhaDe(cifra, [&](std::string_view linha) {
        if (!r.linhaTom) {
            if (const auto tom = LerLinhaTom(linha, r.inicioChave, r.tamanhoChave)) {
                r.tom = tom;
                r.linhaTom = indice;
            }
        }
        Analisar(linha, a, memoria);
        for (std::size_t k = 0; k < a.quantidade; ++k) {
            const TrechoBytes& t = a.trechos[k];
            if (t.palavra && t.tipo != Tipo::Cifra) continue;
            CifraCodificada c;
            if (!TentarAnalisarCifra(linha.substr(t.inicio, t.tamanho), c)) continue;
            if (!primeiro)
                primeiro = TomMusica{RaizCifra(c), TemIntervalo(c, 3) && !TemIntervalo(c, 4)};
            contar(RaizCifra(c));
            if (TemBaixo(c)) contar(BaixoCifra(c));
        }
        ++indice;
    });
    if (!r.tom) r.tom = primeiro;
    return r;
}

enum class Lado { Nenhum, Sustenidos, Bemois };

Lado LadoDoNome(NomeNota nome) {
    const std::string_view texto = NomesNotas[static_cast<std::size_t>(nome)];
    if (texto.size() < 2) return Lado::Nenhum;
    return texto[1] == '#' ? Lado::Sustenidos : Lado::Bemois;
}

Lado LadoDaArmadura(ArmaduraTom armadura) {
    return armadura == ArmaduraTom::Sustenidos ? Lado::Sustenidos
           : armadura == ArmaduraTom::Bemois   ? Lado::Bemois
                                               : Lado::Nenhum;
}

template <class Cifra>
GrafiaNotas GrafiaDaTransposicao(const Cifra& cifra, std::size_t linhas, AnaliseTom& analise,
                                 int semitons, SentidoTransposicao sentido,
                                 GrafiaTransposicao grafia) {
    switch (grafia) {
        case GrafiaTransposicao::Sustenidos:
            return GrafiaNotas::Sustenidos;
        case GrafiaTransposicao::Bemois:
            return GrafiaNotas::Bemois;
        case GrafiaTransposicao::Tom:
            analise = AnalisarTomDe(cifra, linhas);
            return GrafiaDoTom(analise, semitons, sentido);
        case GrafiaTransposicao::Tabelas:
            break;
    }
    return GrafiaNotas::Tabelas;
}

// A partial line longer than this holds the whole working copy and the character after it,
// which is all the analysis looks at: 499 characters take at most 4 bytes each.
constexpr std::size_t kBytesCabeca = TamanhoCopiaTrabalho * 4 + 4;

// Splits a text arriving in pieces into lines as ParaCadaLinha does, and hands each line to
// `Processo`: `Linha(linha, terminador, destino)` for a whole line and, for a line that grows
// past kBytesCabeca, `Cabeca(inicio, destino)` with its first bytes and `Resto(pedaco,
// destino)` with each later piece up to and including its line feed. Only a partial line
// shorter than kBytesCabeca is ever kept.
template <class Processo>
class LinhasEmPartes {
  public:
    template <class... Args>
    explicit LinhasEmPartes(Args&&... args) : processo_(std::forward<Args>(args)...) {}

    template <class Destino>
    void Acrescentar(std::string_view pedaco, Destino& destino) {
        while (!pedaco.empty()) {
            if (passando_) {
                const std::size_t lf = pedaco.find('\n');
                const std::size_t ate = lf == std::string_view::npos ? pedaco.size() : lf + 1;
                processo_.Resto(pedaco.substr(0, ate), destino);
                pedaco.remove_prefix(ate);
                passando_ = lf == std::string_view::npos;
                continue;
            }
            const std::size_t lf = pedaco.find('\n');
            if (lf == std::string_view::npos) {
                Guardar(pedaco, destino);
                return;
            }
            if (pendente_.empty()) {
                // The usual case: whole lines straight from the piece, without copying.
                Linha(pedaco.substr(0, lf + 1), destino);
            } else {
                pendente_.append(pedaco, 0, lf + 1);
                Linha(pendente_, destino);
                pendente_.clear();
            }
            pedaco.remove_prefix(lf + 1);
        }
    }

    template <class Destino>
    void Terminar(Destino& destino) {
        if (!passando_ && !pendente_.empty()) processo_.Linha(pendente_, {}, destino);
        pendente_.clear();
        passando_ = false;
    }

  private:
    // `comLf` ends in its line feed; a carriage return before it belongs to the terminator.
    template <class Destino>
    void Linha(std::string_view comLf, Destino& destino) {
        const std::size_t fim = comLf.size() >= 2 && comLf[comLf.size() - 2] == '\r'
                                    ? comLf.size() - 2
                                    : comLf.size() - 1;
        processo_.Linha(comLf.substr(0, fim), comLf.substr(fim), destino);
    }

    // A piece that ends inside a line.
    template <class Destino>
    void Guardar(std::string_view parte, Destino& destino) {
        if (pendente_.size() + parte.size() < kBytesCabeca) {
            pendente_.append(parte);
            return;
        }
        // Enough for the analysis: the rest of the line is passed on as it comes.
        if (pendente_.empty()) {
            processo_.Cabeca(parte, destino);
        } else {
            pendente_.append(parte);
            processo_.Cabeca(pendente_, destino);
            pendente_.clear();
            pendente_.shrink_to_fit();
        }
        passando_ = true;
    }

    Processo processo_;
    std::string pendente_;
    bool passando_ = false;
};

// Transposition: a line is written transposed, a long one's head too (the rest of its bytes
// lie beyond the working copy, where nothing changes).
class LinhaTransposta {
  public:
    LinhaTransposta(std::size_t linhas, int semitons, SentidoTransposicao sentido)
        : memoria_(linhas, semitons, sentido) {}

    void Linha(std::string_view linha, std::string_view terminador, std::string& saida) {
        TransporLinhaCom(linha, memoria_, saida);
        saida += terminador;
    }
    void Cabeca(std::string_view inicio, std::string& saida) {
        TransporLinhaCom(inicio, memoria_, saida);
    }
    void Resto(std::string_view pedaco, std::string& saida) { saida += pedaco; }

  private:
    MemoriaPalavras memoria_;
};

// Collection: the candidates of a line, or of a long one's head; the rest is ignored.
class LinhaColetada {
  public:
    using Receber = std::function<void(std::string_view)>;

    LinhaColetada() : memoria_(1 << 12, 0, SentidoTransposicao::Acima) {}

    void Linha(std::string_view linha, std::string_view, const Receber& receber) {
        Cabeca(linha, receber);
    }
    void Cabeca(std::string_view inicio, const Receber& receber) {
        Analisar(inicio, analise_, memoria_);
        for (std::size_t k = 0; k < analise_.quantidade; ++k)
            receber(inicio.substr(analise_.trechos[k].inicio, analise_.trechos[k].tamanho));
    }
    void Resto(std::string_view, const Receber&) {}

  private:
    MemoriaPalavras memoria_;
    AnaliseLinha analise_;
};

}  // namespace

class TransposicaoContinua::Estado : public LinhasEmPartes<LinhaTransposta> {
    using LinhasEmPartes::LinhasEmPartes;
};

class ColetaContinua::Estado : public LinhasEmPartes<LinhaColetada> {
    using LinhasEmPartes::LinhasEmPartes;
};

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
    MemoriaPalavras memoria(linhas.size(), 0, SentidoTransposicao::Acima);
    AnaliseLinha a;
    for (const std::string& linha : linhas) {
        Analisar(linha, a, memoria);
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
    MemoriaPalavras memoria(1, semitons, sentido);
    TransporLinhaCom(linha, memoria, saida);
}

std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido) {
    const int quantidade = ReduzirSemitons(LerSemitons(semitons).value_or(0));
    if (quantidade == 0) return {linhas.begin(), linhas.end()};
    MemoriaPalavras memoria(linhas.size(), quantidade, sentido);
    std::vector<std::string> resultado;
    resultado.reserve(linhas.size());
    for (const std::string& linha : linhas) {
        std::string& nova = resultado.emplace_back();
        nova.reserve(linha.size() + 8);
        TransporLinhaCom(linha, memoria, nova);
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
    semitons = ReduzirSemitons(semitons);
    if (semitons == 0) return std::string(texto);
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 16);
    // About one line in 25 bytes; the table only needs to be in proportion.
    LinhasEmPartes<LinhaTransposta> t(texto.size() / 25, semitons, sentido);
    t.Acrescentar(texto, saida);
    t.Terminar(saida);
    return saida;
}

std::optional<TomMusica> LerLinhaTom(std::string_view linha, std::size_t& inicio,
                                     std::size_t& tamanho) {
    const std::size_t fim = BytesDosPrimeiros(linha, TamanhoCopiaTrabalho);
    std::size_t i = 0;
    const auto proxima = [&]() {
        while (i < fim && Separador(linha[i])) ++i;
        const std::size_t comeco = i;
        while (i < fim && !Separador(linha[i])) ++i;
        return linha.substr(comeco, i - comeco);
    };
    std::string_view marcador = proxima();
    const bool doisPontos = marcador.ends_with(':');
    if (doisPontos) marcador.remove_suffix(1);
    if (marcador.size() < 3 || marcador.size() > 4) return std::nullopt;
    char minusculas[4];
    for (std::size_t k = 0; k < marcador.size(); ++k) {
        const char ch = marcador[k];
        minusculas[k] = (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
    }
    const std::string_view m(minusculas, marcador.size());
    if (m != "tom" && m != "tone" && m != "key") return std::nullopt;
    std::string_view chave = proxima();
    if (!doisPontos && chave == ":") chave = proxima();
    CifraCodificada c;
    if (chave.empty() || !TentarAnalisarCifra(chave, c)) return std::nullopt;
    inicio = static_cast<std::size_t>(chave.data() - linha.data());
    tamanho = chave.size();
    return TomMusica{RaizCifra(c), TemIntervalo(c, 3) && !TemIntervalo(c, 4)};
}

AnaliseTom AnalisarTom(std::span<const std::string> linhas) {
    return AnalisarTomDe(linhas, linhas.size());
}

AnaliseTom AnalisarTom(std::string_view texto) { return AnalisarTomDe(texto, texto.size() / 25); }

GrafiaNotas GrafiaDoTom(const AnaliseTom& analise, int semitons, SentidoTransposicao sentido) {
    const Lado escrito = analise.sustenidos > analise.bemois   ? Lado::Sustenidos
                         : analise.bemois > analise.sustenidos ? Lado::Bemois
                                                               : Lado::Nenhum;
    Lado lado = Lado::Nenhum;
    if (analise.tom) {
        const ClasseAltura tonica = ClasseDoNome(analise.tom->tonica);
        const bool menor = analise.tom->menor;
        const ArmaduraTom origem = ArmaduraDoTom(tonica, menor);
        const Lado ladoOrigem = origem == ArmaduraTom::Seis      ? LadoDoNome(analise.tom->tonica)
                                : origem == ArmaduraTom::Natural ? escrito
                                                                 : LadoDaArmadura(origem);
        const int passo = ReduzirSemitons(semitons) % 12;
        const int destino =
            (tonica + (sentido == SentidoTransposicao::Acima ? passo : 12 - passo)) % 12;
        switch (ArmaduraDoTom(destino, menor)) {
            case ArmaduraTom::Natural:
                lado = escrito != Lado::Nenhum ? escrito : ladoOrigem;
                break;
            case ArmaduraTom::Seis:
                lado = ladoOrigem != Lado::Nenhum ? ladoOrigem : escrito;
                break;
            case ArmaduraTom::Sustenidos:
                lado = Lado::Sustenidos;
                break;
            case ArmaduraTom::Bemois:
                lado = Lado::Bemois;
                break;
        }
    }
    if (lado == Lado::Nenhum) {
        lado = sentido == SentidoTransposicao::Acima ? Lado::Sustenidos : Lado::Bemois;
    }
    return lado == Lado::Sustenidos ? GrafiaNotas::Sustenidos : GrafiaNotas::Bemois;
}

std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido,
                                        GrafiaTransposicao grafia) {
    const int quantidade = ReduzirSemitons(LerSemitons(semitons).value_or(0));
    if (grafia == GrafiaTransposicao::Tabelas || quantidade == 0) {
        return TransporLinhas(linhas, semitons, sentido);
    }
    AnaliseTom tom;
    const GrafiaNotas notas =
        GrafiaDaTransposicao(linhas, linhas.size(), tom, quantidade, sentido, grafia);
    MemoriaPalavras memoria(linhas.size(), quantidade, sentido, notas);
    std::vector<std::string> resultado;
    resultado.reserve(linhas.size());
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        std::string& nova = resultado.emplace_back();
        if (tom.linhaTom == i) {
            TransporLinhaTom(linhas[i], tom, memoria, nova);
        } else {
            TransporLinhaCom(linhas[i], memoria, nova);
        }
    }
    return resultado;
}

std::string TransporTexto(std::string_view texto, int semitons, SentidoTransposicao sentido,
                          GrafiaTransposicao grafia) {
    semitons = ReduzirSemitons(semitons);
    if (grafia == GrafiaTransposicao::Tabelas || semitons == 0) {
        return TransporTexto(texto, semitons, sentido);
    }
    AnaliseTom tom;
    const GrafiaNotas notas =
        GrafiaDaTransposicao(texto, texto.size() / 25, tom, semitons, sentido, grafia);
    MemoriaPalavras memoria(texto.size() / 25, semitons, sentido, notas);
    std::string saida;
    saida.reserve(texto.size() + texto.size() / 16);
    std::size_t indice = 0;
    ParaCadaLinha(texto, [&](std::string_view linha, std::string_view terminador) {
        if (tom.linhaTom == indice++) {
            TransporLinhaTom(linha, tom, memoria, saida);
        } else {
            TransporLinhaCom(linha, memoria, saida);
        }
        saida += terminador;
    });
    return saida;
}

std::vector<std::string> DividirLinhas(std::string_view texto) {
    std::vector<std::string> linhas;
    ParaCadaLinha(texto,
                  [&](std::string_view linha, std::string_view) { linhas.emplace_back(linha); });
    return linhas;
}

// Without a transposition the text is copied as it stands, as TransporTexto does.
TransposicaoContinua::TransposicaoContinua(int semitons, SentidoTransposicao sentido) {
    semitons = ReduzirSemitons(semitons);
    if (semitons != 0) {
        // The largest word table: a stream gives no hint of its length.
        estado_ = std::make_unique<Estado>(std::size_t{1} << 13, semitons, sentido);
    }
}

TransposicaoContinua::~TransposicaoContinua() = default;

void TransposicaoContinua::Acrescentar(std::string_view pedaco, std::string& saida) {
    if (estado_) {
        estado_->Acrescentar(pedaco, saida);
    } else {
        saida += pedaco;
    }
}

void TransposicaoContinua::Terminar(std::string& saida) {
    if (estado_) estado_->Terminar(saida);
}

ColetaContinua::ColetaContinua() : estado_(std::make_unique<Estado>()) {}

ColetaContinua::~ColetaContinua() = default;

void ColetaContinua::Acrescentar(std::string_view pedaco,
                                 const std::function<void(std::string_view)>& receber) {
    estado_->Acrescentar(pedaco, receber);
}

void ColetaContinua::Terminar(const std::function<void(std::string_view)>& receber) {
    estado_->Terminar(receber);
}
