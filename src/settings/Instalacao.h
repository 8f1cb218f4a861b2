#pragma once
// Where the application lives: the installation folder is the folder of the running
// executable, and every shipped file (configuration, languages, catalogue) is found from it.

#include <filesystem>
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
