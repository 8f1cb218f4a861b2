// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every message box of the application goes through this interface, handed to each window by
// start-up, so tests answer the boxes with a double of their own.

#include <string>
#include <string_view>

class QWidget;

namespace caixaMensagem {

enum class Tipo { Ok, SimNao, SalvarDescartarCancelar };

// The answer to the question about unsaved changes.
enum class RespostaSalvar { Salvar, Descartar, Cancelar };

struct Pedido {
    Tipo tipo;
    std::string texto;
    std::string titulo;
};

}  // namespace caixaMensagem

class CaixasMensagem {
  public:
    virtual ~CaixasMensagem() = default;
    // A modal box with an OK button.
    virtual void Informar(std::string_view texto, std::string_view titulo,
                          QWidget* pai = nullptr) = 0;
    // A modal question with Yes and No; true only for Yes. Non-empty captions replace the
    // toolkit's own button texts ("&" marks the access key).
    virtual bool Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai = nullptr,
                           std::string_view rotuloSim = {}, std::string_view rotuloNao = {}) = 0;
    // A modal question about unsaved work with Save, Discard and Cancel (Esc cancels), the
    // captions given in that order. The default asks Perguntar with the Save and Cancel
    // captions, so a box that cannot offer three buttons never discards work.
    struct RotulosSalvar {
        std::string_view salvar, descartar, cancelar;
    };
    virtual caixaMensagem::RespostaSalvar PerguntarSalvar(std::string_view texto,
                                                          std::string_view titulo, QWidget* pai,
                                                          const RotulosSalvar& rotulos);
};

// The real, modal message boxes.
class CaixasMensagemQt : public CaixasMensagem {
  public:
    void Informar(std::string_view texto, std::string_view titulo, QWidget* pai = nullptr) override;
    bool Perguntar(std::string_view texto, std::string_view titulo, QWidget* pai = nullptr,
                   std::string_view rotuloSim = {}, std::string_view rotuloNao = {}) override;
    caixaMensagem::RespostaSalvar PerguntarSalvar(std::string_view texto, std::string_view titulo,
                                                  QWidget* pai,
                                                  const RotulosSalvar& rotulos) override;
};
