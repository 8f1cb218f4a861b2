// SPDX-License-Identifier: GPL-3.0-or-later
#include "PluginSom.h"

#include <map>
#include <system_error>

#include "Plataforma.h"

const ApiPluginSom& CarregarPluginSom(const std::filesystem::path& pasta) {
    // One load per file; the plugin stays loaded, since the objects it made may outlive any
    // caller's scope.
    static std::map<std::filesystem::path, const ApiPluginSom*> carregados;
    const std::filesystem::path arquivo = pasta / ArquivoPluginSom;
    if (const auto it = carregados.find(arquivo); it != carregados.end()) return *it->second;

    std::error_code erro;
    if (!std::filesystem::is_regular_file(arquivo, erro))
        throw ErroPluginSom("the sound plugin " + arquivo.string() +
                            " is missing: sound needs it beside the executable");
    std::string motivo;
    void* biblioteca = plataforma::CarregarBiblioteca(arquivo, motivo);
    if (!biblioteca)
        throw ErroPluginSom("the sound plugin " + arquivo.string() +
                            " cannot be loaded: " + motivo);
    const auto entrada =
        reinterpret_cast<FuncaoPluginSom>(plataforma::ProcurarFuncao(biblioteca, SimboloPluginSom));
    const ApiPluginSom* api = entrada ? entrada() : nullptr;
    if (!api || api->versao != VersaoApiPluginSom) {
        plataforma::DescarregarBiblioteca(biblioteca);
        throw ErroPluginSom("the sound plugin " + arquivo.string() +
                            " belongs to another version of Tastavo");
    }
    carregados.emplace(arquivo, api);
    return *api;
}
