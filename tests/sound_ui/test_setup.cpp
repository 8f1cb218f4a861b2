// SPDX-License-Identifier: GPL-3.0-or-later
// The sound settings window, shown offscreen over recorded devices and real instrument files.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <string>
#include <vector>

#include "ApoioSom.h"
#include "ChavesIdioma.h"
#include "ConfiguracaoSom.h"
#include "DispositivosGravados.h"
#include "EntradaSimulada.h"
#include "Fachada.h"
#include "GerenciadorIdiomas.h"
#include "TMidiInput.h"
#include "TformSetup.h"

namespace {

using Mensagem = std::vector<std::uint8_t>;

// A settings window over three recorded devices, with the sound settings set first and bound
// as start-up binds them (the class-level operations read them).
class JanelaSetup : public testing::Test {
  protected:
    void SetUp() override {
        som.Definir(1, 5, true);
        janela = std::make_unique<TformSetup>(som, IdiomasDeTeste());
        sistema.LimparMensagens();
    }
    void TearDown() override { janela.reset(); }

    template <typename T>
    T* Controle(const char* nome) {
        T* c = janela->findChild<T*>(QString::fromLatin1(nome));
        EXPECT_NE(c, nullptr) << nome;
        return c;
    }
    QListWidget* Drivers() { return Controle<QListWidget>("listaDrivers"); }
    QListWidget* Instrumentos() { return Controle<QListWidget>("listaInstrumentos"); }
    QCheckBox* Toque() { return Controle<QCheckBox>("chkDesabilitarToque"); }
    QTabWidget* Pasta() { return Controle<QTabWidget>("Pasta"); }
    int Destacado(QListWidget* lista) {
        const auto itens = lista->selectedItems();
        return itens.isEmpty() ? -1 : lista->row(itens.front());
    }
    void Clicar(const char* botao) {
        QTest::mouseClick(Controle<QPushButton>(botao), Qt::LeftButton);
    }

    DispositivosGravados sistema{{"Synth", "Port A", "Port B"}};
    ConfiguracaoSom som{*sistema.jogador};
    Fachada<ConfiguracaoSom>::Vinculo vinculo{som};
    std::unique_ptr<TformSetup> janela;
};

TEST_F(JanelaSetup, OpensOnTheInstrumentsPageShowingTheState) {
    janela->show();
    EXPECT_EQ(Pasta()->currentIndex(), TformSetup::PaginaInstrumentos);
    ASSERT_EQ(Drivers()->count(), 3);
    EXPECT_EQ(Drivers()->item(2)->text(), QStringLiteral("Port B"));
    EXPECT_EQ(Destacado(Drivers()), 1);
    EXPECT_EQ(Destacado(Instrumentos()), 5);
    EXPECT_FALSE(Toque()->isChecked());

    // Whatever page was shown when it was last closed.
    Pasta()->setCurrentIndex(TformSetup::PaginaDrivers);
    Clicar("btnCancelar");
    janela->show();
    EXPECT_EQ(Pasta()->currentIndex(), TformSetup::PaginaInstrumentos);
}

TEST_F(JanelaSetup, OkStoresAndAppliesTheHighlightedChoices) {
    janela->show();
    Drivers()->setCurrentRow(2);
    Instrumentos()->setCurrentRow(40);
    Toque()->setChecked(true);
    Clicar("btnOk");

    EXPECT_EQ(janela->result(), QDialog::Accepted);
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(TformSetup::ObterPlacaSom(), 2);
    EXPECT_EQ(TformSetup::ObterInstrumentoTeclado(), 40);
    EXPECT_FALSE(TformSetup::ObterMouseTocarTeclas());
    EXPECT_EQ(sistema.porta->DeviceID(), 2);
    EXPECT_EQ(sistema.Mensagens(2), (std::vector<Mensagem>{{0xC0, 40}}));
}

TEST_F(JanelaSetup, OkWithNoDeviceHighlightedStoresMinusOne) {
    TformSetup::DefinirConfiguracoes(7, 5, true);  // a device the list does not hold
    janela->show();
    EXPECT_EQ(Destacado(Drivers()), -1);
    Clicar("btnOk");
    EXPECT_EQ(TformSetup::ObterPlacaSom(), -1);
    EXPECT_EQ(TformSetup::ObterInstrumentoTeclado(), 5);
}

TEST_F(JanelaSetup, CancelRestoresTheControlsAndKeepsTheState) {
    janela->show();
    Drivers()->setCurrentRow(0);
    Instrumentos()->setCurrentRow(90);
    Toque()->setChecked(true);
    Clicar("btnCancelar");

    EXPECT_EQ(janela->result(), QDialog::Rejected);
    EXPECT_EQ(Destacado(Drivers()), 1);
    EXPECT_EQ(Destacado(Instrumentos()), 5);
    EXPECT_FALSE(Toque()->isChecked());
    EXPECT_EQ(TformSetup::ObterPlacaSom(), 1);
    EXPECT_EQ(TformSetup::ObterInstrumentoTeclado(), 5);
    EXPECT_TRUE(TformSetup::ObterMouseTocarTeclas());
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(sistema.Mensagens(i).empty());
}

TEST_F(JanelaSetup, DoubleClickOnAnInstrumentAppliesItAndCloses) {
    janela->show();
    QListWidget* lista = Instrumentos();
    QListWidgetItem* item = lista->item(12);
    lista->scrollToItem(item);
    const QPoint ponto = lista->visualItemRect(item).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, ponto);
    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, ponto);

    EXPECT_EQ(janela->result(), QDialog::Accepted);
    EXPECT_FALSE(janela->isVisible());
    EXPECT_EQ(TformSetup::ObterInstrumentoTeclado(), 12);
    EXPECT_EQ(sistema.Mensagens(1), (std::vector<Mensagem>{{0xC0, 12}}));
}

TEST_F(JanelaSetup, WizardAnswerIsHighlightedButStoredOnlyOnOk) {
    std::vector<int> respostas = {-1, 2};
    janela->executarAssistente = [&] {
        const int r = respostas.front();
        respostas.erase(respostas.begin());
        return r;
    };
    janela->show();
    Clicar("btnAssistenteDriver");
    EXPECT_EQ(Destacado(Drivers()), 1);  // cancelled: the selection stays
    Clicar("btnAssistenteDriver");
    EXPECT_EQ(Destacado(Drivers()), 2);
    EXPECT_EQ(TformSetup::ObterPlacaSom(), 1);
    Clicar("btnOk");
    EXPECT_EQ(TformSetup::ObterPlacaSom(), 2);
}

TEST_F(JanelaSetup, WithoutAPortTheDeviceListIsEmpty) {
    MidiOutput semPorta;
    ConfiguracaoSom somSemPorta(semPorta);
    somSemPorta.Definir(1, 5, true);
    const Fachada<ConfiguracaoSom>::Vinculo outro(somSemPorta);
    janela = std::make_unique<TformSetup>(somSemPorta, IdiomasDeTeste());
    janela->show();
    EXPECT_EQ(Drivers()->count(), 0);
    Clicar("btnOk");
    EXPECT_EQ(TformSetup::ObterPlacaSom(), -1);
}

TEST(AplicarConfiguracoes, SelectsTheDeviceThenTheInstrument) {
    DispositivosGravados sistema({"Synth", "Port"});
    ConfiguracaoSom som(*sistema.jogador);
    const Fachada<ConfiguracaoSom>::Vinculo vinculo(som);
    struct Caso {
        int placa, instrumento;
        std::vector<Mensagem> porta1;
    };
    // A device the port rejects skips the instrument; a number beyond the MIDI programs is not
    // sent.
    for (const Caso& caso :
         {Caso{1, 24, {{0xC0, 24}}}, Caso{1, 200, {}}, Caso{1, -1, {}}, Caso{9, 24, {}}}) {
        sistema.LimparMensagens();
        TformSetup::DefinirConfiguracoes(caso.placa, caso.instrumento, false);
        EXPECT_EQ(sistema.Mensagens(1), caso.porta1) << caso.placa << " " << caso.instrumento;
        EXPECT_TRUE(sistema.Mensagens(0).empty());
        EXPECT_EQ(TformSetup::ObterPlacaSom(), caso.placa);
        EXPECT_EQ(TformSetup::ObterInstrumentoTeclado(), caso.instrumento);
    }
}

// Instrument files.
class ArquivoInstrumentos : public JanelaSetup {
  protected:
    std::filesystem::path Escrever(const std::string& conteudo) {
        const std::filesystem::path caminho =
            std::filesystem::path(pasta.path().toStdString()) / "inst.txt";
        std::ofstream(caminho, std::ios::binary) << conteudo;
        return caminho;
    }
    std::vector<std::string> Entradas() {
        std::vector<std::string> entradas;
        for (int i = 0; i < Instrumentos()->count(); ++i)
            entradas.push_back(Instrumentos()->item(i)->text().toStdString());
        return entradas;
    }
    QTemporaryDir pasta;
};

TEST_F(ArquivoInstrumentos, OneEntryPerLineWithOrWithoutFinalLineBreak) {
    std::string linhas;
    for (int i = 0; i < 128; ++i)
        linhas += "Programa " + std::to_string(i) + (i == 127 ? "" : "\n");
    for (const std::string& conteudo : {linhas + "\n", linhas}) {
        janela->CarregarInstrumentos(Escrever(conteudo), "inst.txt");
        const auto entradas = Entradas();
        ASSERT_EQ(entradas.size(), 128u);
        EXPECT_EQ(entradas.front(), "Programa 0");
        EXPECT_EQ(entradas.back(), "Programa 127");
    }
}

TEST_F(ArquivoInstrumentos, KeepsBlankLinesSoNumbersStayProgramsAndDropsCarriageReturns) {
    janela->CarregarInstrumentos(Escrever("Piano\r\n\r\nÓrgão\r\n"), "inst.txt");
    EXPECT_EQ(Entradas(), (std::vector<std::string>{"Piano", "", "Órgão"}));
}

TEST_F(ArquivoInstrumentos, MissingFileGivesTheSingleErrorEntry) {
    const std::string mensagem = IdiomasDeTeste().ObterTexto("fmSetup", "msgErroAbrirArquivo");
    for (const auto& caminho :
         {std::filesystem::path(pasta.path().toStdString()) / "nao-existe.txt",
          std::filesystem::path(pasta.path().toStdString()),
          // A device would be read without end.
          std::filesystem::path("/dev/zero")}) {
        janela->CarregarInstrumentos(caminho, "dados\\nao-existe.txt");
        EXPECT_EQ(Entradas(), (std::vector<std::string>{mensagem + "\"dados\\nao-existe.txt\""}));
    }
    // The stored instrument has no entry: OK keeps it rather than storing -1, no program.
    janela->show();
    EXPECT_EQ(Destacado(Instrumentos()), -1);
    Clicar("btnOk");
    EXPECT_EQ(TformSetup::ObterInstrumentoTeclado(), 5);
    // Choosing the error entry selects instrument 0.
    janela->show();
    Instrumentos()->setCurrentRow(0);
    Clicar("btnOk");
    EXPECT_EQ(TformSetup::ObterInstrumentoTeclado(), 0);
}

TEST_F(ArquivoInstrumentos, ShippedListHasOneNameForEachProgram) {
    // Created with the language's own file, as the application does.
    EXPECT_EQ(Instrumentos()->count(), 128);
}

}  // namespace

namespace {

// The same window over a MIDI input port with two simulated keyboards.
class JanelaSetupEntrada : public JanelaSetup {
  protected:
    void SetUp() override {
        janela = std::make_unique<TformSetup>(somComEntrada, IdiomasDeTeste());
    }
    QComboBox* Entrada() { return Controle<QComboBox>("comboEntradaMidi"); }
    QCheckBox* Eco() { return Controle<QCheckBox>("chkEcoarEntrada"); }
    std::vector<std::string> Itens() {
        std::vector<std::string> itens;
        for (int i = 0; i < Entrada()->count(); ++i)
            itens.push_back(Entrada()->itemText(i).toStdString());
        return itens;
    }

    std::shared_ptr<EntradaSimulada> a = std::make_shared<EntradaSimulada>("Keyboard A");
    std::shared_ptr<EntradaSimulada> b = std::make_shared<EntradaSimulada>("Keyboard B");
    TMidiInput entrada{std::vector<std::shared_ptr<BackendEntradaMidi>>{a, b}};
    ConfiguracaoSom somComEntrada{*sistema.jogador, &entrada};
    Fachada<ConfiguracaoSom>::Vinculo vinculoEntrada{somComEntrada};
};

TEST_F(JanelaSetupEntrada, OkOpensTheChosenInputAndCancelUndoesTheChoice) {
    janela->show();
    EXPECT_EQ(Itens(), (std::vector<std::string>{"Nenhuma", "Keyboard A", "Keyboard B"}));
    EXPECT_EQ(Entrada()->currentIndex(), 0) << "none by default";
    EXPECT_FALSE(Eco()->isChecked());
    EXPECT_FALSE(entrada.Aberta());

    Entrada()->setCurrentIndex(2);
    Eco()->setChecked(true);
    Clicar("btnOk");
    EXPECT_EQ(somComEntrada.EntradaMidi(), "Keyboard B");
    EXPECT_TRUE(somComEntrada.EcoarEntrada());
    EXPECT_TRUE(b->Aberta());

    // Cancel after changing both: nothing changes, and the window shows the state again.
    janela->show();
    EXPECT_EQ(Entrada()->currentIndex(), 2);
    EXPECT_TRUE(Eco()->isChecked());
    Entrada()->setCurrentIndex(0);
    Eco()->setChecked(false);
    Clicar("btnCancelar");
    EXPECT_EQ(somComEntrada.EntradaMidi(), "Keyboard B");
    EXPECT_TRUE(somComEntrada.EcoarEntrada());
    EXPECT_TRUE(b->Aberta());
    EXPECT_EQ(Entrada()->currentIndex(), 2);
    EXPECT_TRUE(Eco()->isChecked());

    // A chosen keyboard unplugged meanwhile stays listed, so OK does not forget it.
    somComEntrada.DefinirEntrada("Keyboard C", false);
    janela->show();
    EXPECT_EQ(Itens().back(), "Keyboard C");
    EXPECT_EQ(Entrada()->currentText(), QStringLiteral("Keyboard C"));
    Clicar("btnOk");
    EXPECT_EQ(somComEntrada.EntradaMidi(), "Keyboard C");

    // None closes it.
    janela->show();
    Entrada()->setCurrentIndex(0);
    Clicar("btnOk");
    EXPECT_EQ(somComEntrada.EntradaMidi(), "");
    EXPECT_FALSE(entrada.Aberta());
}

}  // namespace
