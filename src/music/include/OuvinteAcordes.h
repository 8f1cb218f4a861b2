// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chord a player holds on a MIDI keyboard, followed message by message: which notes are
// down, the best name of what they sound, and the chord that stays once every key is up.
// Allocates nothing after construction, so it may sit on the path from a note-on to the screen.

#include <array>
#include <cstdint>
#include <span>

#include "NomeadorAcordes.h"

// A set of MIDI notes (0..127) with the name they were given.
struct AcordeTocado {
    std::array<std::uint64_t, 2> notas{};
    NomeAcordeFixo nome;

    bool Contem(int nota) const {
        return nota >= 0 && nota < 128 && ((notas[nota / 64] >> (nota % 64)) & 1u) != 0;
    }
    int Quantidade() const;
    // The lowest note, or -1 for none.
    int MaisGrave() const;
    ConjuntoClasses Classes() const;
    // The notes as keys of the two-octave keyboard (bit k for key k): the keyboard starts at the
    // C at or below the lowest note, and higher notes are folded down by octaves into its top
    // octave. Empty for no notes.
    std::uint32_t Teclas() const;
    void Limpar() { *this = AcordeTocado{}; }
};

class OuvinteAcordes {
  public:
    // What one message changed for whoever shows the chord.
    enum class Mudanca {
        Nenhuma,   // nothing to show: fewer than two notes, or notes no symbol names
        Segurado,  // a key went down and the held notes name a chord: Segurado()
        Reduzido,  // a key went up and the notes still held name a chord: Segurado()
        Solto,     // every key is up and a chord stays: Ultimo()
    };

    // `nomeador` outlives the listener.
    explicit OuvinteAcordes(const NomeadorAcordes& nomeador) : nomeador_(nomeador) {}

    // One MIDI message of any channel: note on (velocity 0 is a note off), note off, and the
    // controllers "all sound off" and "all notes off", which release every key. Other messages
    // change nothing.
    Mudanca Receber(std::span<const std::uint8_t> mensagem);
    // The same for one note going down or up.
    Mudanca NotaLigada(int nota);
    Mudanca NotaDesligada(int nota);
    // Forgets every held note and the chord that would stay, without a Solto.
    void Esquecer();

    // The notes held now with their name (empty while they name nothing).
    const AcordeTocado& Segurado() const { return segurado_; }
    // The chord that stays when every key is up: the last named chord a key going down made,
    // so that keys leaving a chord one after another do not rename it on the way out (or the
    // last one named on the way out, when no key going down named any).
    const AcordeTocado& Ultimo() const { return ultimo_; }

  private:
    Mudanca Nomear(bool ligou);

    const NomeadorAcordes& nomeador_;
    AcordeTocado segurado_;
    AcordeTocado ultimo_;
    bool ultimoDeTeclaDescendo_ = false;
};
