// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening documents and web addresses through the desktop.

#include <QUrl>
#include <string_view>

// Where URLs go: the desktop's handlers, or a test's double.
class AbridorDesktop {
  public:
    virtual ~AbridorDesktop() = default;
    // True when the desktop took the URL.
    virtual bool Abrir(const QUrl& url) = 0;
};

// The desktop's own handlers (QDesktopServices).
class AbridorDesktopSistema : public AbridorDesktop {
  public:
    bool Abrir(const QUrl& url) override;
};

// Opens `caminho` (with `parametros` as its query, when given). Throws EFOpenError when the
// file does not exist or the desktop cannot open it (an opener may report success for a
// missing file, so existence is checked first).
void AbrirDocumento(AbridorDesktop& abridor, std::string_view caminho,
                    std::string_view parametros = {});
// Opens `endereco` (quoted and unquoted again, see CitarEndereco); the desktop's answer is
// ignored. Throws ERangeError for an empty address.
void AbrirEndereco(AbridorDesktop& abridor, std::string_view endereco);
