// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli catalogue: the names of a chord names file in catalogue order.
#include <iostream>
#include <memory>

#include "BaseNomesAcordes.h"
#include "ChavesIdioma.h"
#include "Comandos.h"
#include "GerenciadorIdiomas.h"
#include "Instalacao.h"
#include "LeituraArquivo.h"
#include "LeituraEntrada.h"

namespace {

// The chord names file of the first installed language, or empty after telling why not.
std::filesystem::path CatalogoInstalado() {
    GerenciadorIdiomas idiomas(PastaInstalacao(), nullptr);
    if (idiomas.NomesIdiomas().empty()) {
        std::cerr << "tastavo-cli: catalogue: no language is installed in "
                  << PastaInstalacao().string() << " to name the chord names file\n";
        return {};
    }
    idiomas.CarregarIdioma(0);
    if (idiomas.ObterTexto(idm::parametros::Secao, idm::parametros::caminhoArquivoBaseNomesAcordes)
            .empty()) {
        std::cerr << "tastavo-cli: catalogue: language \"" << idiomas.NomesIdiomas().front()
                  << "\" names no chord names file\n";
        return {};
    }
    return idiomas.CaminhoParametro(idm::parametros::caminhoArquivoBaseNomesAcordes);
}

int Executar(const std::string& arquivoDado) {
    std::filesystem::path arquivo;
    ArquivoNomesAcordes lido;
    try {
        arquivo = arquivoDado.empty() ? CatalogoInstalado() : std::filesystem::path(arquivoDado);
        if (arquivo.empty()) return SaidaArquivoIlegivel;
        lido = LerArquivoNomesAcordes(arquivo);
    } catch (const std::filesystem::filesystem_error& e) {
        std::cerr << "tastavo-cli: catalogue: cannot read " << e.path1().string() << ": "
                  << e.code().message() << '\n';
        return SaidaArquivoIlegivel;
    }

    // Every bad line is reported; the good ones still make a catalogue.
    int status = SaidaOk;
    for (const auto& linha : lido.rejeitadas) {
        status = SaidaEntradaInvalida;
        std::cerr << "tastavo-cli: " << arquivo.string() << ':' << linha.numero
                  << ": not a chord symbol: \"" << linha.texto << "\"\n";
    }
    SaidaComando saida("catalogue");
    std::string texto;
    for (const auto& nome : BaseNomesAcordes(lido.nomes).Nomes()) {
        texto += nome;
        texto += '\n';
    }
    saida.Escrever(texto);
    return saida.Terminar() ? status : SaidaEntradaInvalida;
}

const RegistrarComando registro{Comando{
    "catalogue", "Print the names of a chord names file in catalogue order",
    [](CLI::App& sub) -> std::function<int()> {
        auto arquivo = std::make_shared<std::string>();
        sub.add_option("FILE", *arquivo,
                       "Chord names file, one symbol per line (default: the installed catalogue)");
        return [arquivo] { return Executar(*arquivo); };
    }}};

}  // namespace
