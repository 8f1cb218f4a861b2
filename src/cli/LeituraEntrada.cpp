// SPDX-License-Identifier: GPL-3.0-or-later
#include "LeituraEntrada.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <memory>

#include "AnaliseCifra.h"
#include "CifraEmPartes.h"
#include "Comandos.h"
#include "Utf8.h"

bool LerEntradaEmPartes(const std::string& caminho, std::string_view comando,
                        const std::function<bool(std::string_view texto, bool marcaOrdem)>& receber,
                        bool* grandeDemais, std::size_t limite) {
    if (grandeDemais != nullptr) *grandeDemais = false;
    const bool entradaPadrao = caminho.empty() || caminho == "-";
    const auto falhar = [&](int erro) {
        std::cerr << "tastavo-cli: " << comando << ": cannot read "
                  << (entradaPadrao ? "standard input" : caminho) << ": " << std::strerror(erro)
                  << "\n";
        return false;
    };
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> arquivo(
        entradaPadrao ? stdin : std::fopen(caminho.c_str(), "rb"),
        entradaPadrao ? +[](std::FILE*) { return 0; } : &std::fclose);
    if (!arquivo) return falhar(errno);

    utf8::Decodificador decodificador;
    std::string texto;
    auto bloco = std::make_unique<char[]>(1 << 16);
    std::size_t total = 0;
    for (;;) {
        const std::size_t lidos = std::fread(bloco.get(), 1, 1 << 16, arquivo.get());
        total += lidos;
        if (total > limite) {
            if (grandeDemais != nullptr) *grandeDemais = true;
            std::cerr << "tastavo-cli: " << comando << ": "
                      << (entradaPadrao ? std::string("standard input") : caminho)
                      << " is larger than " << (limite >> 20) << " MiB"
                      << ", the most a chart may be\n";
            return false;
        }
        texto.clear();
        if (lidos > 0) {
            decodificador.Decodificar({bloco.get(), lidos}, texto);
        } else if (std::ferror(arquivo.get())) {
            return falhar(errno);
        } else {
            decodificador.Terminar(texto);
        }
        // The end is always told, even with no text: a file of a byte-order mark alone.
        if ((!texto.empty() || lidos == 0) && !receber(texto, decodificador.MarcaOrdem()))
            return true;
        if (lidos == 0) return true;
    }
}

int LerEntradaInteira(const std::string& caminho, std::string_view comando, std::string& texto,
                      bool* marcaOrdem) {
    bool grande = false;
    const bool lido = LerEntradaEmPartes(
        caminho, comando,
        [&](std::string_view parte, bool marca) {
            if (marcaOrdem != nullptr) *marcaOrdem = marca;
            texto += parte;
            return true;
        },
        &grande, LimiteEntradaCifra);
    if (lido) return SaidaOk;
    return grande ? SaidaEntradaInvalida : SaidaArquivoIlegivel;
}

bool SaidaComando::Escrever(std::string_view texto) {
    if (erro_ != 0) return false;
    if (std::fwrite(texto.data(), 1, texto.size(), stdout) != texto.size()) {
        erro_ = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

bool SaidaComando::Terminar() {
    if (erro_ == 0 && std::fflush(stdout) != 0) erro_ = errno != 0 ? errno : EIO;
    if (erro_ == 0) return true;
    std::cerr << "tastavo-cli: " << comando_
              << ": cannot write the output: " << std::strerror(erro_) << "\n";
    return false;
}

void AvisarLinhasRetidas(ColetaContinua& coleta) {
    coleta.AoReterLinha([](std::size_t linha, std::string_view palavra) {
        std::cerr << "tastavo-cli: " << AvisoLinhaRetida(linha, palavra) << '\n';
    });
}
