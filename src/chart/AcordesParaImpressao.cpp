#include "AcordesParaImpressao.h"

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

// Enough for the distinct chords of any real chart; a hostile one only costs rebuilding.
constexpr std::size_t kMaximoMemorizados = 1 << 14;

}  // namespace

bool SelecaoAcordesImpressao::Aceitar(std::string_view texto) {
    // The generator is a pure function of the symbol, so each distinct text is built once.
    auto it = construivel_.find(texto);
    if (it == construivel_.end()) {
        bool sim = false;
        try {
            GeradorAcordesTeclado::Instancia().GerarAcorde(texto);
            sim = true;
        } catch (const FormatoInvalidoException&) {
        } catch (const RaizNaoEncontradaException&) {
        }
        if (construivel_.size() >= kMaximoMemorizados) construivel_.clear();
        it = construivel_.emplace(std::string(texto), sim).first;
    }
    if (!it->second) return false;
    return permitirRepeticao_ || vistos_.insert(ChaveSemCaixa(texto)).second;
}

std::vector<std::string> AcordesParaImpressao(std::span<const std::string> candidatos,
                                              bool permitirRepeticao) {
    SelecaoAcordesImpressao selecao(permitirRepeticao);
    std::vector<std::string> acordes;
    for (const std::string& texto : candidatos) {
        if (selecao.Aceitar(texto)) acordes.push_back(texto);
    }
    return acordes;
}
