// SPDX-License-Identifier: GPL-3.0-or-later
// A first run without a chosen device: start-up creates the sound windows, the main window runs
// the driver wizard when it is shown, and the device heard is stored when the user leaves.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "AplicacaoTastavo.h"
#include "ApoioSom.h"
#include "ArquivoConfiguracao.h"
#include "CaixaMensagem.h"
#include "ConfiguracaoSom.h"
#include "DispositivosGravados.h"
#include "GerenciadorIdiomas.h"
#include "Inicializacao.h"
#include "TformAssistenteConfiguracaoDriver.h"
#include "TformPrincipal.h"
#include "TformSetup.h"

namespace {

std::string Ler(const std::string& caminho) {
    std::ifstream arquivo(caminho);
    std::stringstream texto;
    texto << arquivo.rdbuf();
    return texto.str();
}

TEST(PrimeiraExecucao, WizardChoosesTheDeviceThatIsStoredOnLeaving) {
    DispositivosGravados sistema({"Synth", "Port A", "Port B"});
    CaixasGravadas caixas;  // leaving asks; the answer is Yes
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const std::string ini = pasta.filePath(QStringLiteral("tastavo.ini")).toStdString();
    std::ofstream(ini) << "[geral]\nidioma=Português\ninstrumentoTeclado=30\nmouseTocarTeclas=1\n";

    AmbienteInicializacao ambiente;
    ambiente.configuracao = ini;
    ambiente.idiomas = &IdiomasDeTeste();
    ambiente.mensagens = &caixas;
    ambiente.porta = sistema.porta.get();
    ambiente.pontosPorPolegada = [] { return 96.0; };
    ambiente.esperaSplashMs = 0;
    ambiente.duracaoNotaEscala = std::chrono::milliseconds(0);
    std::string passos;
    ambiente.emVezDoLaco = [&](JanelasAplicacao& janelas) {
        TformAssistenteConfiguracaoDriver& assistente = janelas.Assistente();
        // The user answers: not the first device, the second one.
        std::vector<const char*> botoes = {"btnProsseguir", "btnNaoEscutando", "btnProsseguir",
                                           "btnEscutando", "btnFinalizar"};
        QObject contexto;  // the answers still pending die with this scope
        std::function<void()> clicar = [&] {
            if (botoes.empty() || !assistente.isVisible()) return;
            passos += assistente.PassoAtual();
            // Under the main window (which has a style sheet), each step's text still fits.
            for (const char* nome : {"lblExplicacao1", "lblExplicacao2"}) {
                const QLabel* rotulo = assistente.findChild<QLabel*>(QString::fromLatin1(nome));
                EXPECT_LE(rotulo->heightForWidth(rotulo->width()), rotulo->height())
                    << nome << " at step " << assistente.PassoAtual();
            }
            QPushButton* botao =
                assistente.findChild<QPushButton*>(QString::fromLatin1(botoes.front()));
            botoes.erase(botoes.begin());
            QTest::mouseClick(botao, Qt::LeftButton);
            QTimer::singleShot(0, &contexto, clicar);
        };
        QTimer::singleShot(0, &contexto, clicar);
        sistema.LimparMensagens();
        janelas.principal->show();  // runs the wizard modally

        EXPECT_EQ(passos, "ABABC");
        EXPECT_EQ(janelas.som->PlacaSom(), 1);
        EXPECT_EQ(janelas.som->InstrumentoTeclado(), 30);
        EXPECT_EQ(TformSetup::ObterPlacaSom(), 1);  // the class-level façade sees the same
        // The wizard's scale on devices 0 and 1, then the stored instrument on the device heard.
        EXPECT_EQ(sistema.Mensagens(0).size(), 49u);
        ASSERT_EQ(sistema.Mensagens(1).size(), 50u);
        EXPECT_EQ(sistema.Mensagens(1).back(), (std::vector<std::uint8_t>{0xC0, 30}));
        EXPECT_EQ(sistema.porta->DeviceID(), 1);

        janelas.principal->close();
        EXPECT_EQ(caixas.pedidos.size(), 1u);
    };
    auto* app = dynamic_cast<AplicacaoTastavo*>(QCoreApplication::instance());
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(Inicializar(*app, ambiente), 0);

    const ArquivoConfiguracao salvo{std::filesystem::path(ini)};
    EXPECT_EQ(salvo.ObterPlacaSom(), 1) << Ler(ini);
    EXPECT_EQ(salvo.ObterInstrumentoTeclado(), 30);
    EXPECT_TRUE(salvo.ObterMouseTocarTeclas());
}

}  // namespace
