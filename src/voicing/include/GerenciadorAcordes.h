// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The chord manager: makes a typed or picked symbol the current chord, keeps the catalogue and
// the main window's chord list in step with it, steps through the chord's positions and hands
// out the first position of any chord for the print list.

#include <memory>
#include <string>
#include <string_view>

#include "AcordeTeclado.h"
#include "BaseNomesAcordes.h"
#include "GeradorAcordesTeclado.h"
#include "ListaCifras.h"
#include "PosicaoHarmonica.h"

class GerenciadorAcordes {
  public:
    // The manager start-up owns (a façade). Throws std::logic_error before start-up made it.
    static GerenciadorAcordes& Instancia();

    // A manager over `base` and `gerador` (neither owned; both outlive it). When `lista` (not
    // owned, may be null) is given, its items are replaced by the catalogue's names.
    GerenciadorAcordes(BaseNomesAcordes& base, const GeradorAcordesTeclado& gerador,
                       ListaCifras* lista = nullptr);
    virtual ~GerenciadorAcordes() = default;

    // Makes `lista` the chord list to keep in step (not owned; null to disconnect) and replaces
    // its items by the catalogue's names in catalogue order.
    virtual void ConectarLista(ListaCifras* lista);

    // Makes the chord of `cifra` current, with the catalogue's wording when the catalogue
    // already means the same chord, else inserting `cifra` into the catalogue and the list at
    // its sorted place; returns its first position. Throws RaizNaoEncontradaException or
    // FormatoInvalidoException, changing nothing.
    virtual const PosicaoHarmonicaTeclado& ProcurarAcorde(std::string_view cifra);
    // The previous / next position of the current chord, or null at either end (the index then
    // stays) or when there is no current chord. Never wraps around.
    virtual const PosicaoHarmonicaTeclado* PosicaoAnterior();
    virtual const PosicaoHarmonicaTeclado* ProximaPosicao();
    // The position shown, or null when there is no current chord.
    virtual const PosicaoHarmonicaTeclado* PosicaoAtual() const;
    // Index of the position shown (0 when there is no current chord).
    virtual int IndicePosicaoAtual() const { return indicePosicao_; }
    // The current chord's catalogue index, or -1 when there is none.
    virtual int IndiceAcordeAtual() const { return indiceBase_; }
    // The current chord's name (the catalogue's wording), or empty text.
    virtual std::string NomeAcordeAtual() const;
    // The current chord, or null.
    virtual const AcordeTeclado* AcordeAtual() const { return acordeAtual_.get(); }
    // `cifra` as written with a copy of its chord's first position, what a print item holds;
    // the current chord does not change. Throws FormatoInvalidoException carrying `cifra` on
    // any failure.
    struct NomeEPosicao {
        std::string nome;
        PosicaoHarmonicaTeclado posicao;
    };
    virtual NomeEPosicao PrimeiraPosicao(std::string_view cifra) const;

    BaseNomesAcordes& Base() { return base_; }

    // Positions handed out stay valid until the next successful ProcurarAcorde.

  private:
    BaseNomesAcordes& base_;
    const GeradorAcordesTeclado& gerador_;
    ListaCifras* lista_;
    std::unique_ptr<AcordeTeclado> acordeAtual_;
    int indicePosicao_ = 0;
    int indiceBase_ = -1;
};
