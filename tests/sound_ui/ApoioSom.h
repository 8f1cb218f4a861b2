// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the sound windows' tests hand the windows in place of start-up's objects: the installed
// languages in Portuguese, and message boxes that are recorded instead of shown.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaixaMensagem.h"
#include "GerenciadorIdiomas.h"

// The languages installed in build/bin, Portuguese selected. Read-only for the tests.
GerenciadorIdiomas& IdiomasDeTeste();

// Keeps every box and answers Yes; with `esperadas` false, a box fails the test.
class CaixasGravadas : public CaixasMensagem {
  public:
    explicit CaixasGravadas(bool esperadas = true) : esperadas_(esperadas) {}
    void Informar(std::string_view texto, std::string_view titulo, QWidget* = nullptr) override {
        Registrar({caixaMensagem::Tipo::Ok, std::string(texto), std::string(titulo)});
    }
    bool Perguntar(std::string_view texto, std::string_view titulo, QWidget* = nullptr,
                   std::string_view = {}, std::string_view = {}) override {
        Registrar({caixaMensagem::Tipo::SimNao, std::string(texto), std::string(titulo)});
        return true;
    }
    std::vector<caixaMensagem::Pedido> pedidos;

  private:
    void Registrar(caixaMensagem::Pedido p) {
        if (!esperadas_) ADD_FAILURE() << "unexpected message box: " << p.texto;
        pedidos.push_back(std::move(p));
    }
    bool esperadas_;
};
