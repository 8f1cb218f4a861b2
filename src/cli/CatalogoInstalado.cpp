// SPDX-License-Identifier: GPL-3.0-or-later
#include "CatalogoInstalado.h"

#include <iostream>

#include "ChavesIdioma.h"
#include "GerenciadorIdiomas.h"
#include "Instalacao.h"
#include "LeituraArquivo.h"

std::vector<std::string> CatalogoInstalado(std::string_view comando) {
    try {
        GerenciadorIdiomas idiomas(PastaInstalacao(), nullptr);
        if (!idiomas.NomesIdiomas().empty()) {
            idiomas.CarregarIdioma(0);
            if (!idiomas
                     .ObterTexto(idm::parametros::Secao,
                                 idm::parametros::caminhoArquivoBaseNomesAcordes)
                     .empty()) {
                return LerLinhasArquivoTexto(
                    idiomas.CaminhoParametro(idm::parametros::caminhoArquivoBaseNomesAcordes));
            }
        }
    } catch (const std::exception&) {
    }
    std::cerr << "tastavo-cli: " << comando
              << ": no chord names file found; names are ranked without it\n";
    return {};
}
