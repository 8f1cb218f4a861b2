// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chords a chart sends to the print list, as the chord chart window hands them over.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Of the candidate texts of a chart (ColetarAcordes), in order and with their repeats, those
// for which `construivel` is true (a keyboard chord can be built); every other text is skipped
// silently. The print list decides what counts as a repeat.
std::vector<std::string> AcordesParaImpressao(
    std::span<const std::string> candidatos,
    const std::function<bool(std::string_view)>& construivel);

// The same choice made one candidate at a time, for a chart that is read as it comes.
class SelecaoAcordesImpressao {
  public:
    explicit SelecaoAcordesImpressao(std::function<bool(std::string_view)> construivel)
        : construivel_(std::move(construivel)) {}

    // True when the candidate `texto` builds a chord.
    bool Aceitar(std::string_view texto);

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::function<bool(std::string_view)> construivel_;
    // The answers for the texts met lately: a chart repeats its few chords over and over, and
    // building is a pure function of the symbol.
    std::unordered_map<std::string, bool, Hash, std::equal_to<>> respostas_;
};
