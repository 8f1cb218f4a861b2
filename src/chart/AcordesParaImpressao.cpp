// SPDX-License-Identifier: GPL-3.0-or-later
#include "AcordesParaImpressao.h"

namespace {
// Enough for the distinct chords of any real chart; a hostile one only costs asking again.
constexpr std::size_t kMaximoMemorizados = 1 << 14;
}  // namespace

bool SelecaoAcordesImpressao::Aceitar(std::string_view texto) {
    auto it = respostas_.find(texto);
    if (it == respostas_.end()) {
        const bool sim = construivel_(texto);
        if (respostas_.size() >= kMaximoMemorizados) respostas_.clear();
        it = respostas_.emplace(std::string(texto), sim).first;
    }
    return it->second;
}

std::vector<std::string> AcordesParaImpressao(
    std::span<const std::string> candidatos,
    const std::function<bool(std::string_view)>& construivel) {
    SelecaoAcordesImpressao selecao(construivel);
    std::vector<std::string> acordes;
    for (const std::string& texto : candidatos)
        if (selecao.Aceitar(texto)) acordes.push_back(texto);
    return acordes;
}
