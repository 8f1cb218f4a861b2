// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControleVolume.h"

#include <QProcess>
#include <QStandardPaths>

const std::vector<ProgramaVolume>& ProgramasVolumePadrao() {
    static const std::vector<ProgramaVolume> programas = {
        {QStringLiteral("pavucontrol"), {}},
        {QStringLiteral("pwvucontrol"), {}},
        {QStringLiteral("gnome-control-center"), {QStringLiteral("sound")}},
        {QStringLiteral("systemsettings"), {QStringLiteral("kcm_pulseaudio")}},
    };
    return programas;
}

bool AbrirControleVolume(const std::vector<ProgramaVolume>& candidatos, const QStringList& pastas) {
    for (const ProgramaVolume& candidato : candidatos) {
        const QString caminho = QStandardPaths::findExecutable(candidato.programa, pastas);
        if (caminho.isEmpty()) continue;
        if (QProcess::startDetached(caminho, candidato.argumentos)) return true;
    }
    return false;
}
