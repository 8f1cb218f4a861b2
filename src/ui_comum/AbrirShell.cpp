// SPDX-License-Identifier: GPL-3.0-or-later
#include "AbrirShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QString>
#include <QUrlQuery>

#include "Shell.h"

namespace {
QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}
}  // namespace

bool AbridorDesktopSistema::Abrir(const QUrl& url) { return QDesktopServices::openUrl(url); }

void AbrirDocumento(AbridorDesktop& abridor, std::string_view caminho,
                    std::string_view parametros) {
    const QString arquivo = Q(caminho);
    if (arquivo.isEmpty() || !QFileInfo(arquivo).isFile()) throw EFOpenError();
    QUrl url = QUrl::fromLocalFile(QFileInfo(arquivo).absoluteFilePath());
    if (!parametros.empty()) url.setQuery(Q(parametros));
    if (!abridor.Abrir(url)) throw EFOpenError();
}

void AbrirEndereco(AbridorDesktop& abridor, std::string_view endereco) {
    const std::string citado = CitarEndereco(endereco);
    const QString texto = Q(EnderecoSemAspas(citado));
    // A local help path with an anchor ("…/index.html#cifras") opens as a file URL.
    QUrl url = QUrl::fromUserInput(texto);
    if (texto.startsWith(QLatin1Char('/'))) {
        const qsizetype cerquilha = texto.indexOf(QLatin1Char('#'));
        url = QUrl::fromLocalFile(cerquilha < 0 ? texto : texto.left(cerquilha));
        if (cerquilha >= 0) url.setFragment(texto.mid(cerquilha + 1));
    }
    (void)abridor.Abrir(url);
}
