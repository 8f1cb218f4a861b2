// SPDX-License-Identifier: GPL-3.0-or-later
// tastavo-cli print: songbooks and set lists on paper: the chart text with a keyboard diagram
// for every chord, as a PDF, as preview page images or as the drawing itself in JSON. The
// options are read here; the pages are laid out by the print plugin (OpcoesImpressao.h), loaded
// only now, so that no other command loads Qt.
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>
#include <string>

#include "Comandos.h"
#include "Instalacao.h"
#include "OpcoesImpressao.h"
#include "Plataforma.h"

namespace {

using imprimir::Formato;
using imprimir::Opcoes;
using imprimir::Papel;

// Loads the plugin from the installation folder and runs the command in it.
int Executar(const Opcoes& o) {
    const std::filesystem::path arquivo = PastaInstalacao() / imprimir::ArquivoPlugin;
    const auto erro = [&arquivo](const std::string& motivo) {
        std::cerr << "tastavo-cli: print: the print plugin " << arquivo.string() << ' ' << motivo
                  << '\n';
        return SaidaEntradaInvalida;
    };
    std::error_code semArquivo;
    if (!std::filesystem::is_regular_file(arquivo, semArquivo))
        return erro("is missing: print needs it beside the executable");
    // Kept loaded until the process ends: what it printed may still be flushed at exit.
    std::string motivo;
    void* biblioteca = plataforma::CarregarBiblioteca(arquivo, motivo);
    if (!biblioteca) return erro("cannot be loaded: " + motivo);
    const auto entrada = reinterpret_cast<imprimir::FuncaoPlugin>(
        plataforma::ProcurarFuncao(biblioteca, imprimir::SimboloPlugin));
    const imprimir::Api* api = entrada ? entrada() : nullptr;
    if (!api || api->versao != imprimir::VersaoApi)
        return erro("belongs to another version of Tastavo");
    return api->executar(o);
}

const RegistrarComando registro{Comando{
    "print",
    "Lay out a chord chart (FILEs, or standard input) and its chords' keyboard diagrams as "
    "PDF, PNG pages or a JSON drawing",
    [](CLI::App& sub) -> std::function<int()> {
        auto o = std::make_shared<Opcoes>();
        const std::map<std::string, ConteudoImpressao> conteudos{
            {"chart+chords", ConteudoImpressao::CifraEAcordes},
            {"chords", ConteudoImpressao::SomenteAcordes},
            {"chart", ConteudoImpressao::SomenteCifra}};
        const std::map<std::string, ModoVisualizacao> rotulos{
            {"fingers", ModoVisualizacao::Dedos},
            {"notes", ModoVisualizacao::Notas},
            {"intervals", ModoVisualizacao::Intervalos}};
        const std::map<std::string, Formato> formatos{
            {"pdf", Formato::Pdf}, {"png", Formato::Png}, {"json", Formato::Json}};
        const std::map<std::string, Papel> papeis{{"a4", Papel::A4}, {"letter", Papel::Carta}};
        sub.add_option("--content", o->conteudo,
                       "chart+chords (default with a FILE), chords (default without) or chart")
            ->transform(CLI::CheckedTransformer(conteudos, CLI::ignore_case));
        sub.add_option("--labels", o->rotulos, "Key labels: fingers (default), notes or intervals")
            ->transform(CLI::CheckedTransformer(rotulos, CLI::ignore_case));
        sub.add_option("--chord", o->cifras,
                       "A chord to draw, in order (repeatable); default: the chart's chords")
            ->type_name("SYMBOL")
            ->allow_extra_args(false);
        sub.add_option("--format", o->formato, "pdf (default), png (OUT-1.png, ...) or json")
            ->transform(CLI::CheckedTransformer(formatos, CLI::ignore_case));
        sub.add_option("--zoom", o->zoom, "png and json: the preview's zoom in percent (png: 100)")
            ->check(CLI::IsMember({100, 200, 300}));
        sub.add_option("--paper", o->papel, "a4 (default) or letter")
            ->transform(CLI::CheckedTransformer(papeis, CLI::ignore_case));
        sub.add_option("--page-size", o->tamanhoPagina,
                       "A page of W x H printer pixels instead of the paper (100 to 100000 a "
                       "side, at most 1:20)")
            ->type_name("WxH");
        sub.add_option("--language", o->idioma,
                       "Language of the header texts (default: the first installed)")
            ->type_name("NAME");
        sub.add_option("-o,--output", o->saida, "Output file (json: \"-\" for standard output)")
            ->type_name("OUT")
            ->required();
        sub.add_option("FILE", o->arquivos,
                       "Chart files (UTF-8 or Windows-1252), one song each; standard input "
                       "when absent and the content holds the chart");
        return [o] { return Executar(*o); };
    }}};

}  // namespace
