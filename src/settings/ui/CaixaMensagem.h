#pragma once
// Every message box of the application goes through here, so tests can answer them.

#include <functional>
#include <string>
#include <string_view>

class QWidget;

namespace caixaMensagem {

enum class Tipo { Ok, SimNao };

struct Pedido {
    Tipo tipo;
    std::string texto;
    std::string titulo;
};

// Answers a box in place of the user: true for Yes (or OK). Null restores the real boxes.
using Respondedor = std::function<bool(const Pedido&)>;
void DefinirRespondedor(Respondedor respondedor);

// A modal box with an OK button.
void Informar(std::string_view texto, std::string_view titulo, QWidget* pai = nullptr);
// A modal question with Yes and No; true only for Yes. Non-empty captions replace the
// toolkit's own button texts ("&" marks the access key).
bool Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai = nullptr,
               std::string_view rotuloSim = {}, std::string_view rotuloNao = {});

}  // namespace caixaMensagem
