#include "AcordesParaImpressao.h"

#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "Excecoes.h"
#include "GeradorAcordesTeclado.h"

namespace {

// Buildable symbols hold only ASCII and the single characters º, ° and ø (whose capital Ø
// is no token), so folding A-Z is the whole of the letter-case comparison for them.
std::string ChaveSemCaixa(std::string_view texto) {
    std::string chave(texto);
    for (char& c : chave) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return chave;
}

}  // namespace

std::vector<std::string> AcordesParaImpressao(std::span<const std::string> candidatos,
                                              bool permitirRepeticao) {
    const GeradorAcordesTeclado& gerador = GeradorAcordesTeclado::Instancia();
    // A chart repeats its few chords over and over; the generator is a pure function of the
    // symbol, so each distinct text is built once.
    std::unordered_map<std::string_view, bool> construivel;
    std::unordered_set<std::string> vistos;
    std::vector<std::string> acordes;
    for (const std::string& texto : candidatos) {
        auto [it, novo] = construivel.try_emplace(texto, false);
        if (novo) {
            try {
                gerador.GerarAcorde(texto);
                it->second = true;
            } catch (const FormatoInvalidoException&) {
            } catch (const RaizNaoEncontradaException&) {
            }
        }
        if (!it->second) continue;
        if (!permitirRepeticao && !vistos.insert(ChaveSemCaixa(texto)).second) continue;
        acordes.push_back(texto);
    }
    return acordes;
}
