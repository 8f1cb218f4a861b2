// tastavo-cli catalogue: the names of a chord names file in catalogue order.
#include <iostream>
#include <memory>

#include "BaseNomesAcordes.h"
#include "LeituraArquivo.h"
#include "ChavesIdioma.h"
#include "Cifra.h"
#include "Comandos.h"
#include "GerenciadorIdiomas.h"
#include "Instalacao.h"

namespace {

// The chord names file of the first installed language, or empty after telling why not.
std::filesystem::path CatalogoInstalado() {
    GerenciadorIdiomas idiomas(PastaInstalacao(), nullptr);
    if (idiomas.NomesIdiomas().empty()) return {};
    idiomas.CarregarIdioma(0);
    if (idiomas.ObterTexto(idm::parametros::Secao, idm::parametros::caminhoArquivoBaseNomesAcordes)
            .empty()) {
        std::cerr << "tastavo-cli: language \"" << idiomas.NomesIdiomas().front()
                  << "\" names no chord names file\n";
        return {};
    }
    return idiomas.CaminhoParametro(idm::parametros::caminhoArquivoBaseNomesAcordes);
}

int Executar(const std::string& arquivoDado) {
    try {
        const std::filesystem::path arquivo =
            arquivoDado.empty() ? CatalogoInstalado() : std::filesystem::path(arquivoDado);
        if (arquivo.empty()) return SaidaEntradaInvalida;
        const auto linhas = LerLinhasArquivoTexto(arquivo);

        // Every bad line is reported; the good ones still make a catalogue.
        int status = SaidaOk;
        std::vector<std::string> validas;
        for (std::size_t i = 0; i < linhas.size(); ++i) {
            CifraCodificada valor;
            if (TentarAnalisarCifra(linhas[i], valor)) {
                validas.push_back(linhas[i]);
            } else {
                status = SaidaEntradaInvalida;
                std::cerr << "tastavo-cli: " << arquivo.string() << ':' << (i + 1)
                          << ": not a chord symbol: \"" << linhas[i] << "\"\n";
            }
        }
        for (const auto& nome : BaseNomesAcordes(validas).Nomes()) std::cout << nome << '\n';
        return status;
    } catch (const std::filesystem::filesystem_error& e) {
        std::cerr << "tastavo-cli: cannot read " << e.path1().string() << '\n';
        return SaidaEntradaInvalida;
    }
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
