// SPDX-License-Identifier: GPL-3.0-or-later
// The sound windows' tests run offscreen, under the application object, in the Portuguese
// language installed in build/bin.
#include <gtest/gtest.h>

#include <memory>

#include "AplicacaoTastavo.h"
#include "ApoioSom.h"
#include "CaminhosTeste.h"
#include "GerenciadorIdiomas.h"
#include "InteracaoIdiomas.h"

namespace {

// Picks the first language when asked and shows nothing.
class InteracaoSilenciosa : public InteracaoIdiomas {
  public:
    void MostrarMensagem(std::string_view, std::string_view) override {}
    int EscolherIndice(const std::vector<std::string>& nomes, int) override {
        return nomes.empty() ? -1 : 0;
    }
    void EncerrarAplicacao() override {}
};

}  // namespace

GerenciadorIdiomas& IdiomasDeTeste() {
    static GerenciadorIdiomas idiomas(tastavo_teste::PastaBinarios(),
                                      std::make_unique<InteracaoSilenciosa>());
    return idiomas;
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    AplicacaoTastavo app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    IdiomasDeTeste().SelecionarIdioma("Português");
    return RUN_ALL_TESTS();
}
