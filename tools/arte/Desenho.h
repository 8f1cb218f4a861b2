// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the application, drawn with QPainter. Every picture that sits on a bar is
// drawn over the same bar background at its own place, so the pieces join without seams.

#include <QImage>
#include <QString>

namespace arte {

// Which background a button picture sits on.
// Impressao: the print options window's blue; Visualizacao: the print preview's top bar.
enum class Fundo { BarraSuperior, BarraInferior, Janela, ImportarCifra, Impressao, Visualizacao };

// Language-independent pictures.
QImage FundoTeclado();       // 801 x 328
QImage BrancaPressionada();  // 42 x 235
QImage PretaSolta();         // 25 x 148
QImage PretaPressionada();   // 25 x 148
QImage Marca();              // 24 x 24, transparent outside the circle
enum class Simbolo { Minimizar, Ajuda, Fechar, SetaEsquerda, SetaDireita, Ok, Cancelar, Colar };
// A small symbol button at (x, y) of its background.
QImage BotaoSimbolo(Simbolo simbolo, int largura, int altura, bool pressionado, Fundo fundo, int x,
                    int y);

// Localised pictures.
QImage BotaoLegenda(const QString& legenda, int largura, int altura, bool pressionado, Fundo fundo,
                    int x, int y, bool destaque);
QImage BarraSuperior(const QString& subtitulo);
QImage BarraInferior(const QString& cifra, const QString& catalogo, const QString& lista,
                     const QString& visualizacao);
QImage LinkSite(const QString& texto);  // 182 x 14 at (607, 63) of the window
QImage Entrada(const QString& subtitulo, const QString& carregando);  // 250 x 250
QImage LegendaMudarTom(const QString& texto);  // 186 x 17 at (23, 380) of the chart window

// The chord chart window: its background (472 x 456), on which its buttons are drawn at their
// places, and the transposition buttons (20 x 18 at (30, 401) and (30, 422)).
QImage FundoImportarCifra();
QImage BotaoTransporCifra(bool acima, bool pressionado);

// The sound driver wizard's picture (language-independent).
QImage AssistenteDriver();  // 139 x 208

// The application's icon for the desktop's menus, `tamanho` pixels square, transparent corners.
QImage IconeAplicativo(int tamanho);
// The same icon as a scalable SVG file on its 256-unit grid; false when it cannot be written.
bool IconeAplicativoSvg(const QString& arquivo);

}  // namespace arte
