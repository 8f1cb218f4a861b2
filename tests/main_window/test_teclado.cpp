// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard display without widgets: fake controls that remember what they were told and a
// sound output that records its events, driven through a real chord manager.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BaseNomesAcordes.h"
#include "GeometriaTeclado.h"
#include "GeradorAcordesTeclado.h"
#include "GerenciadorAcordes.h"
#include "Teclado.h"

namespace {

struct ImagemFalsa : ControleImagem {
    explicit ImagemFalsa(std::string f = "") : figura(std::move(f)) {}
    void CopiarFiguraDe(const ControleImagem& modelo) override {
        figura = static_cast<const ImagemFalsa&>(modelo).figura;
    }
    void LimparFigura() override { figura.clear(); }
    std::string figura;
};

struct RotuloFalso : ControleRotulo {
    void Mover(int x_, int y_) override { x = x_, y = y_; }
    void Mostrar() override { visivel = true; }
    void Ocultar() override { visivel = false; }
    void DefinirTexto(std::string_view t) override { texto = t; }
    int x = -1, y = -1;
    bool visivel = false;
    std::string texto;
};

struct SomGravado : SaidaSom {
    void EnviarEvento(std::uint8_t status, std::uint8_t primeiro, std::uint8_t segundo) override {
        eventos.push_back({status, primeiro, segundo});
    }
    void DesligarNota(int nota) override { eventos.push_back({0x80, nota, 0}); }
    int ObterVelocidade() const override { return 100; }
    std::vector<std::vector<int>> eventos;
};

class TecladoFalso : public testing::Test {
  protected:
    TecladoFalso() {
        Teclado::Controles c;
        for (int k = 0; k < 25; ++k) c.teclas[k] = &teclas[k];
        for (int k = 0; k < 25; ++k)
            if (TeclaPreta(k)) teclas[k].figura = "preta solta";
        c.brancaPressionada = &brancaPressionada;
        c.pretaSolta = &pretaSolta;
        c.pretaPressionada = &pretaPressionada;
        for (int s = 0; s < 5; ++s) {
            c.marcas[s] = &marcas[s];
            c.dedos[s] = &dedos[s];
            c.notas[s] = &notas[s];
            c.intervalos[s] = &intervalos[s];
        }
        teclado = std::make_unique<Teclado>(c, som, acordes);
    }
    void Mostrar(const char* cifra) { teclado->MostrarPosicao(&acordes.ProcurarAcorde(cifra)); }
    std::vector<int> Pressionadas() const {
        std::vector<int> r;
        for (int k = 0; k < 25; ++k)
            if (teclas[k].figura.find("pressionada") != std::string::npos) r.push_back(k);
        return r;
    }
    std::vector<std::string> Visiveis(const std::array<RotuloFalso, 5>& rotulos) const {
        std::vector<std::string> r;
        for (const auto& l : rotulos)
            if (l.visivel) r.push_back(l.texto);
        return r;
    }

    BaseNomesAcordes base{std::vector<std::string>{"C", "C7", "Bb7", "A#7", "Gb7"}};
    GerenciadorAcordes acordes{base, GeradorAcordesTeclado::Instancia()};
    SomGravado som;
    std::array<ImagemFalsa, 25> teclas;
    ImagemFalsa brancaPressionada{"branca pressionada"}, pretaSolta{"preta solta"},
        pretaPressionada{"preta pressionada"};
    std::array<RotuloFalso, 5> marcas, dedos, notas, intervalos;
    std::unique_ptr<Teclado> teclado;
};

// C7's first position is G3 A#3 C4 E4 (keys 7, 10, 12, 16) with fingers 5 4 2 1.
TEST_F(TecladoFalso, EachViewModeShowsItsLabelsOnTheMarksOnly) {
    struct Caso {
        std::optional<ModoVisualizacao> modo;
        const std::array<RotuloFalso, 5>* visivel;
        std::vector<std::string> textos;
    };
    const Caso casos[] = {
        {ModoVisualizacao::Dedos, &dedos, {"1", "2", "4", "5"}},
        {ModoVisualizacao::Notas, &notas, {"E", "C", "A#", "G"}},
        {ModoVisualizacao::Intervalos, &intervalos, {"3M", "T", "7", "5"}},
        {std::nullopt, nullptr, {}},
    };
    Mostrar("C7");
    for (const Caso& caso : casos) {
        // Without a mode no label is touched: after a clear, only the marks come back.
        if (!caso.modo) teclado->LimparExibicao();
        teclado->DefinirModoVisualizacao(caso.modo);
        EXPECT_EQ(Pressionadas(), (std::vector<int>{7, 10, 12, 16}));
        EXPECT_EQ(teclas[10].figura, "preta pressionada");
        EXPECT_EQ(teclas[7].figura, "branca pressionada");
        for (const auto* grupo : {&dedos, &notas, &intervalos}) {
            if (grupo == caso.visivel)
                EXPECT_EQ(Visiveis(*grupo), caso.textos);
            else
                EXPECT_TRUE(Visiveis(*grupo).empty());
        }
        // The marks sit where the labels do, on white and black keys alike.
        for (int s = 0; s < 5; ++s) {
            const int k = teclado->PosicaoMostrada().TeclaDoDedo(s);
            EXPECT_EQ(marcas[s].visivel, k != -1);
            if (k == -1) continue;
            EXPECT_EQ(marcas[s].x, geometria::RotuloX[k]);
            EXPECT_EQ(marcas[s].y,
                      TeclaPreta(k) ? geometria::RotuloYPreta : geometria::RotuloYBranca);
        }
    }
}

TEST_F(TecladoFalso, NoteNamesFollowHowTheRootIsWritten) {
    teclado->DefinirModoVisualizacao(ModoVisualizacao::Notas);
    const std::pair<const char*, std::vector<std::string>> casos[] = {
        {"Bb7", {"Ab", "F", "D", "Bb"}},
        {"A#7", {"G#", "F", "D", "A#"}},
        {"Gb7", {"E", "Db", "Bb", "Gb"}}};
    for (const auto& [cifra, esperadas] : casos) {
        Mostrar(cifra);
        auto visiveis = Visiveis(notas);
        std::vector<std::string> ordenadas = visiveis, alvo = esperadas;
        std::sort(ordenadas.begin(), ordenadas.end());
        std::sort(alvo.begin(), alvo.end());
        EXPECT_EQ(ordenadas, alvo) << cifra;
    }
}

TEST_F(TecladoFalso, ANewPositionReleasesTheOldKeysAndClearingHidesEverything) {
    Mostrar("C7");
    teclado->MostrarPosicao(acordes.ProximaPosicao());
    EXPECT_EQ(Pressionadas(), teclado->PosicaoMostrada().TeclasPressionadas());
    EXPECT_EQ(teclas[7].figura, "");  // released white keys show the keyboard below
    teclado->LimparExibicao();
    EXPECT_TRUE(Pressionadas().empty());
    EXPECT_EQ(teclas[10].figura, "preta solta");
    for (const auto* grupo : {&marcas, &dedos, &notas, &intervalos})
        EXPECT_TRUE(Visiveis(*grupo).empty());
    teclado->MostrarPosicao(nullptr);  // nothing changes
    EXPECT_TRUE(Pressionadas().empty());
}

TEST_F(TecladoFalso, TheChordSoundsLowestKeyFirstAndStopsNoteByNote) {
    Mostrar("C7");
    teclado->TocarAcorde();
    teclado->PararAcorde();
    EXPECT_EQ(som.eventos, (std::vector<std::vector<int>>{{0x90, 55, 100},
                                                          {0x90, 58, 100},
                                                          {0x90, 60, 100},
                                                          {0x90, 64, 100},
                                                          {0x80, 64, 0},
                                                          {0x80, 60, 0},
                                                          {0x80, 58, 0},
                                                          {0x80, 55, 0}}));
}

// The pointer over the keys: each step, what sounds and what is drawn pressed.
TEST_F(TecladoFalso, ThePointerPlaysFreelyWithoutAChordAndOnlyTheChordsKeysWithOne) {
    struct Passo {
        int tecla;
        std::vector<std::vector<int>> eventos;
        std::vector<int> pressionadas;
    };
    const Passo livre[] = {
        {3, {{0x90, 51, 100}}, {3}},
        {3, {}, {3}},                                // the same key again: nothing
        {4, {{0x90, 51, 0}, {0x90, 52, 100}}, {4}},  // the old key stops, the new one sounds
        {-1, {{0x90, 52, 0}}, {}},                   // off the keys: silence, released
        {-1, {}, {}},
    };
    for (const Passo& p : livre) {
        som.eventos.clear();
        teclado->MouseSobreTecla(p.tecla);
        EXPECT_EQ(som.eventos, p.eventos) << "free, key " << p.tecla;
        EXPECT_EQ(Pressionadas(), p.pressionadas) << "free, key " << p.tecla;
    }
    Mostrar("C7");
    const std::vector<int> acorde = {7, 10, 12, 16};
    const Passo comAcorde[] = {
        {12, {{0x90, 60, 100}}, acorde},  // a key of the chord sounds
        {13, {{0x90, 60, 0}}, acorde},    // another key is silent
        {16, {{0x90, 64, 100}}, acorde},
        {-1, {{0x90, 64, 0}}, acorde},  // leaving stops the note, keys stay
    };
    for (const Passo& p : comAcorde) {
        som.eventos.clear();
        teclado->MouseSobreTecla(p.tecla);
        EXPECT_EQ(som.eventos, p.eventos) << "chord, key " << p.tecla;
        EXPECT_EQ(Pressionadas(), p.pressionadas) << "chord, key " << p.tecla;
    }
}

}  // namespace
