// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keys by their signature: which keys are written with flats and which with sharps.

#include "Notas.h"

// The accidentals of a key's signature. C major and A minor have none; F#/Gb major and
// D#/Eb minor have six of either kind and are written either way.
enum class ArmaduraTom { Natural, Sustenidos, Bemois, Seis };

// F, Bb, Eb, Ab, Db and Dm, Gm, Cm, Fm, Bbm have flats; G, D, A, E, B and Em, Bm, F#m, C#m,
// G#m have sharps. `tonica` is any pitch class (reduced modulo 12).
ArmaduraTom ArmaduraDoTom(ClasseAltura tonica, bool menor);
