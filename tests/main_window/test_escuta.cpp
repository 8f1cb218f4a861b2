// SPDX-License-Identifier: GPL-3.0-or-later
// Naming a chord played on a MIDI keyboard or marked on the on-screen keyboard, through the main
// window offscreen: real language files, chord manager and naming; the keyboard a real JACK
// server's (dummy driver) or ALSA sequencer's port where the machine has one, else simulated.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <thread>

#include "Apoio.h"
#include "EntradaSimulada.h"
#include "EscutaTeclado.h"
#include "GeometriaTeclado.h"
#include "NomeadorAcordes.h"
#include "Notas.h"
#include "SomSistema.h"
#include "TMidiInput.h"
#include "TecladoVirtual.h"

#if TASTAVO_COM_JACK
#include "ServidorJack.h"
#endif

namespace {

using namespace std::chrono_literals;
using Mensagem = std::vector<std::uint8_t>;

// A main window listening to `entrada` (none: a port with one simulated keyboard).
class Escuta : public ::testing::Test {
  public:
    // Runs the event loop until `condicao` holds (the input's thread posts to it).
    static bool EsperarAte(const std::function<bool()>& condicao) {
        for (auto fim = std::chrono::steady_clock::now() + 5s;
             std::chrono::steady_clock::now() < fim;) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            if (condicao()) return true;
            std::this_thread::sleep_for(5ms);
        }
        return false;
    }

  protected:
    void Abrir(TMidiInput* entrada = nullptr) {
        instalacao.EscreverConfiguracao(
            "[geral]\nidioma=Português\nplacaSom=0\ninstrumentoTeclado=0\nmodoVisualizacao="
            "1\nmouseTocarTeclas=0\n");
        dominio = std::make_unique<Dominio>(instalacao);
        nomeador = std::make_unique<NomeadorAcordes>(dominio->base->Nomes());
        entrada_ = entrada != nullptr ? entrada : &simulada;
        auto dependencias = DependenciasDaJanela(*dominio, instalacao);
        dependencias.entrada = entrada_;
        dependencias.nomeador = nomeador.get();
        janela = std::make_unique<TformPrincipal>(dependencias);
        janela->executarAssistente = [] { return -1; };
        janela->show();
        Gravador().LimparMensagens();
    }
    void TearDown() override { janela.reset(); }

    bool Pressionada(int k) const {
        const QPixmap f = janela->imgTecla[k]->Figura();
        if (TeclaPreta(k)) return f.cacheKey() == janela->imgPretaPressionada->Figura().cacheKey();
        return !f.isNull();
    }
    std::vector<int> TeclasPressionadas() const {
        std::vector<int> teclas;
        for (int k = 0; k < QuantidadeTeclas; ++k)
            if (Pressionada(k)) teclas.push_back(k);
        return teclas;
    }
    int MarcasVisiveis() const {
        return static_cast<int>(
            std::count_if(janela->imgSolo.begin(), janela->imgSolo.end(),
                          [](MarcaQt* m) { return m->isVisibleTo(m->parentWidget()); }));
    }
    std::string Campo() const { return janela->editNomeAcorde->text().toStdString(); }
    bool EsperarCampo(const std::string& esperado) {
        return EsperarAte([&] { return Campo() == esperado; });
    }
    // The events the input's thread posted, and a little more time for any late one.
    void Assentar() {
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            std::this_thread::sleep_for(5ms);
        }
    }
    void CtrlClique(int k) {
        QTest::mouseClick(janela->imgTecla[k], Qt::LeftButton, Qt::ControlModifier,
                          QPoint(10, 100));
    }

    Instalacao instalacao;
    std::unique_ptr<Dominio> dominio;
    std::unique_ptr<NomeadorAcordes> nomeador;
    std::shared_ptr<EntradaSimulada> teclado =
        std::make_shared<EntradaSimulada>("Simulated keyboard");
    TMidiInput simulada{std::vector<std::shared_ptr<BackendEntradaMidi>>{teclado}};
    TMidiInput* entrada_ = nullptr;
    std::unique_ptr<TformPrincipal> janela;
};

// Plays chords on `teclado` into the window as a player does and checks what it shows.
template <typename Teclado>
void TocarEConferir(Escuta& t, Teclado& teclado, TformPrincipal& janela,
                    GerenciadorAcordes& acordes,
                    const std::function<bool(const std::string&)>& esperarCampo,
                    const std::function<std::vector<int>()>& pressionadas) {
    // C E G from C4: the keyboard shows them from its first C, the field names them live.
    teclado.Acorde({60, 64, 67});
    ASSERT_TRUE(esperarCampo("C")) << janela.editNomeAcorde->text().toStdString();
    EXPECT_EQ(pressionadas(), (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(acordes.IndiceAcordeAtual(), -1) << "nothing is current while the keys are held";
    // A seventh added: renamed at once.
    teclado.Ligar(71);
    ASSERT_TRUE(esperarCampo("C7M"));
    EXPECT_EQ(pressionadas(), (std::vector<int>{0, 4, 7, 11}));
    // Released one key after another: C7M stays, as if typed, in its root position.
    teclado.Soltar({71, 67, 64, 60});
    ASSERT_TRUE(Escuta::EsperarAte([&] { return acordes.IndiceAcordeAtual() != -1; }));
    EXPECT_TRUE(esperarCampo("C7M"));
    EXPECT_EQ(acordes.NomeAcordeAtual(), "C7M");
    EXPECT_EQ(janela.comboBaseAcordes->currentIndex(), acordes.IndiceAcordeAtual());
    const std::vector<int> posicao = pressionadas();
    ASSERT_EQ(posicao.size(), 4u);
    EXPECT_EQ(posicao.front() % 12, 0) << "the root position, as played";
    std::vector<int> classes;
    for (int k : posicao) classes.push_back(k % 12);
    EXPECT_EQ(classes, (std::vector<int>{0, 4, 7, 11}));
    // The position shown is the chord manager's, so the arrows and Add go on from there.
    EXPECT_EQ(acordes.PosicaoAtual()->Mascara(),
              janela.TecladoPrincipal().PosicaoMostrada().Mascara());

    // One key alone, or the same note in two octaves: nothing changes.
    teclado.Ligar(62);
    teclado.Ligar(74);
    teclado.Soltar({62, 74});
    (void)t;
}

TEST_F(Escuta, SimulatedKeyboardNamesHeldKeysLiveAndKeepsTheChordPlayed) {
    Abrir();
    ASSERT_TRUE(simulada.Abrir(0));
    struct Dedos {
        EntradaSimulada& e;
        void Ligar(int n) { e.Tocar({0x90, static_cast<std::uint8_t>(n), 90}); }
        void Desligar(int n) { e.Tocar({0x80, static_cast<std::uint8_t>(n), 0}); }
        void Acorde(const std::vector<int>& ns) {
            for (int n : ns) Ligar(n);
        }
        void Soltar(const std::vector<int>& ns) {
            for (int n : ns) Desligar(n);
        }
    } dedos{*teclado};
    TocarEConferir(
        *this, dedos, *janela, *dominio->acordes,
        [this](const std::string& c) { return EsperarCampo(c); },
        [this] { return TeclasPressionadas(); });
    const std::vector<int> antes = TeclasPressionadas();
    Assentar();
    EXPECT_EQ(Campo(), "C7M");
    EXPECT_EQ(TeclasPressionadas(), antes);
    EXPECT_TRUE(Gravador().Mensagens().empty()) << "no echo unless the setting is on";
}

TEST_F(Escuta, EchoSoundsTheNotesPlayedThroughTheOutputWhenOn) {
    Abrir();
    ASSERT_TRUE(simulada.Abrir(0));
    dominio->som.DefinirEntrada("", true);  // the echo flag; the port stays as the test opened it
    ASSERT_TRUE(simulada.Abrir(0));
    Gravador().LimparMensagens();
    teclado->Tocar({0x93, 60, 90});  // channel 4 comes out on the output's channel
    teclado->Tocar({0x83, 60, 0});
    teclado->Tocar({0xB3, 64, 127});  // the sustain pedal is not echoed
    Assentar();
    EXPECT_EQ(Gravador().Mensagens(), (std::vector<Mensagem>{{0x90, 60, 90}, {0x80, 60, 0}}));
}

#if TASTAVO_COM_JACK
TEST_F(Escuta, JackKeyboardIntoTastavosInputPort) {
    ServidorJack servidor;
    if (!servidor.Pronto()) GTEST_SKIP() << "jackd cannot start here: " << servidor.Log();
    TecladoVirtual virtual_(RtMidi::UNIX_JACK);
    TMidiInput entrada(CriarFonteEntradasSistema({ServicoMidi::Jack}));
    Abrir(&entrada);
    const auto nomes = entrada.ListarDispositivos();
    auto achado = std::find_if(nomes.begin(), nomes.end(), [&](const std::string& n) {
        return n.rfind(virtual_.PrefixoPorta(), 0) == 0;
    });
    ASSERT_NE(achado, nomes.end());
    // By name, as the sound settings open it.
    ASSERT_TRUE(entrada.AbrirPorNome(*achado));
    std::this_thread::sleep_for(100ms);
    TocarEConferir(
        *this, virtual_, *janela, *dominio->acordes,
        [this](const std::string& c) { return EsperarCampo(c); },
        [this] { return TeclasPressionadas(); });
    const std::vector<int> antes = TeclasPressionadas();
    Assentar();
    EXPECT_EQ(Campo(), "C7M");
    EXPECT_EQ(TeclasPressionadas(), antes);
    janela.reset();  // closes the port before the server goes
}
#endif

TEST_F(Escuta, AlsaSequencerKeyboardIntoTastavosInputPort) {
    if (!ServicoMidiDisponivel(ServicoMidi::SequenciadorAlsa))
        GTEST_SKIP() << "this machine has no ALSA sequencer (/dev/snd/seq)";
    TecladoVirtual virtual_(RtMidi::LINUX_ALSA);
    TMidiInput entrada(CriarFonteEntradasSistema({ServicoMidi::SequenciadorAlsa}));
    Abrir(&entrada);
    const auto nomes = entrada.ListarDispositivos();
    auto achado = std::find_if(nomes.begin(), nomes.end(), [&](const std::string& n) {
        return n.rfind(virtual_.PrefixoPorta(), 0) == 0;
    });
    ASSERT_NE(achado, nomes.end());
    ASSERT_TRUE(entrada.AbrirPorNome(*achado));
    TocarEConferir(
        *this, virtual_, *janela, *dominio->acordes,
        [this](const std::string& c) { return EsperarCampo(c); },
        [this] { return TeclasPressionadas(); });
    janela.reset();
}

TEST_F(Escuta, CtrlClickMarksKeysIntoAChordAndEscOrAPlainClickClearsIt) {
    Abrir();
    const std::string prompt = Campo();
    for (int k : {4, 7, 12}) CtrlClique(k);
    EXPECT_EQ(Campo(), "C/E");
    EXPECT_EQ(TeclasPressionadas(), (std::vector<int>{4, 7, 12}));
    EXPECT_EQ(MarcasVisiveis(), 3);
    EXPECT_EQ(dominio->acordes->IndiceAcordeAtual(), -1) << "asking makes nothing current";

    // Listen sounds what is shown: the marked keys, lowest first; releasing stops them.
    Gravador().LimparMensagens();
    QTest::mousePress(janela->btnOuvirAcorde, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(janela->btnOuvirAcorde, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(Gravador().Mensagens(), (std::vector<Mensagem>{{0x90, 52, 100},
                                                             {0x90, 55, 100},
                                                             {0x90, 60, 100},
                                                             {0x80, 52, 0},
                                                             {0x80, 55, 0},
                                                             {0x80, 60, 0}}));

    // Ctrl+click again unmarks.
    CtrlClique(12);
    NomeAcordeFixo esperado;
    nomeador->MelhorNome(static_cast<ConjuntoClasses>((1u << 4) | (1u << 7)), 4, esperado);
    EXPECT_EQ(Campo(), std::string(esperado.Cifra()));
    EXPECT_EQ(TeclasPressionadas(), (std::vector<int>{4, 7}));
    // Six keys name nothing: the field says nothing rather than something wrong.
    for (int k : {0, 2, 5, 9}) CtrlClique(k);
    EXPECT_EQ(Campo(), "");
    EXPECT_EQ(TeclasPressionadas().size(), 6u);
    EXPECT_EQ(MarcasVisiveis(), 0);

    // Esc: the marks go, the keyboard and the field are as before.
    QTest::keyClick(janela->editNomeAcorde, Qt::Key_Escape);
    EXPECT_TRUE(TeclasPressionadas().empty());
    EXPECT_EQ(Campo(), prompt);
    EXPECT_EQ(MarcasVisiveis(), 0);

    // Enter on the name of marked keys: that chord, in the position nearest to them.
    for (int k : {4, 7, 12}) CtrlClique(k);
    QTest::keyClick(janela->editNomeAcorde, Qt::Key_Return);
    EXPECT_EQ(dominio->acordes->NomeAcordeAtual(), "C/E");
    EXPECT_EQ(TeclasPressionadas(), (std::vector<int>{4, 7, 12}));
    EXPECT_EQ(janela->Escuta().TeclasMarcadas(), 0u);
    EXPECT_EQ(janela->comboBaseAcordes->currentIndex(), dominio->acordes->IndiceAcordeAtual());

    // With a chord current, a plain click brings it back.
    janela->editNomeAcorde->setText(QStringLiteral("Dm7"));
    QTest::keyClick(janela->editNomeAcorde, Qt::Key_Return);
    const std::vector<int> dm7 = TeclasPressionadas();
    CtrlClique(0);
    CtrlClique(4);
    EXPECT_EQ(TeclasPressionadas(), (std::vector<int>{0, 4}));
    QTest::mouseClick(janela->imgTecla[9], Qt::LeftButton, {}, QPoint(10, 100));
    EXPECT_EQ(TeclasPressionadas(), dm7);
    EXPECT_EQ(Campo(), "Dm7");
    EXPECT_EQ(janela->Escuta().TeclasMarcadas(), 0u);
}

TEST_F(Escuta, LeavingStoresTheMidiInputByName) {
    Abrir();
    dominio->som.DefinirEntrada("Simulated keyboard", true);
    {
        CaixasRegistradas sim(true);
        janela->close();
    }
    EXPECT_NE(instalacao.LerConfiguracao().find(
                  "entradaMidi=Simulated keyboard\r\necoarEntradaMidi=1\r\n"),
              std::string::npos)
        << instalacao.LerConfiguracao();
}

TEST(PosicaoMaisProxima, SameShapeFirstThenTheClosestBass) {
    auto m = [](std::initializer_list<int> ks) {
        std::int32_t r = 0;
        for (int k : ks) r |= 1 << k;
        return r;
    };
    // C7M played as C E G B from key 0: the root position an octave up beats an inversion
    // near by.
    const std::vector<std::int32_t> posicoes = {m({16, 19, 23, 24}), m({12, 16, 19, 23}),
                                                m({7, 11, 12, 16})};
    EXPECT_EQ(
        EscutaTeclado::PosicaoMaisProxima(posicoes, static_cast<std::uint32_t>(m({0, 4, 7, 11}))),
        1);
    // Played as the second inversion: that one.
    EXPECT_EQ(
        EscutaTeclado::PosicaoMaisProxima(posicoes, static_cast<std::uint32_t>(m({7, 11, 12, 16}))),
        2);
    EXPECT_EQ(EscutaTeclado::PosicaoMaisProxima({}, 1), -1);
}

}  // namespace
