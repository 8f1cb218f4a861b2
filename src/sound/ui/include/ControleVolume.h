// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opens the desktop's volume control as a program of its own, without a shell.

#include <QString>
#include <QStringList>
#include <vector>

struct ProgramaVolume {
    QString programa;        // looked up on the search path
    QStringList argumentos;  // handed over as they are, never through a shell
};

// The volume controls tried in order: the PulseAudio and PipeWire mixers, then the sound
// settings of the GNOME and KDE desktops.
const std::vector<ProgramaVolume>& ProgramasVolumePadrao();

// Starts the first of `candidatos` that is installed (found in `pastas`, or on the system's
// search path when `pastas` is empty) and starts; an installed one that fails to start gives
// way to the next. False when none was found or none started. Never throws.
bool AbrirControleVolume(const std::vector<ProgramaVolume>& candidatos = ProgramasVolumePadrao(),
                         const QStringList& pastas = {});
