// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stands in for the language list window and the message boxes: records what would be shown
// and answers the list with a scripted index.

#include <string>
#include <vector>

#include "InteracaoIdiomas.h"

struct RegistroInteracao {
    std::vector<std::string> mensagens;
    std::vector<std::string> titulos;
    std::vector<std::vector<std::string>> listasMostradas;
    std::vector<int> destaques;
    int encerramentos = 0;
    int resposta = -1;  // what the language list answers
};

class InteracaoGravada : public InteracaoIdiomas {
  public:
    explicit InteracaoGravada(RegistroInteracao& registro) : r_(registro) {}
    void MostrarMensagem(std::string_view texto, std::string_view titulo) override {
        r_.mensagens.emplace_back(texto);
        r_.titulos.emplace_back(titulo);
    }
    int EscolherIndice(const std::vector<std::string>& nomes, int destacado) override {
        r_.listasMostradas.push_back(nomes);
        r_.destaques.push_back(destacado);
        return r_.resposta;
    }
    void EncerrarAplicacao() override { ++r_.encerramentos; }

  private:
    RegistroInteracao& r_;
};
