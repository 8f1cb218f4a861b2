// SPDX-License-Identifier: GPL-3.0-or-later
// A computer without sound: no audio output for the built-in synthesizer and no MIDI port.
// The wizard says so once instead of playing a scale into nothing, and Listen shows chords
// with one plain notice per run, never the advice to choose another device.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <chrono>

#include "Apoio.h"
#include "ChavesIdioma.h"
#include "TformAssistenteConfiguracaoDriver.h"
#include "TformAviso.h"
#include "TformPrincipal.h"

namespace {

class SemSom : public ::testing::Test {
  protected:
    void SetUp() override {
        instalacao.EscreverConfiguracao("[geral]\nidioma=English\nplacaSom=0\n");
        Gravador().DefinirAbrirFunciona(false);  // the only device cannot open
        dominio = std::make_unique<Dominio>(instalacao, "English");
        Gravador().LimparMensagens();
    }
    void TearDown() override { Gravador().DefinirAbrirFunciona(true); }

    std::string Texto(std::string_view secao, std::string_view chave) const {
        return dominio->idiomas->ObterTexto(secao, chave);
    }

    Instalacao instalacao;
    std::unique_ptr<Dominio> dominio;
};

TEST_F(SemSom, TheWizardSaysSoOnceAndAnswersTheFirstDevice) {
    PortaDeTeste().Close();
    CaixasRegistradas caixas;
    TformAssistenteConfiguracaoDriver assistente(dominio->player, *dominio->idiomas, Caixas(),
                                                 std::chrono::milliseconds(0));
    EXPECT_EQ(assistente.Executar(), 0);  // an answer: the wizard does not come back next time
    EXPECT_FALSE(assistente.isVisible());
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    // The language file's line break reaches the box as a plain new line.
    std::string esperado = Texto(idm::fmAssistenteConfiguracaoDriver::Secao,
                                 idm::fmAssistenteConfiguracaoDriver::msgSemSaidaAudio);
    esperado.erase(esperado.find('\r'), 1);
    EXPECT_EQ(caixas.Pedidos()[0].texto, esperado);
    EXPECT_TRUE(Gravador().Mensagens().empty());  // no scale played into nothing
}

TEST_F(SemSom, ListenShowsTheChordWithOnePlainNoticePerRun) {
    PortaDeTeste().Close();
    TformPrincipal janela(DependenciasDaJanela(*dominio, instalacao));
    janela.show();
    CaixasRegistradas caixas;
    janela.editNomeAcorde->setText(QStringLiteral("C"));
    janela.editNomeAcordeEnter();
    for (int vez = 0; vez < 3; ++vez) {
        janela.btnOuvirAcordeMouseDown();
        janela.btnOuvirAcordeMouseUp();
    }
    ASSERT_EQ(caixas.Pedidos().size(), 1u);
    EXPECT_EQ(caixas.Pedidos()[0].texto,
              Texto(idm::fmPrincipal::Secao, idm::fmPrincipal::msgSemSaidaAudio));
    EXPECT_FALSE(janela.imgTeclado->accessibleDescription().isEmpty());
    EXPECT_TRUE(
        janela.imgTeclado->accessibleDescription().startsWith(QStringLiteral("C, position 1")));
}

TEST_F(SemSom, WhenAnotherDeviceWorksTheAdviceToChooseItStands) {
    // Two devices: the chosen one fails, the other opens: there is sound to be had.
    auto outro = std::make_shared<BackendGravador>("Other device");
    auto falho = std::make_shared<BackendGravador>("Broken device");
    falho->DefinirAbrirFunciona(false);
    TMidiOutput porta(std::vector<std::shared_ptr<BackendMidi>>{falho, outro});
    MidiOutput player(&porta);
    EXPECT_TRUE(player.AlgumaSaidaAbre());
    EXPECT_EQ(porta.DeviceID(), 0);  // left on the device it was on
    MidiOutput semPorta(nullptr);
    EXPECT_FALSE(semPorta.AlgumaSaidaAbre());
}

}  // namespace
