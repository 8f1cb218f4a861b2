// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Asking the keyboard for a chord's name: the chord held on a MIDI keyboard, or the keys marked
// on the on-screen keyboard with Ctrl+click, shown and named live. When the MIDI keys are all
// released, the chord played becomes the current chord, as if its name had been typed, in the
// position nearest to what was played.

#include <cstdint>
#include <span>
#include <string_view>

#include "OuvinteAcordes.h"

class GerenciadorAcordes;
class NomeadorAcordes;
class PosicaoHarmonicaTeclado;
class Teclado;

class EscutaTeclado {
  public:
    // The chord field and chord list of the window.
    class CampoAcorde {
      public:
        virtual ~CampoAcorde() = default;
        // Shows `cifra`, the live name of the keys held or marked (empty: no name).
        virtual void MostrarCifra(std::string_view cifra) = 0;
        // Shows the current chord of the chord manager (or the prompt while there is none),
        // as a typed chord does.
        virtual void MostrarAcordeAtual() = 0;
    };

    // Nothing is owned; all of it outlives the listener.
    EscutaTeclado(Teclado& teclado, GerenciadorAcordes& acordes, const NomeadorAcordes& nomeador,
                  CampoAcorde& campo);

    // One MIDI message from the input: while two or more keys held name a chord, the keyboard
    // shows them and the field their name; when the last key goes up, the chord played stays
    // (see OuvinteAcordes::Ultimo) and becomes the current chord. Fewer keys, or keys no symbol
    // names, change nothing. Marked keys are dropped once a named chord is held. Returns what
    // the message changed.
    OuvinteAcordes::Mudanca Receber(std::span<const std::uint8_t> mensagem);
    // Ctrl+click on key `tecla` (0..24): marks it, or unmarks a marked one; the marked keys are
    // shown with their name (an empty field when they name nothing). Unmarking the last one
    // clears, as LimparMarcas.
    void AlternarTecla(int tecla);
    // Esc, or a click without Ctrl: drops the marks and shows the current chord again; false
    // when nothing was marked (nothing changes then).
    bool LimparMarcas();
    std::uint32_t TeclasMarcadas() const { return marcadas_; }
    // Enter in the chord field on the name of the marked keys: that chord becomes current in
    // its position nearest to the marks, and the marks go. False (nothing done) when nothing is
    // marked or `cifra` is not their name: the field then looks it up as typed.
    bool EscolherMarcadas(std::string_view cifra);

    // Of the positions given, the index of the one nearest to the keys `teclas` (bit k for key
    // k): the same shape first (the most keys in common once moved by whole octaves, so the
    // same inversion and spacing), then the lowest keys closest together, then the first.
    // -1 for none.
    static int PosicaoMaisProxima(std::span<const std::int32_t> mascaras, std::uint32_t teclas);

  private:
    bool NomearMarcadas(NomeAcordeFixo& nome) const;
    void Escolher(std::string_view cifra, std::uint32_t teclas);

    Teclado& teclado_;
    GerenciadorAcordes& acordes_;
    const NomeadorAcordes& nomeador_;
    CampoAcorde& campo_;
    OuvinteAcordes ouvinte_;
    std::uint32_t marcadas_ = 0;
};
