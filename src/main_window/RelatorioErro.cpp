// SPDX-License-Identifier: GPL-3.0-or-later
#include "RelatorioErro.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>
#include <typeinfo>

#include "Idioma.h"

#ifndef TASTAVO_VERSAO
#define TASTAVO_VERSAO ""
#endif

std::string MensagemFalhaIngles() {
    return "An error has occurred in your application.\nIf the problem persist, please contact "
           "us: " +
           std::string(mensagensIdioma::EmailSuporte) + ".";
}

std::string VersaoArquivo() { return TASTAVO_VERSAO; }

RelatorioErro RelatorioExcecao(bool possuiIdioma, std::string_view erroGeral,
                               std::string_view nomeAplicacao, std::string_view classe,
                               std::string_view mensagem, std::string_view versao) {
    RelatorioErro r;
    // A language file without its error text would give a box without words: English then.
    if (possuiIdioma && !erroGeral.empty()) {
        r.texto = erroGeral;
        r.titulo = nomeAplicacao.empty() ? TituloProdutoIngles : nomeAplicacao;
    } else {
        r.texto = MensagemFalhaIngles() + "\n\nError information:";
        r.titulo = TituloProdutoIngles;
    }
    r.texto += "\n\" ";
    r.texto += classe;
    r.texto += " (";
    r.texto += mensagem;
    r.texto += ")";
    if (!versao.empty()) {
        r.texto += ", v";
        r.texto += versao;
    }
    r.texto += " \"";
    return r;
}

RelatorioErro RelatorioFalhaDesconhecida(std::string_view versao) {
    RelatorioErro r{MensagemFalhaIngles(), std::string(TituloProdutoIngles)};
    if (!versao.empty()) {
        r.texto += "\n\nError information:\n\" v";
        r.texto += versao;
        r.texto += " \"";
    }
    return r;
}

std::string NomeClasse(const std::exception& e) {
    const char* bruto = typeid(e).name();
    int estado = 0;
    std::unique_ptr<char, void (*)(void*)> nome(
        abi::__cxa_demangle(bruto, nullptr, nullptr, &estado), std::free);
    return estado == 0 && nome ? std::string(nome.get()) : std::string(bruto);
}
