// SPDX-License-Identifier: GPL-3.0-or-later
#include "TelaRegistro.h"

#include <algorithm>
#include <cmath>

#include "Utf8.h"

std::vector<PaginaRegistrada> TelaRegistro::Extrair() {
    std::vector<PaginaRegistrada> paginas = std::move(paginas_);
    paginas_.assign(1, {});
    return paginas;
}

void ReproduzirPagina(const PaginaRegistrada& pagina, TelaImpressao& tela, double escala) {
    const auto e = [escala](int v) { return static_cast<int>(std::floor(v * escala + 0.5)); };
    Pincel pincel = Pincel::Branco;
    bool pincelDefinido = false;
    for (const OperacaoDesenho& op : pagina) {
        if (op.tipo == OperacaoDesenho::Tipo::Texto) {
            tela.DefinirFonte(op.face, std::max(1, e(op.alturaFonte)));
            tela.EscreverTexto(e(op.x1), e(op.y1), op.texto);
            continue;
        }
        if (!pincelDefinido || op.pincel != pincel) {
            tela.DefinirPincel(op.pincel);
            pincel = op.pincel;
            pincelDefinido = true;
        }
        switch (op.tipo) {
            case OperacaoDesenho::Tipo::Retangulo:
                // The outline runs on the last covered unit: scaling that unit keeps the shared
                // outline of two touching keys one line.
                tela.Retangulo(e(op.x1), e(op.y1), e(op.x2 - 1) + 1, e(op.y2 - 1) + 1);
                break;
            case OperacaoDesenho::Tipo::RetanguloPreenchido:
                tela.RetanguloPreenchido(e(op.x1), e(op.y1), e(op.x2), e(op.y2));
                break;
            case OperacaoDesenho::Tipo::Elipse:
                tela.Elipse(e(op.x1), e(op.y1), e(op.x2), e(op.y2));
                break;
            case OperacaoDesenho::Tipo::Texto:
                break;
        }
    }
}

void TelaRegistro::DefinirFonte(std::string_view face, int altura) {
    face_ = face;
    altura_ = altura;
    if (medidor_ != nullptr) medidor_->DefinirFonte(face, altura);
}

int TelaRegistro::LarguraTexto(std::string_view texto) {
    if (medidor_ != nullptr) return medidor_->LarguraTexto(texto);
    return static_cast<int>(utf8::ContarCaracteres(texto)) * altura_ / 2;
}

int TelaRegistro::AlturaTexto(std::string_view texto) {
    if (medidor_ != nullptr) return medidor_->AlturaTexto(texto);
    return altura_;
}

void TelaRegistro::EscreverTexto(int x, int y, std::string_view texto) {
    OperacaoDesenho op;
    op.tipo = OperacaoDesenho::Tipo::Texto;
    op.x1 = x;
    op.y1 = y;
    op.texto = texto;
    op.face = face_;
    op.alturaFonte = altura_;
    op.largura = LarguraTexto(texto);
    op.altura = AlturaTexto(texto);
    op.alturaA = AlturaTexto("A");
    paginas_.back().push_back(std::move(op));
}

void TelaRegistro::Forma(OperacaoDesenho::Tipo tipo, int x1, int y1, int x2, int y2) {
    OperacaoDesenho op;
    op.tipo = tipo;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.pincel = pincel_;
    paginas_.back().push_back(std::move(op));
}

void TelaRegistro::Retangulo(int x1, int y1, int x2, int y2) {
    Forma(OperacaoDesenho::Tipo::Retangulo, x1, y1, x2, y2);
}

void TelaRegistro::RetanguloPreenchido(int x1, int y1, int x2, int y2) {
    Forma(OperacaoDesenho::Tipo::RetanguloPreenchido, x1, y1, x2, y2);
}

void TelaRegistro::Elipse(int x1, int y1, int x2, int y2) {
    Forma(OperacaoDesenho::Tipo::Elipse, x1, y1, x2, y2);
}

TelaImpressao& ImpressoraRegistro::IniciarDocumento(std::string_view titulo) {
    titulo_ = titulo;
    encerrado_ = false;
    abortado_ = false;
    tela_ = std::make_unique<TelaRegistro>(medidor_);
    return *tela_;
}

const std::vector<PaginaRegistrada>& ImpressoraRegistro::Paginas() const {
    static const std::vector<PaginaRegistrada> nenhuma;
    return tela_ ? tela_->Paginas() : nenhuma;
}

std::unique_ptr<PaginaImagem> FabricaPaginasRegistro::CriarPagina(TamanhoPagina tamanho) {
    ++criadas_;
    return std::make_unique<PaginaRegistro>(tamanho, medidor_);
}
