// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything the language manager shows to the user goes through this interface: the windows
// implement it (the language list window `TformListaIdiomas` and message boxes), tests answer
// it with a double, tools print to the console.

#include <string>
#include <string_view>
#include <vector>

class InteracaoIdiomas {
  public:
    virtual ~InteracaoIdiomas() = default;

    // A modal message box with an OK button.
    virtual void MostrarMensagem(std::string_view texto, std::string_view titulo) = 0;

    // The language list: fills it with `nomes`, highlights line `destacado` (none for -1), shows
    // it modally; the highlighted index when closed with OK, else -1 (Cancel, closed, nothing
    // highlighted).
    virtual int EscolherIndice(const std::vector<std::string>& nomes, int destacado) = 0;

    // Asks the application to end once control returns to it (no language can be used).
    virtual void EncerrarAplicacao() = 0;
};
