// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tonalidade.h"

ArmaduraTom ArmaduraDoTom(ClasseAltura tonica, bool menor) {
    // A minor key has the signature of its relative major, three semitones up.
    switch ((((tonica + (menor ? 3 : 0)) % 12) + 12) % 12) {
        case 0:
            return ArmaduraTom::Natural;
        case 6:
            return ArmaduraTom::Seis;
        case 1:
        case 3:
        case 5:
        case 8:
        case 10:
            return ArmaduraTom::Bemois;
        default:
            return ArmaduraTom::Sustenidos;
    }
}
