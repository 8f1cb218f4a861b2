// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The on-screen keyboard: shows one position on the 25 keys of the main window, with a mark
// and a label (finger, note or interval) on every sounding key, and sounds it over MIDI.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "ControlesTeclado.h"
#include "PosicaoHarmonica.h"
#include "RotuloTecla.h"
#include "SaidaSom.h"

class GerenciadorAcordes;

class Teclado {
  public:
    struct Controles {
        std::array<ControleImagem*, 25> teclas{};
        ControleImagem* brancaPressionada = nullptr;
        ControleImagem* pretaSolta = nullptr;
        ControleImagem* pretaPressionada = nullptr;
        std::array<ControleMovel*, 5> marcas{};
        std::array<ControleRotulo*, 5> dedos{};
        std::array<ControleRotulo*, 5> notas{};
        std::array<ControleRotulo*, 5> intervalos{};
    };

    // Nothing is owned; every control, `som` and `gerenciador` outlive the display.
    Teclado(const Controles& controles, SaidaSom& som, GerenciadorAcordes& gerenciador);

    // Shows `posicao` (nothing changes for null).
    void MostrarPosicao(const PosicaoHarmonicaTeclado* posicao);
    // Releases the shown keys and hides every mark and label; the position is kept.
    void LimparExibicao();
    // Shows the keys of `teclas` (bit k for key k) pressed, each with its mark but no label
    // (marks only for five keys or fewer, which is all there are): keys held on a MIDI keyboard
    // or marked by the user, no position. MostrarPosicao and LimparExibicao end it; the
    // position is kept. None shows nothing.
    void MostrarTeclas(std::uint32_t teclas);
    // The keys MostrarTeclas shows, 0 while a position (or nothing) is shown.
    std::uint32_t TeclasAvulsas() const { return teclasAvulsas_; }
    // The label kind; none (a list with nothing chosen) shows the marks only.
    void DefinirModoVisualizacao(std::optional<ModoVisualizacao> modo);
    // Note on for every key of the shown position (or of the keys MostrarTeclas shows), lowest
    // key first. Throws what the sound output throws (MidiDesabilitadoException); notes sent
    // stay sent.
    void TocarAcorde();
    // Note off for every key TocarAcorde started (the shown position's when it started none).
    // Same failure.
    void PararAcorde();
    // The pointer is over key `tecla` (0..24) or off the keys (-1). Same failure.
    void MouseSobreTecla(int tecla);

    // The words a screen reader needs around the shown chord, in the window's language.
    struct PalavrasDescricao {
        std::string posicao;     // "position"
        std::string de;          // "of"
        std::string dedos;       // "fingers"
        std::string intervalos;  // "intervals"
        std::string semAcorde;   // what the keys say while they show nothing
    };
    // What the keys show, as text: "C7, position 1 of 3: C E G Bb, fingers 1 2 3 5" (the
    // notes lowest first, then the labels of the view mode when they are not the notes).
    std::string Descrever(const PalavrasDescricao& palavras) const;

    const PosicaoHarmonicaTeclado& PosicaoMostrada() const { return posicaoMostrada_; }
    std::optional<ModoVisualizacao> Modo() const { return modo_; }
    int TeclaSoando() const { return teclaSoando_; }

  private:
    bool AcordeAtual() const;
    bool NaPosicao(int tecla) const;
    void AtualizarRotulos();
    void PosicionarMarcas();
    void PressionarTecla(int tecla);
    void SoltarTecla(int tecla);
    void SoltarTeclaDoPonteiro(int tecla);
    void SilenciarTecla(int tecla);
    int TeclaDoSlot(int slot) const { return posicaoMostrada_.TeclaDoDedo(slot); }

    Controles c_;
    SaidaSom& som_;
    GerenciadorAcordes& gerenciador_;
    PosicaoHarmonicaTeclado posicaoMostrada_;
    std::optional<ModoVisualizacao> modo_ = ModoVisualizacao::Dedos;
    int teclaSoando_ = -1;
    std::uint32_t teclasAvulsas_ = 0;
    std::uint32_t teclasTocadas_ = 0;  // the keys avulsas the last TocarAcorde started
    bool exibindo_ = false;
};
