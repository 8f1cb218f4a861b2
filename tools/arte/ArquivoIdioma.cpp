// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArquivoIdioma.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace arte {
namespace {

struct Linha {
    std::string_view corpo;  // without its line break
    std::string_view fim;    // "\r\n", "\n", "\r" or empty for the last line
};

std::vector<Linha> Linhas(std::string_view texto) {
    std::vector<Linha> linhas;
    std::size_t i = 0;
    while (i < texto.size()) {
        std::size_t j = texto.find_first_of("\r\n", i);
        if (j == std::string_view::npos) {
            linhas.push_back({texto.substr(i), {}});
            break;
        }
        std::size_t k = j + 1;
        if (texto[j] == '\r' && k < texto.size() && texto[k] == '\n') ++k;
        linhas.push_back({texto.substr(i, j - i), texto.substr(j, k - j)});
        i = k;
    }
    return linhas;
}

std::string_view Aparar(std::string_view s) {
    auto branco = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!s.empty() && branco(s.front())) s.remove_prefix(1);
    while (!s.empty() && branco(s.back())) s.remove_suffix(1);
    return s;
}

bool IgualSemCaixa(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// The section named by a header line, or nothing for another line.
bool Cabecalho(std::string_view corpo, std::string_view& nome) {
    const std::string_view s = Aparar(corpo);
    if (s.empty() || s.front() != '[') return false;
    nome = s.size() >= 2 ? s.substr(1, s.size() - 2) : std::string_view{};
    return true;
}

}  // namespace

std::string DefinirEntrada(std::string_view texto, std::string_view secao, std::string_view chave,
                           std::string_view valor) {
    const std::vector<Linha> linhas = Linhas(texto);
    const std::string_view quebra =
        !linhas.empty() && !linhas.front().fim.empty() ? linhas.front().fim : "\r\n";
    const std::string novaLinha = std::string(chave) + "=" + std::string(valor);

    // The first block of the section: [inicio, fimBloco).
    std::size_t inicio = linhas.size(), fimBloco = linhas.size();
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        std::string_view nome;
        if (!Cabecalho(linhas[i].corpo, nome)) continue;
        if (inicio == linhas.size()) {
            if (nome == secao) inicio = i + 1;
        } else {
            fimBloco = i;
            break;
        }
    }

    std::string saida;
    saida.reserve(texto.size() + novaLinha.size() + 32);
    auto escrever = [&](std::size_t i) {
        saida += linhas[i].corpo;
        saida += linhas[i].fim;
    };
    if (inicio == linhas.size()) {
        for (std::size_t i = 0; i < linhas.size(); ++i) escrever(i);
        if (!saida.empty() && saida.back() != '\n' && saida.back() != '\r') saida += quebra;
        saida += "[" + std::string(secao) + "]";
        saida += quebra;
        saida += novaLinha;
        saida += quebra;
        return saida;
    }
    std::size_t alvo = linhas.size();
    for (std::size_t i = inicio; i < fimBloco; ++i) {
        const std::string_view corpo = linhas[i].corpo;
        const std::size_t igual = corpo.find('=');
        if (igual != std::string_view::npos && corpo.substr(0, igual) == chave) {
            alvo = i;
            break;
        }
    }
    // Insert after the block's last non-empty line.
    std::size_t ultima = inicio - 1;
    for (std::size_t i = inicio; i < fimBloco; ++i)
        if (!Aparar(linhas[i].corpo).empty()) ultima = i;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (i == alvo) {
            saida += novaLinha;
            saida += linhas[i].fim.empty() ? std::string_view{} : linhas[i].fim;
            continue;
        }
        escrever(i);
        if (alvo == linhas.size() && i == ultima) {
            if (linhas[i].fim.empty()) saida += quebra;
            saida += novaLinha;
            saida += quebra;
        }
    }
    return saida;
}

std::string LerEntradaIni(std::string_view texto, std::string_view secao, std::string_view chave) {
    bool dentro = false;
    for (const Linha& l : Linhas(texto)) {
        std::string_view nome;
        if (Cabecalho(l.corpo, nome)) {
            dentro = IgualSemCaixa(Aparar(nome), secao);
            continue;
        }
        if (!dentro) continue;
        const std::size_t igual = l.corpo.find('=');
        if (igual == std::string_view::npos) continue;
        if (IgualSemCaixa(Aparar(l.corpo.substr(0, igual)), chave))
            return std::string(Aparar(l.corpo.substr(igual + 1)));
    }
    return {};
}

}  // namespace arte
