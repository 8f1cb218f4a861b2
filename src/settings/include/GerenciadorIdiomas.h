// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The process-wide language manager: finds the installed languages, selects one (asking the
// user when the configured one is missing) and answers every text and picture lookup.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Idioma.h"
#include "Imagem.h"
#include "InteracaoIdiomas.h"

// The locale the user's messages follow: the first of LC_ALL, LC_MESSAGES and LANG that is set
// and not empty, or empty text.
std::string LocalidadeDoSistema();

// Of the installed `nomes` (display names), the one for `localidade`: Portuguese for a locale
// beginning with "pt", English for any other; the first installed when that one is missing;
// -1 when nothing is installed.
// Whether the language named `nome` (its display name) is Portuguese; the others are English.
bool IdiomaPortugues(std::string_view nome);

int IndiceIdiomaDaLocalidade(const std::vector<std::string>& nomes, std::string_view localidade);

class GerenciadorIdiomas {
  public:
    // The application code a language file must carry to be offered.
    static constexpr std::string_view CodigoAplicacao = "Tastavo1.0";

    // The manager start-up owns (a façade). Throws std::logic_error before start-up made it.
    static GerenciadorIdiomas& Instancia();

    // Lists the accepted ".idm" files of `pasta` in folder order. With none, shows the
    // "No language files" message and asks the application to end. Never throws for files
    // it cannot read (they are passed over); a null `interacao` writes the messages to
    // standard error and picks no language.
    GerenciadorIdiomas(std::filesystem::path pasta, std::unique_ptr<InteracaoIdiomas> interacao);
    virtual ~GerenciadorIdiomas();

    // Loads the language whose display name equals `nome` without regard to case (the first
    // in folder order); otherwise tells the user and lets them pick one. The current language,
    // or null when none could be selected (the user was told and asked to end). Throws what
    // CarregarIdioma throws.
    Idioma* SelecionarIdioma(std::string_view nome);

    // Start-up's choice: with a configured `nome`, SelecionarIdioma; with none (a first start)
    // the installed language of the system's `localidade` (see LocalidadeDoSistema), asking
    // nothing. Same result and failures as SelecionarIdioma.
    Idioma* SelecionarIdiomaInicial(std::string_view nome, std::string_view localidade);

    // Shows the language list; true when the user chose a language, which is then loaded.
    // Throws what CarregarIdioma throws.
    bool EscolherIdioma();

    // Loads the language at `indice` of the lists and makes it current (no reload when it is
    // already current); null, changing nothing, for an index outside the lists. Throws
    // std::filesystem::filesystem_error when its text file cannot be read.
    Idioma* CarregarIdioma(int indice);

    // The current language's text, or empty text (also when no language is loaded).
    std::string ObterTexto(std::string_view secao, std::string_view chave) const;
    // The current language's picture, or none (also when no language is loaded).
    std::optional<Imagem> ObterImagem(std::string_view secao, std::string_view chave);

    Idioma* IdiomaAtual() { return idiomaAtual_.get(); }
    const Idioma* IdiomaAtual() const { return idiomaAtual_.get(); }
    bool PossuiIdioma() const { return idiomaAtual_ != nullptr; }

    const std::vector<std::string>& NomesIdiomas() const { return nomesIdiomas_; }
    // Base names (without ".idm") parallel to NomesIdiomas.
    const std::vector<std::string>& ArquivosIdiomas() const { return arquivosIdiomas_; }
    int IndiceIdiomaAtual() const { return indiceIdiomaAtual_; }
    const std::filesystem::path& Pasta() const { return pasta_; }

    // pasta / ObterTexto("parametros", chave): a per-language file of the installation.
    std::filesystem::path CaminhoParametro(std::string_view chave) const;

  private:
    std::filesystem::path pasta_;
    std::unique_ptr<InteracaoIdiomas> interacao_;
    std::unique_ptr<Idioma> idiomaAtual_;
    std::vector<std::string> nomesIdiomas_;
    std::vector<std::string> arquivosIdiomas_;
    int indiceIdiomaAtual_ = -1;
};
