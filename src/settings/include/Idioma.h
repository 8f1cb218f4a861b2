// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One language: the texts of its ".idm" file, looked up by section and key, and the JPEG
// pictures of its ".dat" file.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Imagem.h"

class InteracaoIdiomas;

// The fixed English texts of the language manager (they cannot come from a language file).
namespace mensagensIdioma {
inline constexpr std::string_view Titulo = "Internationalization";
inline constexpr std::string_view NenhumIdioma =
    "No language files were found. Please, reinstall your software.";
inline constexpr std::string_view IdiomaNaoEncontrado =
    "The language you have selected was not found. Please, select another one.";
inline constexpr std::string_view NenhumIdiomaSelecionado =
    "The application could not be initialized because no language was selected.";
inline constexpr std::string_view EmailSuporte = "suporte@corvela.example";
// "The file ... corrupted. ..." CR LF "If the problem persist, please contact us: <e-mail>."
std::string ArquivoCorrompido();
}  // namespace mensagensIdioma

class Idioma {
  public:
    // Parses pasta / arquivoTexto; pictures are read from pasta / arquivoImagens on request.
    // `interacao` (not owned, may be null) shows the corrupted-file message. Throws
    // std::filesystem::filesystem_error when the text file cannot be read.
    Idioma(const std::filesystem::path& pasta, std::string_view arquivoTexto,
           std::string_view arquivoImagens, InteracaoIdiomas* interacao = nullptr);
    virtual ~Idioma() = default;

    // The text of (secao, key), every "#" turned into CR LF; empty text when the section or the
    // key is missing (silently). Names compare exactly, case included. Never throws.
    std::string ObterTexto(std::string_view secao, std::string_view chave) const;

    // The picture that (secao, chave) addresses as "offset,length" in the image file; none
    // without a message when the key is missing; none after the corrupted-file message
    // (InformarArquivoCorrompido) when the entry, the file or the JPEG bytes are unusable.
    // The image file is opened for each call and only the addressed bytes are read.
    std::optional<Imagem> ObterImagem(std::string_view secao, std::string_view chave);

    // ("EspecificacaoIdioma", "nomeIdioma").
    std::string ObterNome() const;

    // Shows the corrupted-file message, at most once for this language.
    void InformarArquivoCorrompido();
    bool CorrupcaoInformada() const { return corrupcaoInformada_; }

    const std::filesystem::path& CaminhoArquivoImagens() const { return caminhoArquivoImagens_; }

    // The raw entries in file order: section headers as (name, "CS<n>"), key lines as
    // ("CS<n>" + key, value).
    const std::vector<std::pair<std::string, std::string>>& Entradas() const { return entradas_; }

  private:
    std::vector<std::pair<std::string, std::string>> entradas_;
    std::filesystem::path caminhoArquivoImagens_;
    bool corrupcaoInformada_ = false;
    InteracaoIdiomas* interacao_;
};

// Splits one raw key line of a language file into key and value with the stored files' rules
// (the value's length follows from the stripped line; "#" is not yet replaced).
std::pair<std::string, std::string> SepararChaveValor(std::string_view linhaBruta);
