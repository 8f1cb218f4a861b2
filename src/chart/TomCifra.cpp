// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>

#include "EscritaTranspostaInterna.h"
#include "TomCifraInterno.h"
#include "Tonalidade.h"

namespace cifra_interno {
namespace {

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

// The key analysis takes one pass over the chart: only the key spelling needs it.
template <class Cifra>
GrafiaNotas GrafiaDe(const Cifra& cifra, std::size_t linhas, AnaliseTom& analise, int semitons,
                     SentidoTransposicao sentido, GrafiaTransposicao grafia) {
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

}  // namespace

GrafiaNotas GrafiaDaTransposicao(std::span<const std::string> linhas, AnaliseTom& analise,
                                 int semitons, SentidoTransposicao sentido,
                                 GrafiaTransposicao grafia) {
    return GrafiaDe(linhas, linhas.size(), analise, semitons, sentido, grafia);
}

GrafiaNotas GrafiaDaTransposicao(std::string_view texto, AnaliseTom& analise, int semitons,
                                 SentidoTransposicao sentido, GrafiaTransposicao grafia) {
    // About one line in 25 bytes; the word table only needs to be in proportion.
    return GrafiaDe(texto, texto.size() / 25, analise, semitons, sentido, grafia);
}

void TransporLinhaTom(std::string_view linha, const AnaliseTom& tom, MemoriaPalavras& memoria,
                      std::string& saida, bool colunas) {
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
    EscreverTransposta(linha, a, memoria, saida, colunas);
}

std::optional<TomMusica> LerLinhaTom(std::string_view linha, std::size_t& inicio,
                                     std::size_t& tamanho) {
    // A ChordPro song gives its key as "{key: X}".
    if (chordpro::ChaveDoTom(linha, inicio, tamanho)) {
        CifraCodificada c;
        TentarAnalisarCifra(linha.substr(inicio, tamanho), c);
        return TomMusica{RaizCifra(c), TemIntervalo(c, 3) && !TemIntervalo(c, 4)};
    }
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
    if (marcador.size() < 3 || marcador.size() > 10) return std::nullopt;
    char minusculas[10];
    for (std::size_t k = 0; k < marcador.size(); ++k) {
        const char ch = marcador[k];
        minusculas[k] = (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
    }
    const std::string_view m(minusculas, marcador.size());
    if (m != "tom" && m != "tone" && m != "key" && m != "tonalidade" && m != "tonalidad" &&
        m != "tono")
        return std::nullopt;
    std::string_view chave = proxima();
    if (!doisPontos && chave == ":") chave = proxima();
    CifraCodificada c;
    if (chave.empty() || !TentarAnalisarCifra(chave, c)) return std::nullopt;
    inicio = static_cast<std::size_t>(chave.data() - linha.data());
    tamanho = chave.size();
    return TomMusica{RaizCifra(c), TemIntervalo(c, 3) && !TemIntervalo(c, 4)};
}

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

}  // namespace cifra_interno
