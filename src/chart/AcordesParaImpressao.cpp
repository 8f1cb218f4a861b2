#include "AcordesParaImpressao.h"

#include <unordered_map>

std::vector<std::string> AcordesParaImpressao(std::span<const std::string> candidatos,
                                              const std::function<bool(std::string_view)>& construivel) {
    // A chart repeats its few chords over and over; building is a pure function of the symbol,
    // so each distinct text is tried once.
    std::unordered_map<std::string_view, bool> respostas;
    std::vector<std::string> acordes;
    for (const std::string& texto : candidatos) {
        auto [it, novo] = respostas.try_emplace(texto, false);
        if (novo) it->second = construivel(texto);
        if (it->second) acordes.push_back(texto);
    }
    return acordes;
}
