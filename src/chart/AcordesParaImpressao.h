#pragma once
// The chords a chart sends to the print list, as the chord chart window hands them over.

#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

// Of the candidate texts of a chart (ColetarAcordes), in order, those from which a keyboard
// chord can be built; every other text is skipped silently. Without repeats a chord is kept
// only at its first occurrence, compared as the print list compares its lines: the exact
// text with letter case ignored.
std::vector<std::string> AcordesParaImpressao(std::span<const std::string> candidatos,
                                              bool permitirRepeticao);

// The same choice made one candidate at a time, for a chart that is read as it comes.
class SelecaoAcordesImpressao {
  public:
    explicit SelecaoAcordesImpressao(bool permitirRepeticao)
        : permitirRepeticao_(permitirRepeticao) {}

    // True when the candidate `texto`, coming after those given before, goes to the print list.
    bool Aceitar(std::string_view texto);

  private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept {
            return std::hash<std::string_view>{}(s);
        }
    };
    bool permitirRepeticao_;
    // Whether a text builds a chord, for the texts met lately (a chart repeats a few chords).
    std::unordered_map<std::string, bool, Hash, std::equal_to<>> construivel_;
    std::unordered_set<std::string> vistos_;
};
