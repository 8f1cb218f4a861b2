// SPDX-License-Identifier: GPL-3.0-or-later
#include "Topo.h"

#include "ui/Janela.h"
