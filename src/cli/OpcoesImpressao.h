// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The options of `tastavo-cli print` and the print plugin that carries them out. Laying out
// pages needs Qt (its PDF writer, its fonts): the plugin, a small shared library of ours beside
// the executable, holds that part, so that the other commands start without loading Qt.

#include <optional>
#include <string>
#include <vector>

#include "ConteudoImpressao.h"
#include "RotuloTecla.h"

namespace imprimir {

enum class Formato { Pdf, Png, Json };
enum class Papel { A4, Carta };

struct Opcoes {
    std::optional<ConteudoImpressao> conteudo;
    ModoVisualizacao rotulos = ModoVisualizacao::Dedos;
    std::vector<std::string> cifras;
    Formato formato = Formato::Pdf;
    std::optional<int> zoom;
    Papel papel = Papel::A4;
    std::string tamanhoPagina;  // "WxH", or empty for the paper
    std::string idioma;
    std::string saida;
    std::vector<std::string> arquivos;
};

// What the plugin offers. Both sides are built from this header; VersaoApi changes whenever it
// (or Opcoes) changes, so that a stale plugin is refused, not called.
struct Api {
    int versao;
    // Runs the command; returns its exit status.
    int (*executar)(const Opcoes& opcoes);
};

inline constexpr int VersaoApi = 1;
// The plugin's file, in the installation folder beside the executables.
inline constexpr const char* ArquivoPlugin = "tastavo-impressao.so";
// The C function the plugin exports: returns its Api, which lives as long as the process.
inline constexpr const char* SimboloPlugin = "tastavo_plugin_impressao";
using FuncaoPlugin = const Api* (*)();

}  // namespace imprimir
