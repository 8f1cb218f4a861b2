// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a player uses it, offscreen: building the window (start-up cost) and the
// whole road of a typed chord, from Enter to the pressed keys and labels, over 100,000 common
// symbols. Sound goes to a recording device.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <iostream>

#include "AbrirShell.h"
#include "BackendGravador.h"
#include "BaseNomesAcordes.h"
#include "CaixaMensagem.h"
#include "ConfiguracaoSom.h"
#include "EntradaSimulada.h"
#include "EntradasBench.h"
#include "GeradorAcordesTeclado.h"
#include "GerenciadorAcordes.h"
#include "GerenciadorIdiomas.h"
#include "Instalacao.h"
#include "LeituraArquivo.h"
#include "MidiOutput.h"
#include "NomeadorAcordes.h"
#include "TMidiInput.h"
#include "TMidiOutput.h"
#include "TformListaIdiomas.h"
#include "TformPrincipal.h"

namespace {

// A symbol the window rejects must not wait for a user at a message box.
struct CaixasMudas : CaixasMensagem {
    void Informar(std::string_view, std::string_view, QWidget*) override {}
    bool Perguntar(std::string_view, std::string_view, QWidget*, std::string_view,
                   std::string_view) override {
        return false;
    }
};

struct Ambiente {
    Ambiente() {
        idiomas.SelecionarIdioma("Português");
        porta.Close();
    }
    CaixasMudas caixas;
    AbridorDesktopSistema abridor;
    GerenciadorIdiomas idiomas{PastaInstalacao(), std::make_unique<TformListaIdiomas>(caixas)};
    BaseNomesAcordes base{PastaInstalacao() / "acordes.txt"};
    GerenciadorAcordes acordes{base, GeradorAcordesTeclado::Instancia()};
    std::shared_ptr<BackendGravador> gravador = std::make_shared<BackendGravador>();
    TMidiOutput porta{std::vector<std::shared_ptr<BackendMidi>>{gravador}};
    MidiOutput player{&porta};
    ConfiguracaoSom som{player};
    QTemporaryDir pasta;

    TformPrincipal::Dependencias Dependencias() {
        return {idiomas,
                acordes,
                player,
                som,
                caixas,
                abridor,
                (pasta.path() + QStringLiteral("/tastavo.ini")).toStdString()};
    }
};

Ambiente& Compartilhado() {
    static Ambiente ambiente;
    return ambiente;
}

const std::vector<std::string>& Simbolos() {
    static const std::vector<std::string> simbolos = [] {
        auto v = LerLinhasArquivoTexto(tastavo_bench::Entrada("symbols_common_100k.txt"));
        if (v.empty())
            std::cerr << "cannot read " << tastavo_bench::Entrada("symbols_common_100k.txt")
                      << "\n";
        return v;
    }();
    return simbolos;
}

// Start-up cost of the main window: controls, decoded language pictures, settings.
void BM_CriarJanelaPrincipal(benchmark::State& state) {
    Ambiente& a = Compartilhado();
    for (auto _ : state) {
        a.porta.Close();
        TformPrincipal janela(a.Dependencias());
        benchmark::DoNotOptimize(janela.imgTecla[0]);
    }
}
BENCHMARK(BM_CriarJanelaPrincipal)->Unit(benchmark::kMillisecond);

// Typing a chord and pressing Enter, up to what the keyboard shows, one common symbol each time.
void BM_DigitarCifra(benchmark::State& state) {
    Ambiente& a = Compartilhado();
    a.porta.Close();
    TformPrincipal janela(a.Dependencias());
    janela.comboModoVisualizacao->setCurrentIndex(1);
    const auto& simbolos = Simbolos();
    std::size_t i = 0;
    for (auto _ : state) {
        janela.editNomeAcorde->setText(QString::fromStdString(simbolos[i++ % simbolos.size()]));
        janela.editNomeAcordeEnter();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DigitarCifra)->Unit(benchmark::kMicrosecond);

// Holding and releasing the listen button on a five-note chord.
void BM_OuvirAcorde(benchmark::State& state) {
    Ambiente& a = Compartilhado();
    a.porta.Close();
    TformPrincipal janela(a.Dependencias());
    janela.editNomeAcorde->setText(QStringLiteral("C7M(9)/E"));
    janela.editNomeAcordeEnter();
    for (auto _ : state) {
        janela.btnOuvirAcordeMouseDown();
        janela.btnOuvirAcordeMouseUp();
        a.gravador->LimparMensagens();
    }
}
BENCHMARK(BM_OuvirAcorde)->Unit(benchmark::kMicrosecond);

// Goal: from a note-on arriving on the MIDI input to the chord's name shown in the window, at
// most 5 ms. The whole road: the device's thread queues the message and posts to the event
// loop, which names the keys held (without the heap) and shows them with their name. Each
// iteration is one key going down that completes a chord, then that key going up; the chords
// change every time.
void BM_NotaLigadaAteNomeNaJanela(benchmark::State& state) {
    Ambiente& a = Compartilhado();
    a.porta.Close();
    auto teclado = std::make_shared<EntradaSimulada>();
    TMidiInput entrada(std::vector<std::shared_ptr<BackendEntradaMidi>>{teclado});
    const NomeadorAcordes nomeador(a.base.Nomes());
    auto dependencias = a.Dependencias();
    dependencias.entrada = &entrada;
    dependencias.nomeador = &nomeador;
    TformPrincipal janela(dependencias);
    entrada.Abrir(0);
    // Held throughout: C and G; the third key makes C, Cm, Csus4, C7(omitt3)... over C.
    teclado->Tocar({0x90, 48, 90});
    teclado->Tocar({0x90, 55, 90});
    QCoreApplication::processEvents();
    int terceira = 0;
    std::int64_t nomeados = 0;
    for (auto _ : state) {
        const auto nota = static_cast<std::uint8_t>(60 + (terceira++ % 12));
        teclado->Tocar({0x90, nota, 90});
        QCoreApplication::processEvents();
        nomeados += janela.editNomeAcorde->text().isEmpty() ? 0 : 1;
        teclado->Tocar({0x80, nota, 0});
        QCoreApplication::processEvents();
    }
    benchmark::DoNotOptimize(nomeados);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("one note-on named and shown, one note-off");
}
BENCHMARK(BM_NotaLigadaAteNomeNaJanela)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
