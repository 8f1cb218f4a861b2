#include "LeitorIni.h"

#include "LeituraArquivo.h"
#include "Utf8.h"

namespace {

bool Branco(char c) { return c == ' ' || c == '\t'; }

std::string_view Aparar(std::string_view s) {
    while (!s.empty() && Branco(s.front())) s.remove_prefix(1);
    while (!s.empty() && (Branco(s.back()) || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

bool IguaisSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto minuscula = [](char c) {
            return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        };
        if (minuscula(a[i]) != minuscula(b[i])) return false;
    }
    return true;
}

}  // namespace

LeitorIni::LeitorIni(std::string_view texto) {
    std::string secao;
    bool emSecao = false;
    std::size_t inicio = 0;
    while (inicio <= texto.size()) {
        std::size_t fim = texto.find_first_of("\r\n", inicio);
        if (fim == std::string_view::npos) fim = texto.size();
        const std::string_view linha = Aparar(texto.substr(inicio, fim - inicio));
        inicio = fim + 1;
        if (linha.empty() || linha.front() == ';') continue;
        if (linha.front() == '[') {
            const std::size_t fecha = linha.find(']');
            secao = std::string(Aparar(linha.substr(
                1, fecha == std::string_view::npos ? std::string_view::npos : fecha - 1)));
            emSecao = true;
            continue;
        }
        const std::size_t igual = linha.find('=');
        if (!emSecao || igual == std::string_view::npos) continue;
        entradas_.push_back({secao, std::string(Aparar(linha.substr(0, igual))),
                             std::string(Aparar(linha.substr(igual + 1)))});
    }
}

LeitorIni LeitorIni::DeArquivo(const std::filesystem::path& caminho) {
    return LeitorIni(utf8::DecodificarTexto(LerBytesArquivo(caminho)));
}

std::optional<std::string> LeitorIni::Ler(std::string_view secao, std::string_view chave) const {
    for (const auto& e : entradas_) {
        if (IguaisSemCaixa(e.secao, secao) && IguaisSemCaixa(e.chave, chave)) return e.valor;
    }
    return std::nullopt;
}
