#include "AnaliseCifra.h"

#include "AnaliseLinhaInterna.h"

using namespace cifra_interno;

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
