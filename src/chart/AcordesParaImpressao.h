#pragma once
// The chords a chart sends to the print list, as the chord chart window hands them over.

#include <span>
#include <string>
#include <vector>

// Of the candidate texts of a chart (ColetarAcordes), in order, those from which a keyboard
// chord can be built; every other text is skipped silently. Without repeats a chord is kept
// only at its first occurrence, compared as the print list compares its lines: the exact
// text with letter case ignored.
std::vector<std::string> AcordesParaImpressao(std::span<const std::string> candidatos,
                                              bool permitirRepeticao);
