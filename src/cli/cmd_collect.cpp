// tastavo-cli collect: the chords of a chord chart that go to the print list, one a line.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>

#include "AcordesParaImpressao.h"
#include "Comandos.h"
#include "MusicaCifrada.h"
#include "Utf8.h"

namespace {

// The whole content of `caminho` ("-" or empty for standard input); nothing when it cannot
// be read, with the reason in `erro`.
std::optional<std::string> LerEntrada(const std::string& caminho, std::string& erro) {
    const bool entradaPadrao = caminho.empty() || caminho == "-";
    std::FILE* f = entradaPadrao ? stdin : std::fopen(caminho.c_str(), "rb");
    if (f == nullptr) {
        erro = std::strerror(errno);
        return std::nullopt;
    }
    std::string bytes;
    char bloco[1 << 16];
    std::size_t lidos;
    while ((lidos = std::fread(bloco, 1, sizeof bloco, f)) > 0) bytes.append(bloco, lidos);
    const bool falhou = std::ferror(f) != 0;
    if (falhou) erro = std::strerror(errno);
    if (!entradaPadrao) std::fclose(f);
    if (falhou) return std::nullopt;
    return bytes;
}

int Executar(bool unicos, const std::string& arquivo) {
    std::string erro;
    const std::optional<std::string> bytes = LerEntrada(arquivo, erro);
    if (!bytes) {
        std::cerr << "tastavo-cli collect: cannot read " << (arquivo.empty() ? "-" : arquivo)
                  << ": " << erro << "\n";
        return SaidaUso;
    }
    const std::vector<std::string> acordes = AcordesParaImpressao(
        ColetarAcordes(DividirLinhas(utf8::DecodificarTexto(*bytes))), !unicos);
    std::string saida;
    for (const std::string& acorde : acordes) {
        saida += acorde;
        saida += '\n';
    }
    if (std::fwrite(saida.data(), 1, saida.size(), stdout) != saida.size() ||
        std::fflush(stdout) != 0) {
        std::cerr << "tastavo-cli collect: cannot write the output: " << std::strerror(errno)
                  << "\n";
        return SaidaEntradaInvalida;
    }
    return SaidaOk;
}

const RegistrarComando registro{
    Comando{"collect",
            "List the chords of a chord chart (FILE or standard input) that go to the print list",
            [](CLI::App& sub) -> std::function<int()> {
                auto unicos = std::make_shared<bool>(false);
                auto arquivo = std::make_shared<std::string>();
                sub.add_flag("--unique", *unicos,
                             "Each chord only at its first occurrence (letter case ignored)");
                sub.add_option("FILE", *arquivo,
                               "Chart file (UTF-8 or Windows-1252); standard input "
                               "when absent or \"-\"");
                return [=] { return Executar(*unicos, *arquivo); };
            }}};

}  // namespace
