// SPDX-License-Identifier: GPL-3.0-or-later
#include "MedidasPagina.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// W·k div 2892, without overflow for any int width.
int Proporcao(int largura, int k) {
    return static_cast<int>(static_cast<std::int64_t>(largura) * k / LarguraReferencia);
}

// Half up: add 0.5 and drop the fraction.
int Arredondar(double valor) { return static_cast<int>(std::floor(valor + 0.5)); }

}  // namespace

MedidasPagina CalcularMedidas(int largura, int altura) {
    const int w = std::max(largura, 1);
    MedidasPagina m;
    m.largura = w;
    m.altura = altura;
    m.margemEsquerda = Proporcao(w, 150);
    m.margemDireita = Proporcao(w, 150);
    m.margemSuperior = Proporcao(w, 200);
    m.margemInferior = Proporcao(w, 200);
    m.alturaTitulo = Proporcao(w, 150);
    m.alturaEndereco = Proporcao(w, 100);
    m.alturaTextoCifra = Proporcao(w, 65);
    m.espacoLinha = Proporcao(w, 20);
    m.espacoBlocos = Proporcao(w, 120);
    m.alturaTeclaBranca = Proporcao(w, 300);
    m.larguraTeclaBranca = Arredondar(w * 66.0 / LarguraReferencia);
    m.alturaTeclaPreta = Arredondar(w * 195.0 / LarguraReferencia);
    m.larguraTeclaPreta = Arredondar(w * 46.2 / LarguraReferencia);
    m.diametroMarca = Arredondar(w * 52.8 / LarguraReferencia);
    m.larguraDiagrama = Arredondar(w * 66.0 / LarguraReferencia * 15);
    m.unidadeFonte = m.alturaTeclaBranca * 0.125;
    m.alturaFileira = m.alturaTeclaBranca * 9 * 0.2;
    return m;
}

namespace {

bool Valida(const std::optional<TamanhoPagina>& pagina) {
    return pagina && pagina->largura > 0 && pagina->altura > 0;
}

}  // namespace

TamanhoPagina PaginaDiagramacaoVisualizacao(std::optional<TamanhoPagina> impressora) {
    return Valida(impressora) ? *impressora : PaginaSemImpressora;
}

double EscalaVisualizacao(std::optional<TamanhoPagina> impressora, int zoom) {
    if (!Valida(impressora)) return static_cast<float>(EscalaSemImpressora100 * zoom / 100.0);
    return static_cast<float>((zoom / 100.0) *
                              (static_cast<double>(LarguraVisualizacao100) / impressora->largura));
}

TamanhoPagina TamanhoPaginaVisualizacao(std::optional<TamanhoPagina> impressora, int zoom) {
    const TamanhoPagina pagina = PaginaDiagramacaoVisualizacao(impressora);
    const double escala = EscalaVisualizacao(impressora, zoom);
    return {Arredondar(pagina.largura * escala), Arredondar(pagina.altura * escala)};
}
