// SPDX-License-Identifier: GPL-3.0-or-later
#include "TransposicaoCifra.h"

#include <algorithm>
#include <cstddef>

#include "AnaliseLinhaInterna.h"
#include "EscritaTranspostaInterna.h"
#include "TomCifraInterno.h"

namespace cifra_interno {

void EscreverTransposta(std::string_view linha, const AnaliseLinha& a, MemoriaPalavras& memoria,
                        std::string& saida, bool colunas) {
    std::size_t copiado = 0;
    for (std::size_t k = 0; k < a.quantidade; ++k) {
        const TrechoBytes& t = a.trechos[k];
        if (t.palavra && t.tipo != Tipo::Cifra) continue;
        const MemoriaPalavras::Consulta c =
            memoria.ConsultarTrecho(linha.substr(t.inicio, t.tamanho));
        if (c.classe.tipo != Tipo::Cifra) continue;
        saida.append(linha, copiado, t.inicio - copiado);
        saida += c.transposta;
        copiado = t.inicio + t.tamanho;
        if (!colunas || !t.palavra) continue;
        // Keeping columns: a grown chord takes spaces that follow it (one always stays before
        // the next word); a shrunk one gives spaces back before the next word. Only a root and
        // a bass change, and they are ASCII, so bytes count as characters here.
        std::size_t espacos = 0;
        while (copiado + espacos < linha.size() && linha[copiado + espacos] == ' ') ++espacos;
        const bool palavraSegue = copiado + espacos < linha.size();
        const auto novo = static_cast<std::ptrdiff_t>(c.transposta.size());
        const auto velho = static_cast<std::ptrdiff_t>(t.tamanho);
        if (novo > velho) {
            const std::size_t livres = palavraSegue ? (espacos > 0 ? espacos - 1 : 0) : espacos;
            copiado += std::min(static_cast<std::size_t>(novo - velho), livres);
        } else if (novo < velho && espacos > 0 && palavraSegue) {
            saida.append(static_cast<std::size_t>(velho - novo), ' ');
        }
    }
    saida.append(linha, copiado);
}

void TransporLinhaCom(std::string_view linha, MemoriaPalavras& memoria, std::string& saida,
                      bool colunas) {
    AnaliseLinha a;
    Analisar(linha, a, memoria);
    EscreverTransposta(linha, a, memoria, saida, colunas);
}

}  // namespace cifra_interno

using namespace cifra_interno;

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

std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido,
                                        GrafiaTransposicao grafia) {
    return TransporLinhas(linhas, semitons, sentido, OpcoesTransposicao{grafia, false});
}

std::vector<std::string> TransporLinhas(std::span<const std::string> linhas,
                                        std::string_view semitons, SentidoTransposicao sentido,
                                        const OpcoesTransposicao& opcoes) {
    const int quantidade = ReduzirSemitons(LerSemitons(semitons).value_or(0));
    if (quantidade == 0 ||
        (opcoes.grafia == GrafiaTransposicao::Tabelas && !opcoes.manterColunas)) {
        return TransporLinhas(linhas, semitons, sentido);
    }
    AnaliseTom tom;
    const GrafiaNotas notas = GrafiaDaTransposicao(linhas, tom, quantidade, sentido, opcoes.grafia);
    MemoriaPalavras memoria(linhas.size(), quantidade, sentido, notas);
    std::vector<std::string> resultado;
    resultado.reserve(linhas.size());
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        std::string& nova = resultado.emplace_back();
        if (tom.linhaTom == i) {
            TransporLinhaTom(linhas[i], tom, memoria, nova, opcoes.manterColunas);
        } else {
            TransporLinhaCom(linhas[i], memoria, nova, opcoes.manterColunas);
        }
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
