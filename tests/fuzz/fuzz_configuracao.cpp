// SPDX-License-Identifier: GPL-3.0-or-later
// The configuration file. What must hold: reading any file never fails, and what is written
// back from the values read reads back as the same values.
#include <string>

#include "Alvos.h"
#include "ArquivoConfiguracao.h"
#include "LeitorIni.h"
#include "PastaFuzz.h"
#include "Utf8.h"

void fuzz::Configuracao(const std::uint8_t* dados, std::size_t tamanho) {
    const std::string_view bytes(reinterpret_cast<const char*>(dados), tamanho);
    const LeitorIni ini(utf8::DecodificarTexto(bytes));
    (void)ini.Ler("geral", "idioma");
    (void)ini.Ler("GERAL", "placaSom");

    const auto arquivo = EscreverArquivo("fuzz.ini", bytes);
    const ArquivoConfiguracao lida(arquivo);
    const std::string idioma = ArquivoConfiguracao::ObterIdioma(arquivo);

    EscreverArquivo("fuzz.ini",
                    ArquivoConfiguracao::Conteudo(
                        lida.ObterPlacaSom(), lida.ObterInstrumentoTeclado(),
                        lida.ObterModoVisualizacao(), lida.ObterMouseTocarTeclas(), idioma));
    const ArquivoConfiguracao relida(arquivo);
    Exigir(relida.ObterPlacaSom() == lida.ObterPlacaSom() &&
               relida.ObterInstrumentoTeclado() == lida.ObterInstrumentoTeclado() &&
               relida.ObterModoVisualizacao() == lida.ObterModoVisualizacao() &&
               relida.ObterMouseTocarTeclas() == lida.ObterMouseTocarTeclas(),
           "the values written do not read back");
    Exigir(ArquivoConfiguracao::ObterIdioma(arquivo) == idioma,
           "the language name written does not read back");
}
