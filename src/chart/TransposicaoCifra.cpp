#include "TransposicaoCifra.h"

#include "AnaliseLinhaInterna.h"
#include "EscritaTranspostaInterna.h"
#include "TomCifraInterno.h"

namespace cifra_interno {

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

void TransporLinhaCom(std::string_view linha, MemoriaPalavras& memoria, std::string& saida) {
    AnaliseLinha a;
    Analisar(linha, a, memoria);
    EscreverTransposta(linha, a, memoria, saida);
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
    const int quantidade = ReduzirSemitons(LerSemitons(semitons).value_or(0));
    if (grafia == GrafiaTransposicao::Tabelas || quantidade == 0) {
        return TransporLinhas(linhas, semitons, sentido);
    }
    AnaliseTom tom;
    const GrafiaNotas notas = GrafiaDaTransposicao(linhas, tom, quantidade, sentido, grafia);
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
