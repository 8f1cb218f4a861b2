// SPDX-License-Identifier: GPL-3.0-or-later
// Every test binary reads the environment file the build writes beside it before main (see
// CarregarAmbiente), so that the display and the printer are settled before any QApplication.
#include "CaminhosTeste.h"

namespace {

const bool carregado = (tastavo_teste::CarregarAmbiente(), true);

}  // namespace
