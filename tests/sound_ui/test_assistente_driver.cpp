// SPDX-License-Identifier: GPL-3.0-or-later
// The sound driver wizard driven as a user drives it: modally, by clicking its buttons, over
// recorded devices.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "ApoioSom.h"
#include "CaixaMensagem.h"
#include "ChavesIdioma.h"
#include "ControleVolume.h"
#include "DispositivosGravados.h"
#include "GerenciadorIdiomas.h"
#include "TformAssistenteConfiguracaoDriver.h"

namespace {

namespace chaves = idm::fmAssistenteConfiguracaoDriver;
using Assistente = TformAssistenteConfiguracaoDriver;
using Mensagem = std::vector<std::uint8_t>;

constexpr std::chrono::milliseconds SemPausa{0};
const char* const Fechar = "close box";
// The wizard shows no message box unless a test says otherwise.
CaixasGravadas semCaixas(false);

QString Texto(std::string_view chave) {
    return QString::fromStdString(IdiomasDeTeste().ObterTexto(chaves::Secao, chave))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QPushButton* Botao(Assistente& janela, const char* nome) {
    return janela.findChild<QPushButton*>(QString::fromLatin1(nome));
}

QLabel* Rotulo(Assistente& janela, const char* nome) {
    return janela.findChild<QLabel*>(QString::fromLatin1(nome));
}

// A whole run: the steps shown before each action ("A1" is step A for device 1) and the result.
struct Execucao {
    std::string passos;
    int resultado = -99;
};

// Runs the wizard modally and, at each step, clicks the next of `acoes` (a button's name, or
// the close box). A button that is not there to click ends the run with "!" in the steps.
Execucao ExecutarClicando(Assistente& janela, std::vector<const char*> acoes) {
    Execucao execucao;
    std::size_t proxima = 0;
    QObject contexto;  // the run's pending action dies with the run
    std::function<void()> agir = [&] {
        if (!janela.isVisible()) return;
        if (!execucao.passos.empty()) execucao.passos += ' ';
        execucao.passos += janela.PassoAtual();
        if (janela.PassoAtual() == 'A')
            execucao.passos += std::to_string(janela.IndiceDispositivo() + 1);
        if (proxima == acoes.size()) {
            execucao.passos += " !";
            janela.close();
            return;
        }
        const char* acao = acoes[proxima++];
        if (acao == Fechar) {
            janela.close();
            return;
        }
        QPushButton* botao = Botao(janela, acao);
        if (!botao || !botao->isVisible() || !botao->isEnabled()) {
            execucao.passos += " !";
            janela.close();
            return;
        }
        QTest::mouseClick(botao, Qt::LeftButton);
        QTimer::singleShot(0, &contexto, agir);
    };
    QTimer::singleShot(0, &contexto, agir);
    execucao.resultado = janela.Executar();
    return execucao;
}

struct CasoExecucao {
    const char* nome;
    int dispositivos;
    std::vector<const char*> acoes;
    std::string passos;
    int resultado;
};

class ExecucaoAssistente : public testing::TestWithParam<CasoExecucao> {};

TEST_P(ExecucaoAssistente, StepsAndResult) {
    const CasoExecucao& caso = GetParam();
    std::vector<std::string> nomes;
    for (int i = 0; i < caso.dispositivos; ++i) nomes.push_back("Device " + std::to_string(i + 1));
    DispositivosGravados sistema(nomes);
    Assistente janela(*sistema.jogador, IdiomasDeTeste(), semCaixas, SemPausa);

    const Execucao execucao = ExecutarClicando(janela, caso.acoes);

    EXPECT_EQ(execucao.passos, caso.passos);
    EXPECT_EQ(execucao.resultado, caso.resultado);
    EXPECT_FALSE(janela.isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Runs, ExecucaoAssistente,
    testing::Values(
        CasoExecucao{
            "SecondOfThreeHeard",
            3,
            {"btnProsseguir", "btnNaoEscutando", "btnProsseguir", "btnEscutando", "btnFinalizar"},
            "A1 B A2 B C",
            1},
        CasoExecucao{"NoneOfThreeHeard",
                     3,
                     {"btnProsseguir", "btnNaoEscutando", "btnProsseguir", "btnNaoEscutando",
                      "btnProsseguir", "btnNaoEscutando", "btnFinalizar"},
                     "A1 B A2 B A3 B D",
                     0},
        CasoExecucao{"CancelAtFirstStep", 3, {"btnCancelar"}, "A1", -1},
        CasoExecucao{
            "HeardThenCloseBox", 2, {"btnProsseguir", "btnEscutando", Fechar}, "A1 B C", 0},
        CasoExecucao{"CloseBoxWhileAsking", 2, {"btnProsseguir", Fechar}, "A1 B", 0},
        CasoExecucao{"CancelIsDisabledAtTheEnd",
                     1,
                     {"btnProsseguir", "btnNaoEscutando", "btnCancelar"},
                     "A1 B D !",
                     0}),
    [](const testing::TestParamInfo<CasoExecucao>& info) { return std::string(info.param.nome); });

TEST(AssistenteDriver, HeardDeviceThenCloseBoxKeepsTheDevice) {
    DispositivosGravados sistema({"Synth", "Port"});
    Assistente janela(*sistema.jogador, IdiomasDeTeste(), semCaixas, SemPausa);
    const Execucao execucao = ExecutarClicando(
        janela, {"btnProsseguir", "btnNaoEscutando", "btnProsseguir", "btnEscutando", Fechar});
    EXPECT_EQ(execucao.passos, "A1 B A2 B C");
    EXPECT_EQ(execucao.resultado, 1);
}

TEST(AssistenteDriver, StepTextsNameTheDeviceTried) {
    DispositivosGravados sistema({"Synth", "Port A", "Port B"});
    Assistente janela(*sistema.jogador, IdiomasDeTeste(), semCaixas, SemPausa);
    std::vector<QString> titulos;
    std::vector<QString> explicacoes;
    QTimer::singleShot(0, &janela, [&] {
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(Botao(janela, "btnProsseguir"), Qt::LeftButton);
            QTest::mouseClick(Botao(janela, "btnNaoEscutando"), Qt::LeftButton);
        }
        titulos.push_back(Rotulo(janela, "lblTitulo2")->text());
        explicacoes.push_back(Rotulo(janela, "lblExplicacao2")->text());
        QTest::mouseClick(Botao(janela, "btnProsseguir"), Qt::LeftButton);
        titulos.push_back(Rotulo(janela, "lblTitulo2")->text());
        explicacoes.push_back(Rotulo(janela, "lblExplicacao2")->text());
        QTest::mouseClick(Botao(janela, "btnNaoEscutando"), Qt::LeftButton);
        titulos.push_back(Rotulo(janela, "lblTitulo2")->text());
        explicacoes.push_back(Rotulo(janela, "lblExplicacao2")->text());
        janela.close();
    });
    janela.Executar();

    ASSERT_EQ(titulos.size(), 3u);
    ASSERT_FALSE(Texto(chaves::lblTitulo2_A).isEmpty()) << "no language loaded";
    EXPECT_EQ(titulos[0], Texto(chaves::lblTitulo2_A) + QStringLiteral(" 3:"));
    EXPECT_EQ(explicacoes[0], Texto(chaves::lblExplicacao2_A1) +
                                  QStringLiteral(" \"Port B\". \n\n") +
                                  Texto(chaves::lblExplicacao2_A2));
    EXPECT_EQ(titulos[1], Texto(chaves::lblTitulo2_B));
    EXPECT_EQ(explicacoes[1], Texto(chaves::lblExplicacao2_B));
    EXPECT_EQ(titulos[2], Texto(chaves::lblTitulo2_D));
    EXPECT_EQ(explicacoes[2], Texto(chaves::lblExplicacao2_D));
}

TEST(AssistenteDriver, EachStepShowsItsOwnButtons) {
    DispositivosGravados sistema({"Synth"});
    Assistente janela(*sistema.jogador, IdiomasDeTeste(), semCaixas, SemPausa);
    // Visible buttons, in the order Escutando, NaoEscutando, Prosseguir, Cancelar, Finalizar;
    // "d" is a visible but disabled one.
    std::vector<std::string> vistos;
    auto anotar = [&] {
        std::string visto;
        for (const char* nome :
             {"btnEscutando", "btnNaoEscutando", "btnProsseguir", "btnCancelar", "btnFinalizar"}) {
            QPushButton* b = Botao(janela, nome);
            visto += !b->isVisible() ? '-' : b->isEnabled() ? 'x' : 'd';
        }
        vistos.push_back(visto);
    };
    QTimer::singleShot(0, &janela, [&] {
        anotar();
        QTest::mouseClick(Botao(janela, "btnProsseguir"), Qt::LeftButton);
        anotar();
        QTest::mouseClick(Botao(janela, "btnEscutando"), Qt::LeftButton);
        anotar();
        EXPECT_TRUE(Botao(janela, "btnFinalizar")->isDefault());
        janela.close();
    });
    janela.Executar();
    EXPECT_EQ(vistos, (std::vector<std::string>{"--xx-", "xx---", "---dx"}));
}

TEST(AssistenteDriver, SecondRunStartsAfreshWithCancelEnabled) {
    DispositivosGravados sistema({"Synth", "Port"});
    Assistente janela(*sistema.jogador, IdiomasDeTeste(), semCaixas, SemPausa);
    ASSERT_EQ(ExecutarClicando(janela, {"btnProsseguir", "btnEscutando", "btnFinalizar"}).resultado,
              0);

    const Execucao segunda = ExecutarClicando(janela, {"btnCancelar"});
    EXPECT_EQ(segunda.passos, "A1");
    EXPECT_EQ(segunda.resultado, -1);
    EXPECT_FALSE(Botao(janela, "btnFinalizar")->isVisible());
}

TEST(AssistenteDriver, RunOverAnotherWindowBelongsToItOnlyMeanwhile) {
    DispositivosGravados sistema({"Synth"});
    QWidget principal;
    QDialog dono;
    Assistente janela(*sistema.jogador, IdiomasDeTeste(), semCaixas, SemPausa, &principal);
    QWidget* paiDuranteExecucao = nullptr;
    QTimer::singleShot(0, &janela, [&] {
        paiDuranteExecucao = janela.parentWidget();
        QTest::mouseClick(Botao(janela, "btnCancelar"), Qt::LeftButton);
    });
    EXPECT_EQ(janela.Executar(&dono), -1);
    EXPECT_EQ(paiDuranteExecucao, &dono);
    EXPECT_EQ(janela.parentWidget(), &principal);
    EXPECT_TRUE(janela.isWindow());
}

// What a device hears when the wizard tries it: instrument 0 (the port sends a program change's
// one data byte), then the test scale.
std::vector<Mensagem> EscalaComInstrumento() {
    std::vector<Mensagem> esperadas = {{0xC0, 0}};
    for (std::uint8_t nota = 60; nota <= 83; ++nota) {
        esperadas.push_back({0x90, nota, 127});
        esperadas.push_back({0x80, nota, 0});
    }
    return esperadas;
}

TEST(AssistenteDriver, TriedDevicesHearInstrumentZeroAndTheScale) {
    DispositivosGravados sistema({"Synth", "Port A", "Port B"});
    Assistente janela(*sistema.jogador, IdiomasDeTeste(), semCaixas, SemPausa);
    sistema.LimparMensagens();
    ExecutarClicando(janela, {"btnProsseguir", "btnNaoEscutando", "btnProsseguir", "btnEscutando",
                              "btnFinalizar"});

    EXPECT_EQ(sistema.Mensagens(0), EscalaComInstrumento());
    EXPECT_EQ(sistema.Mensagens(1), EscalaComInstrumento());
    EXPECT_TRUE(sistema.Mensagens(2).empty());
    // The player stays on the device last tried.
    EXPECT_EQ(sistema.porta->DeviceID(), 1);
    EXPECT_TRUE(sistema.gravadores[1]->Aberto());
}

TEST(AssistenteDriver, DeviceThatFailsStillLeadsToTheQuestion) {
    DispositivosGravados sistema({"Broken", "Port"});
    sistema.gravadores[0]->DefinirFalhaEnvio("device gone");
    Assistente janela(*sistema.jogador, IdiomasDeTeste(), semCaixas, SemPausa);
    const Execucao execucao = ExecutarClicando(
        janela,
        {"btnProsseguir", "btnNaoEscutando", "btnProsseguir", "btnEscutando", "btnFinalizar"});
    EXPECT_EQ(execucao.passos, "A1 B A2 B C");
    EXPECT_EQ(execucao.resultado, 1);
    EXPECT_TRUE(sistema.Mensagens(0).empty());
}

// Nothing that could sound (no device, no port, or none that opens): one message instead of the
// steps, and device 0 as the answer so that the wizard does not come back at the next start.
TEST(AssistenteDriver, NothingThatOpensSaysSoOnceWithoutTheSteps) {
    MidiOutput semPorta;
    DispositivosGravados nenhum(std::vector<std::string>{});
    DispositivosGravados fechados({"Synth", "Port"});
    for (auto& gravador : fechados.gravadores) gravador->DefinirAbrirFunciona(false);
    for (MidiOutput* jogador : {&semPorta, nenhum.jogador.get(), fechados.jogador.get()}) {
        CaixasGravadas caixas;
        Assistente janela(*jogador, IdiomasDeTeste(), caixas, SemPausa);
        const Execucao execucao = ExecutarClicando(janela, {"btnFinalizar"});
        EXPECT_EQ(execucao.passos, "");
        EXPECT_EQ(execucao.resultado, 0);
        ASSERT_EQ(caixas.pedidos.size(), 1u);
        EXPECT_EQ(QString::fromStdString(caixas.pedidos[0].texto)
                      .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
                  Texto(chaves::msgSemSaidaAudio));
    }
    EXPECT_TRUE(fechados.Mensagens(0).empty());
    EXPECT_TRUE(fechados.Mensagens(1).empty());
}

TEST(TocarEscalaTeste, TwentyFourNotesUpFromMiddleCAtFullVelocity) {
    DispositivosGravados sistema({"Synth"});
    sistema.jogador->SelecionarDispositivo(0);
    Assistente::TocarEscalaTeste(*sistema.jogador, SemPausa);

    std::vector<Mensagem> esperadas = EscalaComInstrumento();
    esperadas.erase(esperadas.begin());
    EXPECT_EQ(sistema.Mensagens(0), esperadas);
}

TEST(TocarEscalaTeste, FailureStopsTheScaleAtOnce) {
    DispositivosGravados sistema({"Synth"});
    EXPECT_THROW(Assistente::TocarEscalaTeste(*sistema.jogador, SemPausa),
                 MidiDesabilitadoException);
    MidiOutput semPorta;
    EXPECT_THROW(Assistente::TocarEscalaTeste(semPorta, SemPausa), MidiDesabilitadoException);
    EXPECT_TRUE(sistema.Mensagens(0).empty());
}

TEST(AssistenteDriver, VolumeLinkThatCannotOpenShowsTheMessage) {
    DispositivosGravados sistema({"Synth"});
    CaixasGravadas caixas;
    Assistente janela(*sistema.jogador, IdiomasDeTeste(), caixas, SemPausa);
    int tentativas = 0;
    auto& mensagens = caixas.pedidos;
    janela.abrirControleVolume = [&] { return ++tentativas, false; };
    janela.show();
    QTest::mouseClick(Rotulo(janela, "lblLinkVolumeWindows"), Qt::LeftButton);
    EXPECT_EQ(tentativas, 1);
    ASSERT_EQ(mensagens.size(), 1u);
    EXPECT_EQ(mensagens[0].tipo, caixaMensagem::Tipo::Ok);
    EXPECT_EQ(QString::fromStdString(mensagens[0].texto), Texto(chaves::erroAbrirVolumeWindows));
    EXPECT_EQ(QString::fromStdString(mensagens[0].titulo), Texto(chaves::titulo));

    janela.abrirControleVolume = [&] { return ++tentativas, true; };
    QTest::mouseClick(Rotulo(janela, "lblLinkVolumeWindows"), Qt::LeftButton);
    EXPECT_EQ(tentativas, 2);
    EXPECT_EQ(mensagens.size(), 1u);
    janela.close();
}

// A program that records its arguments in the file `saida`.
void CriarPrograma(const QString& caminho, const QString& saida) {
    QFile arquivo(caminho);
    ASSERT_TRUE(arquivo.open(QIODevice::WriteOnly));
    arquivo.write(QStringLiteral("#!/bin/sh\necho \"$@\" > '%1.tmp' && mv '%1.tmp' '%1'\n")
                      .arg(saida)
                      .toUtf8());
    arquivo.close();
    arquivo.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ExeOwner);
}

TEST(ControleVolume, StartsTheFirstInstalledProgramWithItsArguments) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    const QString saida = pasta.filePath(QStringLiteral("args"));
    CriarPrograma(pasta.filePath(QStringLiteral("mixer-b")), saida);
    CriarPrograma(pasta.filePath(QStringLiteral("mixer-c")), saida + QStringLiteral("-c"));
    const std::vector<ProgramaVolume> candidatos = {
        {QStringLiteral("mixer-a"), {}},
        {QStringLiteral("mixer-b"), {QStringLiteral("sound"), QStringLiteral("a b;$(x)")}},
        {QStringLiteral("mixer-c"), {}},
    };

    ASSERT_TRUE(AbrirControleVolume(candidatos, {pasta.path()}));
    // The program runs on its own; wait for its answer.
    for (int i = 0; i < 1000 && !QFile::exists(saida); ++i) QTest::qWait(10);
    QFile arquivo(saida);
    ASSERT_TRUE(arquivo.open(QIODevice::ReadOnly));
    // No shell between us and the program: the argument arrives as one word, unexpanded.
    EXPECT_EQ(arquivo.readAll().trimmed(), QByteArray("sound a b;$(x)"));
    EXPECT_FALSE(QFile::exists(saida + QStringLiteral("-c")));
}

TEST(ControleVolume, NoneInstalledIsAFailure) {
    QTemporaryDir pasta;
    ASSERT_TRUE(pasta.isValid());
    EXPECT_FALSE(AbrirControleVolume({{QStringLiteral("no-such-mixer"), {}}}, {pasta.path()}));
    EXPECT_FALSE(AbrirControleVolume({}, {pasta.path()}));
}

}  // namespace
