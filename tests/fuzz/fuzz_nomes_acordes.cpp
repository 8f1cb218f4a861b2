// SPDX-License-Identifier: GPL-3.0-or-later
// The chord names file and the catalogue made of it. What must hold: every line is a name or a
// rejected line, the names make a catalogue, its order is consistent, and every name finds an
// entry that means the same chord.
#include <string>

#include "Alvos.h"
#include "BaseNomesAcordes.h"
#include "LeituraArquivo.h"

namespace {

int Sinal(int v) { return (v > 0) - (v < 0); }

}  // namespace

void fuzz::NomesAcordes(const std::uint8_t* dados, std::size_t tamanho) {
    const std::vector<std::string> linhas =
        LinhasDoTexto({reinterpret_cast<const char*>(dados), tamanho});
    const ArquivoNomesAcordes lido = SepararNomesAcordes(linhas);
    Exigir(lido.nomes.size() + lido.rejeitadas.size() <= linhas.size(), "lines were counted twice");
    for (const auto& rejeitada : lido.rejeitadas) {
        Exigir(rejeitada.numero >= 1 && rejeitada.numero <= linhas.size() &&
                   linhas[rejeitada.numero - 1] == rejeitada.texto,
               "a rejected line is not named by its number");
    }

    BaseNomesAcordes base(lido.nomes);
    const std::vector<std::string> nomes = base.Nomes();
    Exigir(nomes.size() == lido.nomes.size(), "the catalogue lost or gained names");
    for (std::size_t i = 0; i + 1 < nomes.size(); ++i) {
        const int ab = BaseNomesAcordes::CompararNomes(nomes[i], nomes[i + 1]);
        Exigir(ab <= 0, "the catalogue is out of order");
        Exigir(Sinal(BaseNomesAcordes::CompararNomes(nomes[i + 1], nomes[i])) == -Sinal(ab),
               "the order is not antisymmetric");
    }
    for (std::size_t i = 0; i < nomes.size() && i < 64; ++i) {
        const int indice = base.Procurar(nomes[i]);
        Exigir(indice >= 0 && indice <= static_cast<int>(i) &&
                   base.ValorEm(indice) == AnalisarCifra(nomes[i]),
               "a name does not find its chord");
    }
    if (!nomes.empty()) {
        const int novo = base.Adicionar(nomes.back());
        Exigir(base.NomeEm(novo) == nomes.back(), "an added name is not where it was put");
    }
}
