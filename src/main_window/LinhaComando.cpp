// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinhaComando.h"

#include <string_view>

#include "RelatorioErro.h"

std::optional<int> ResponderLinhaComando(int argc, const char* const* argv, std::ostream& saida) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argumento = argv[i];
        if (argumento == "--") break;
        if (argumento == "--version") {
            saida << "tastavo " << VersaoArquivo() << '\n';
            return 0;
        }
        if (argumento == "--help" || argumento == "-h") {
            saida << "Usage: tastavo [--help] [--version]\n"
                     "Chord dictionary for keyboard players: opens the main window.\n"
                     "\n"
                     "  -h, --help  show this help and exit\n"
                     "  --version   show the version and exit\n"
                     "\n"
                     "In the windows: F1 help, Ctrl+L chord field, Alt+Left/Alt+Right positions,\n"
                     "Ctrl+P print, Ctrl+I chord chart, Ctrl+Q quit.\n";
            return 0;
        }
    }
    return std::nullopt;
}
