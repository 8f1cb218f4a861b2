// SPDX-License-Identifier: GPL-3.0-or-later
#include "FigurasIdioma.h"

#include <QImage>

#include "ArteEmbutida.h"
#include "GerenciadorIdiomas.h"

QPixmap ParaPixmap(const std::optional<Imagem>& imagem) {
    if (!imagem || imagem->Largura <= 0 || imagem->Altura <= 0) return {};
    const QImage img(imagem->Pixels.data(), imagem->Largura, imagem->Altura, imagem->Largura * 3,
                     QImage::Format_RGB888);
    return QPixmap::fromImage(img.copy());
}

QPixmap FiguraIdioma(GerenciadorIdiomas& idiomas, std::string_view secao, std::string_view chave) {
    return ParaPixmap(idiomas.ObterImagem(secao, chave));
}

QPixmap FiguraEmbutida(const char* nome) {
    CarregarArteEmbutida();
    return QPixmap(QStringLiteral(":/arte/%1.png").arg(QLatin1String(nome)));
}
