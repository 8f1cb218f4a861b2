// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli transpose: a chord chart with every chord moved up or down by semitones.
#include <iostream>
#include <optional>
#include <string>

#include "CifraEmPartes.h"
#include "Comandos.h"
#include "LeituraEntrada.h"
#include "TransposicaoCifra.h"

namespace {

const CLI::Validator NumeroNatural(
    [](std::string& valor) -> std::string {
        if (valor.empty() || valor.find_first_not_of("0123456789") != std::string::npos) {
            return "N must be a whole number from 0 up, not \"" + valor + "\"";
        }
        return {};
    },
    "", "NUMERO_NATURAL");

GrafiaTransposicao LerGrafia(const std::string& grafia) {
    if (grafia == "sharps") return GrafiaTransposicao::Sustenidos;
    if (grafia == "flats") return GrafiaTransposicao::Bemois;
    if (grafia == "key") return GrafiaTransposicao::Tom;
    return GrafiaTransposicao::Tabelas;
}

int Executar(const std::string& acima, const std::string& abaixo, const std::string& arquivo,
             const OpcoesTransposicao& opcoes) {
    const GrafiaTransposicao grafia = opcoes.grafia;
    const bool paraCima = !acima.empty();
    const int semitons = LerSemitons(paraCima ? acima : abaixo).value_or(0);
    const SentidoTransposicao sentido =
        paraCima ? SentidoTransposicao::Acima : SentidoTransposicao::Abaixo;

    SaidaComando saida("transpose");
    // Lines that look like chord lines but stay as lyrics are told on stderr as they pass.
    ColetaContinua avisos;
    AvisarLinhasRetidas(avisos);
    const auto nada = [](std::string_view) {};
    if (grafia != GrafiaTransposicao::Tabelas) {
        // Another spelling looks at the whole song first (its key), so the chart is read whole.
        std::string texto;
        bool marca = false;
        bool grande = false;
        const bool lido = LerEntradaEmPartes(
            arquivo, "transpose",
            [&](std::string_view parte, bool marcaOrdem) {
                marca = marcaOrdem;
                texto += parte;
                avisos.Acrescentar(parte, nada);
                return true;
            },
            &grande, LimiteEntradaCifra);
        if (!lido) return grande ? SaidaEntradaInvalida : SaidaArquivoIlegivel;
        avisos.Terminar(nada);
        saida.Escrever(marca ? "\xEF\xBB\xBF" : "");
        saida.Escrever(TransporTexto(texto, semitons, sentido, opcoes));
        return saida.Terminar() ? SaidaOk : SaidaEntradaInvalida;
    }

    // The chart is read, transposed and written a block at a time, so that a chart of any
    // length needs no more memory than a short one. Text that is not UTF-8 is read as
    // Windows-1252 and written as UTF-8; a byte-order mark stays in front, kept apart so that
    // it does not stick to the first word.
    TransposicaoContinua transposicao(semitons, sentido, opcoes.manterColunas);
    std::string bloco;
    bool inicio = true;
    const bool lido =
        LerEntradaEmPartes(arquivo, "transpose", [&](std::string_view texto, bool marcaOrdem) {
            bloco.clear();
            if (inicio && marcaOrdem) bloco = "\xEF\xBB\xBF";
            inicio = false;
            avisos.Acrescentar(texto, nada);
            transposicao.Acrescentar(texto, bloco);
            return saida.Escrever(bloco);
        });
    bloco.clear();
    if (lido) {
        avisos.Terminar(nada);
        transposicao.Terminar(bloco);
    }
    saida.Escrever(bloco);
    if (!saida.Terminar()) return SaidaEntradaInvalida;
    return lido ? SaidaOk : SaidaArquivoIlegivel;
}

const RegistrarComando registro{Comando{
    "transpose", "Transpose every chord of a chord chart (FILE or standard input) by N semitones",
    [](CLI::App& sub) -> std::function<int()> {
        auto acima = std::make_shared<std::string>();
        auto abaixo = std::make_shared<std::string>();
        auto arquivo = std::make_shared<std::string>();
        auto grafia = std::make_shared<std::string>("tables");
        auto colunas = std::make_shared<bool>(false);
        CLI::Option_group* sentido = sub.add_option_group("direction", "Give exactly one");
        sentido->add_option("--up", *acima, "Semitones up")->type_name("N")->check(NumeroNatural);
        sentido->add_option("--down", *abaixo, "Semitones down")
            ->type_name("N")
            ->check(NumeroNatural);
        sentido->require_option(1);
        sub.add_option("FILE", *arquivo,
                       "Chart file (UTF-8 or Windows-1252); standard input "
                       "when absent or \"-\"");
        sub.add_option("--spelling", *grafia,
                       "How transposed roots and basses are named: tables (the semitone "
                       "tables: up gives sharps, down mostly flats), sharps, flats, or key "
                       "(as the song's transposed key is written)")
            ->check(CLI::IsMember({"tables", "sharps", "flats", "key"}))
            ->default_str("tables");
        sub.add_flag("--keep-columns", *colunas,
                     "On chord lines, keep chords in their columns: a longer chord takes spaces "
                     "after it, a shorter one gets spaces added");
        return [=] {
            return Executar(*acima, *abaixo, *arquivo,
                            OpcoesTransposicao{LerGrafia(*grafia), *colunas});
        };
    }}};

}  // namespace
