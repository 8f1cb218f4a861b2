// SPDX-License-Identifier: GPL-3.0-or-later
#include "AnaliseCifra.h"

#include "AnaliseLinhaInterna.h"

using namespace cifra_interno;

namespace {

// Section names, key words and repeat and rest marks of the languages Tastavo speaks, in lower
// case: a word equal to one of them is no lyric.
constexpr std::string_view kMarcadores[] = {
    "intro",      "introdução", "introducción", "verso",        "verse",  "estrofe", "estrofa",
    "pré-refrão", "pre-refrão", "pre-chorus",   "prechorus",    "refrão", "refrao",  "chorus",
    "coro",       "estribillo", "ponte",        "bridge",       "puente", "solo",    "inter",
    "interlúdio", "interludio", "interlude",    "instrumental", "final",  "outro",   "coda",
    "fim",        "fin",        "ending",       "riff",         "vamp",   "key",     "tonalidade",
    "tonalidad",  "tono",       "x2",           "x3",           "x4",     "x5",      "x6",
    "x7",         "x8",         "x9",           "bis",          "n.c",    "nc"};

constexpr std::string_view kBordas = "()[]:.";

// `palavra` in lower case: A-Z, and the capitals of Latin-1 written in UTF-8 (Ç, Ã, É...).
std::size_t Minusculas(std::string_view palavra, char* saida) {
    for (std::size_t i = 0; i < palavra.size(); ++i) {
        char ch = palavra[i];
        if (ch >= 'A' && ch <= 'Z') {
            ch = static_cast<char>(ch - 'A' + 'a');
        } else if (i > 0 && palavra[i - 1] == '\xC3') {
            const auto b = static_cast<unsigned char>(ch);
            if (b >= 0x80 && b <= 0x9E && b != 0x97) ch = static_cast<char>(b + 0x20);  // not ×
        }
        saida[i] = ch;
    }
    return palavra.size();
}

// True for a marker word, after dropping the surrounding ( ) [ ] : and . and a number attached
// to it or written after it ("Verse 2:", "[Chorus]", "(Solo)", "Refrão:", "Intro2").
bool PalavraMarcadora(std::string_view palavra) {
    const auto aparar = [](std::string_view& p) {
        while (!p.empty() && kBordas.find(p.front()) != std::string_view::npos) p.remove_prefix(1);
        while (!p.empty() && kBordas.find(p.back()) != std::string_view::npos) p.remove_suffix(1);
    };
    aparar(palavra);
    if (palavra.empty() || palavra.size() > 24) return false;
    char minusculas[24];
    const std::string_view m(minusculas, Minusculas(palavra, minusculas));
    const auto marcador = [](std::string_view p) {
        for (const std::string_view k : kMarcadores)
            if (p == k) return true;
        return false;
    };
    if (marcador(m)) return true;
    std::string_view semNumero = m;
    while (!semNumero.empty() && semNumero.back() >= '0' && semNumero.back() <= '9')
        semNumero.remove_suffix(1);
    if (semNumero.size() == m.size()) return false;
    aparar(semNumero);
    return !semNumero.empty() && marcador(semNumero);
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
    return PalavraMarcadora(palavra);
}

std::optional<std::string_view> PalavraQueRetemALinha(std::string_view linha) {
    return PalavraQueRetem(linha, Classificar);
}

std::string AvisoLinhaRetida(std::size_t numero, std::string_view palavra) {
    return "line " + std::to_string(numero) + ": kept as lyrics: \"" + std::string(palavra) +
           "\" is no chord";
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
