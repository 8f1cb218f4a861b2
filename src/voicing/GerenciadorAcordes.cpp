// SPDX-License-Identifier: GPL-3.0-or-later
#include "GerenciadorAcordes.h"

#include <exception>

#include "Excecoes.h"
#include "Fachada.h"

GerenciadorAcordes& GerenciadorAcordes::Instancia() { return Fachada<GerenciadorAcordes>::Obter(); }

GerenciadorAcordes::GerenciadorAcordes(BaseNomesAcordes& base, const GeradorAcordesTeclado& gerador,
                                       ListaCifras* lista)
    : base_(base), gerador_(gerador), lista_(nullptr) {
    ConectarLista(lista);
}

void GerenciadorAcordes::ConectarLista(ListaCifras* lista) {
    lista_ = lista;
    if (lista_ != nullptr) lista_->SubstituirItens(base_.Nomes());
}

const PosicaoHarmonicaTeclado& GerenciadorAcordes::ProcurarAcorde(std::string_view cifra) {
    std::unique_ptr<AcordeTeclado> acorde = gerador_.GerarAcorde(cifra);
    // Every chord the generator accepts has a position; one without would break the stepping.
    if (!acorde || acorde->QuantidadePosicoes() == 0)
        throw FormatoInvalidoException(std::string(cifra));

    int indice = base_.Procurar(cifra);
    if (indice == -1) {
        indice = base_.Adicionar(cifra);
        if (lista_ != nullptr) lista_->InserirItem(indice, base_.NomeEm(indice));
    }
    acorde->DefinirNome(base_.NomeEm(indice));
    acordeAtual_ = std::move(acorde);
    indiceBase_ = indice;
    indicePosicao_ = 0;
    return acordeAtual_->Posicao(0);
}

const PosicaoHarmonicaTeclado* GerenciadorAcordes::PosicaoAnterior() {
    if (!acordeAtual_) return nullptr;
    if (indicePosicao_ == 0) return nullptr;
    --indicePosicao_;
    return &acordeAtual_->Posicao(indicePosicao_);
}

const PosicaoHarmonicaTeclado* GerenciadorAcordes::ProximaPosicao() {
    if (!acordeAtual_) return nullptr;
    if (indicePosicao_ >= acordeAtual_->QuantidadePosicoes() - 1) return nullptr;
    ++indicePosicao_;
    return &acordeAtual_->Posicao(indicePosicao_);
}

const PosicaoHarmonicaTeclado* GerenciadorAcordes::PosicaoAtual() const {
    if (!acordeAtual_) return nullptr;
    return &acordeAtual_->Posicao(indicePosicao_);
}

std::string GerenciadorAcordes::NomeAcordeAtual() const {
    return acordeAtual_ ? acordeAtual_->Nome() : std::string{};
}

GerenciadorAcordes::NomeEPosicao GerenciadorAcordes::PrimeiraPosicao(std::string_view cifra) const {
    try {
        const std::unique_ptr<AcordeTeclado> acorde = gerador_.GerarAcorde(cifra);
        if (!acorde || acorde->QuantidadePosicoes() == 0)
            throw FormatoInvalidoException(std::string(cifra));
        return {std::string(cifra), acorde->Posicao(0)};
    } catch (const std::exception&) {
        throw FormatoInvalidoException(std::string(cifra));
    }
}
