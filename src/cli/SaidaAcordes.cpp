// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaidaAcordes.h"

#include <cstdlib>

#include "GeradorAcordesTeclado.h"
#include "Utf8.h"

namespace saida {

Erro DescreverErro(const std::exception& e) {
    if (const auto* raiz = dynamic_cast<const RaizNaoEncontradaException*>(&e)) {
        return {"root-not-found", raiz->Texto(),
                "root not found: \"" + raiz->Texto() + "\" is not a note name"};
    }
    if (const auto* formato = dynamic_cast<const FormatoInvalidoException*>(&e)) {
        if (formato->Texto().empty()) {
            return {"invalid-format", "", "the chord needs more than five keys"};
        }
        return {"invalid-format", formato->Texto(), "invalid chord symbol"};
    }
    return {"invalid-format", e.what(), e.what()};
}

nlohmann::json CifraEmJson(const std::string& cifra, CifraCodificada c) {
    nlohmann::json intervalos = nlohmann::json::array();
    for (int s = 1; s <= 11; ++s) {
        if (TemIntervalo(c, s)) intervalos.push_back(s);
    }
    nlohmann::json baixo = nullptr;
    if (TemBaixo(c)) baixo = std::string(NomesNotas[static_cast<std::size_t>(BaixoCifra(c))]);
    return {{"symbol", cifra},
            {"code", c},
            {"root", std::string(NomesNotas[static_cast<std::size_t>(RaizCifra(c))])},
            {"bass", baixo},
            {"intervals", intervalos}};
}

std::string TextoJson(const nlohmann::json& j) {
    return j.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
}

nlohmann::json ErroEmJson(const std::string& cifra, const Erro& erro) {
    return {{"symbol", cifra}, {"error", erro.tipo}, {"text", erro.texto}};
}

std::string Rotulo(const std::string& nome, int tecla, int slot, ModoVisualizacao rotulos) {
    return std::string(RotuloTecla(nome, tecla, slot, rotulos));
}

namespace {

int Custo(const PosicaoHarmonicaTeclado& p) {
    PosicaoHarmonicaGerador g;
    for (int s = 0; s < QuantidadeDedos; ++s) {
        const int k = p.TeclaDoDedo(s);
        if (k < 0) continue;
        g.Teclas[static_cast<std::size_t>(k)] = 1;
        g.Dedos[static_cast<std::size_t>(k)] = static_cast<std::int8_t>(s);
    }
    return GeradorAcordesTeclado::Instancia().CustoDedilhado(g);
}

}  // namespace

nlohmann::json AcordeEmJson(const AcordeTeclado& acorde, ModoVisualizacao rotulos) {
    nlohmann::json posicoes = nlohmann::json::array();
    for (int i = 0; i < acorde.QuantidadePosicoes(); ++i) {
        const PosicaoHarmonicaTeclado& p = acorde.Posicao(i);
        nlohmann::json teclas = nlohmann::json::array(), dedos = nlohmann::json::array(),
                       rotulosJson = nlohmann::json::array();
        int distancia = 0;
        for (int k : p.TeclasPressionadas()) {
            const int slot = p.DedoDaTecla(k);
            teclas.push_back(k);
            dedos.push_back(slot + 1);
            rotulosJson.push_back(Rotulo(acorde.Nome(), k, slot, rotulos));
            distancia += std::abs(k - TeclaCentral);
        }
        posicoes.push_back({{"keys", teclas},
                            {"fingers", dedos},
                            {"mask", p.Mascara()},
                            {"distance", distancia},
                            {"cost", Custo(p)},
                            {"labels", rotulosJson}});
    }
    return {{"symbol", acorde.Nome()}, {"code", acorde.Codigo()}, {"positions", posicoes}};
}

std::string DesenharTeclado(const AcordeTeclado& acorde, int indice, ModoVisualizacao rotulos) {
    // Each white key is three columns wide between bars; a black key covers the bar between
    // its two white neighbours. Labels are at most three characters ("b13", "C#").
    constexpr int kLargura = 15 * 4 + 1;
    const PosicaoHarmonicaTeclado& p = acorde.Posicao(indice);
    std::string linhas[6];
    linhas[0] = " " + std::string(kLargura - 2, '_') + " ";
    for (int r = 1; r < 6; ++r) {
        linhas[r].assign(kLargura, r == 5 ? '_' : ' ');
        for (int c = 0; c < kLargura; c += 4) linhas[r][static_cast<std::size_t>(c)] = '|';
    }
    // Black keys use a full block, written after the layout as UTF-8; mark their cells first.
    std::vector<std::pair<int, std::string>> pretas[2];  // row 1 and 2: column, content
    const auto centralizar = [](std::string s) {
        if (s.size() == 1) return " " + s + " ";
        if (s.size() == 2) return " " + s;
        return s;
    };
    for (int k = 0; k < QuantidadeTeclas; ++k) {
        const int slot = p.DedoDaTecla(k);
        const std::string rotulo =
            slot >= 0 ? centralizar(Rotulo(acorde.Nome(), k, slot, rotulos)) : "";
        if (TeclaPreta(k)) {
            const int coluna = 4 * (IndiceTeclaBranca[k] + 1) - 1;
            pretas[0].emplace_back(coluna, "");
            pretas[1].emplace_back(coluna, rotulo);
        } else if (!rotulo.empty()) {
            linhas[4].replace(static_cast<std::size_t>(4 * IndiceTeclaBranca[k] + 1), 3, rotulo);
        }
    }
    std::string resultado;
    for (int r = 0; r < 6; ++r) {
        std::string linha = linhas[r];
        if (r == 1 || r == 2) {
            std::string montada;
            int c = 0;
            for (const auto& [coluna, conteudo] : pretas[r - 1]) {
                montada +=
                    linha.substr(static_cast<std::size_t>(c), static_cast<std::size_t>(coluna - c));
                if (conteudo.empty()) {
                    montada += "\u2588\u2588\u2588";
                } else {
                    montada += conteudo;  // a pressed black key shows its label in a gap
                }
                c = coluna + 3;
            }
            linha = montada + linha.substr(static_cast<std::size_t>(c));
        }
        resultado += linha + '\n';
    }
    return resultado;
}

std::string TextoLegivel(std::string_view texto) {
    std::string legivel;
    legivel.reserve(texto.size());
    for (std::size_t i = 0; i < texto.size();) {
        const std::size_t n = utf8::TamanhoCaractere(texto, i);
        if (n == 1 && static_cast<unsigned char>(texto[i]) >= 0x80) {
            legivel += "\xEF\xBF\xBD";
        } else {
            legivel.append(texto, i, n);
        }
        i += n;
    }
    return legivel;
}

}  // namespace saida
