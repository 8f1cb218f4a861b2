#pragma once
// Opening documents and web addresses through the desktop.

#include <QUrl>
#include <functional>
#include <string_view>

// Opens `caminho` (with `parametros` as its query, when given). Throws EFOpenError when the
// file does not exist or the desktop cannot open it (an opener may report success for a
// missing file, so existence is checked first).
void AbrirDocumento(std::string_view caminho, std::string_view parametros = {});
// Opens `endereco` (quoted and unquoted again, see CitarEndereco); the desktop's answer is
// ignored. Throws ERangeError for an empty address.
void AbrirEndereco(std::string_view endereco);

// Hands every URL to `abridor` instead of the desktop (tests); null restores the desktop.
void DefinirAbridorDesktop(std::function<bool(const QUrl&)> abridor);
