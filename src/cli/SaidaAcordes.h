// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the parse and chord commands print: JSON objects and terminal keyboard diagrams.

#include <exception>
#include <nlohmann/json.hpp>
#include <string>

#include "AcordeTeclado.h"
#include "Cifra.h"
#include "RotuloTecla.h"

namespace saida {

struct Erro {
    std::string tipo;      // "root-not-found" or "invalid-format"
    std::string texto;     // the exception's own text
    std::string mensagem;  // one line for a person
};

// Describes a parse or generation failure (FormatoInvalidoException, RaizNaoEncontradaException).
Erro DescreverErro(const std::exception& e);

nlohmann::json CifraEmJson(const std::string& cifra, CifraCodificada c);
nlohmann::json ErroEmJson(const std::string& cifra, const Erro& erro);
nlohmann::json AcordeEmJson(const AcordeTeclado& acorde, ModoVisualizacao rotulos);

// The text of a JSON document. A symbol given in another encoding is not UTF-8: its bad bytes
// are written as U+FFFD instead of failing the whole output.
std::string TextoJson(const nlohmann::json& j);
// `texto` for a terminal: the same rule in plain text, every byte that is not UTF-8 as U+FFFD.
std::string TextoLegivel(std::string_view texto);

// The label of key `tecla` pressed by finger slot `slot` in a chord named `nome`.
std::string Rotulo(const std::string& nome, int tecla, int slot, ModoVisualizacao rotulos);

// A two-octave keyboard drawn with text, the pressed keys labelled.
std::string DesenharTeclado(const AcordeTeclado& acorde, int indice, ModoVisualizacao rotulos);

}  // namespace saida
