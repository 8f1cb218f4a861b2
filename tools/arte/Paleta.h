// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The colours every window's artwork shares, so the secondary windows wear the main window's.

#include <QColor>

namespace arte {

inline const QColor AzulTopo(36, 86, 150);
inline const QColor AzulBase(18, 45, 86);
inline const QColor GrafiteTopo(52, 58, 68);
inline const QColor GrafiteBase(26, 29, 35);
inline const QColor TextoClaro(214, 226, 242);
inline const QColor Dourado(226, 184, 92);
// The print windows: the options window's panel and the preview's top bar.
inline const QColor AzulImpressao(26, 96, 181);
inline const QColor AzulBarraVisualizacao(0, 76, 170);

}  // namespace arte
