// SPDX-License-Identifier: GPL-3.0-or-later
// The sound plugin's one exported function (SimboloPluginSom): the back ends of SomSistema.h,
// for tastavo-cli to load only when it sounds.
#include "PluginSom.h"
#include "SomSistema.h"

extern "C" __attribute__((visibility("default"))) const ApiPluginSom* tastavo_plugin_som() {
    return &ApiSomSistema();
}
