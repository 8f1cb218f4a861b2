#pragma once
// The chords a chart sends to the print list, as the chord chart window hands them over.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Of the candidate texts of a chart (ColetarAcordes), in order and with their repeats, those
// for which `construivel` is true (a keyboard chord can be built); every other text is skipped
// silently. The print list decides what counts as a repeat.
std::vector<std::string> AcordesParaImpressao(std::span<const std::string> candidatos,
                                              const std::function<bool(std::string_view)>& construivel);
