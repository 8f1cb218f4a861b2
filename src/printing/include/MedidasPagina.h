// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every measure of a printed page, derived from the page width alone, so that the preview at
// any zoom is a scaled copy of the print.

#include <optional>

#include "SuperficiesImpressao.h"

// The page width every measure is proportioned to: at this width the margins are 150 and
// 200 units, a white key 66 × 300.
inline constexpr int LarguraReferencia = 2892;
// A preview page at 100 % is this many pixels wide.
inline constexpr int LarguraVisualizacao100 = 360;
// The page a preview uses when there is no printer to ask, and its scale at 100 %.
inline constexpr TamanhoPagina PaginaSemImpressora{2400, 3141};
inline constexpr double EscalaSemImpressora100 = 0.15;

struct MedidasPagina {
    int largura = 0;  // W
    int altura = 0;   // H
    int margemEsquerda = 0;
    int margemDireita = 0;
    int margemSuperior = 0;
    int margemInferior = 0;
    int alturaTitulo = 0;    // first header line
    int alturaEndereco = 0;  // second header line
    int alturaTextoCifra = 0;
    int espacoLinha = 0;         // after each header and chart line
    int espacoBlocos = 0;        // between header, chart and diagrams
    int alturaTeclaBranca = 0;   // K
    int larguraTeclaBranca = 0;  // kw
    int alturaTeclaPreta = 0;
    int larguraTeclaPreta = 0;  // m
    int diametroMarca = 0;      // d
    int larguraDiagrama = 0;    // D, fifteen white keys
    double unidadeFonte = 0;    // u
    double alturaFileira = 0;   // one row of diagrams

    bool operator==(const MedidasPagina&) const = default;
};

// The measures of a page of `largura` × `altura` units (integer quotients truncate, real ones
// are rounded half up). A width below 1 counts as 1.
MedidasPagina CalcularMedidas(int largura, int altura);

// The page a preview lays its document out on: the printer's, or the 2400 × 3141 page without
// a printer. The preview draws it scaled, so its pages break where the printout's do.
TamanhoPagina PaginaDiagramacaoVisualizacao(std::optional<TamanhoPagina> impressora);
// The scale from that page to a preview page at `zoom` percent: 100 % is 360 units wide, or
// 0.15 per 100 % without a printer (a single-precision value, as the preview has always had).
double EscalaVisualizacao(std::optional<TamanhoPagina> impressora, int zoom);
// The page of a preview render at `zoom` percent: that page scaled, each side rounded half up.
TamanhoPagina TamanhoPaginaVisualizacao(std::optional<TamanhoPagina> impressora, int zoom);
