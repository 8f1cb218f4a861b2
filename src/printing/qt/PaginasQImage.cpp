// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaginasQImage.h"

PaginaQImage::PaginaQImage(TamanhoPagina tamanho, FontesQt& fontes)
    : imagem_(tamanho.largura, tamanho.altura, QImage::Format_RGB32) {
    imagem_.fill(Qt::white);
    pintor_ = std::make_unique<QPainter>(&imagem_);
    tela_ = std::make_unique<TelaQt>(*pintor_, fontes);
}

PaginaQImage::~PaginaQImage() { Concluir(); }

void PaginaQImage::Concluir() {
    if (pintor_ && pintor_->isActive()) pintor_->end();
}

std::unique_ptr<PaginaImagem> FabricaPaginasQImage::CriarPagina(TamanhoPagina tamanho) {
    return std::make_unique<PaginaQImage>(tamanho, fontes_);
}

const QImage* ImagemDaPagina(const PaginaImagem& pagina) {
    const auto* imagem = dynamic_cast<const PaginaQImage*>(&pagina);
    return imagem != nullptr ? &imagem->Imagem() : nullptr;
}

MedidorTextoQt::MedidorTextoQt() : imagem_(1, 1, QImage::Format_RGB32) {
    pintor_ = std::make_unique<QPainter>(&imagem_);
    tela_ = std::make_unique<TelaQt>(*pintor_, fontes_);
}

MedidorTextoQt::~MedidorTextoQt() {
    tela_.reset();
    pintor_->end();
}
