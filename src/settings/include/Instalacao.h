// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the application lives: the installation folder is the folder of the running
// executable, and every shipped file (configuration, languages, catalogue) is found from it.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The folder that holds the running executable (Linux: the target of /proc/self/exe). Falls
// back to the current folder when the platform cannot tell. Never throws.
std::filesystem::path PastaInstalacao();

// The running executable's file name without folder, e.g. "tastavo". Empty when unknown.
std::string NomeExecutavel();

// `relativo` (as a language file gives it, "\" or "/" as separators) inside `pasta`.
std::filesystem::path CaminhoRelativo(const std::filesystem::path& pasta,
                                      std::string_view relativo);

// The user's own configuration folder for the application, by the desktop's rules: on Windows
// %APPDATA%\tastavo; elsewhere $XDG_CONFIG_HOME/tastavo when that is an absolute path, else
// $HOME/.config/tastavo. `ambiente` looks a variable up (none when unset); empty when no
// folder can be named at all. Never throws except std::bad_alloc.
std::filesystem::path PastaConfiguracaoUsuario(
    const std::function<std::optional<std::string>(const char*)>& ambiente);
// The same from the process's environment (and the password database when HOME is unset).
std::filesystem::path PastaConfiguracaoUsuario();

// Whether a file can be created in `pasta`: tried by creating and removing a probe file, as
// permissions alone do not tell (read-only mounts, access lists, Windows). Never throws.
bool PastaGravavel(const std::filesystem::path& pasta);

// Where the configuration file named `nome` lives: beside the executable when the
// installation folder is writable (a portable copy, the build folder), otherwise in the
// user's configuration folder, so an installed copy still keeps its settings. Falls back to
// the installation folder when no user folder can be named.
std::filesystem::path EscolherCaminhoConfiguracao(const std::filesystem::path& pastaInstalacao,
                                                  bool instalacaoGravavel,
                                                  const std::filesystem::path& pastaUsuario,
                                                  std::string_view nome);
