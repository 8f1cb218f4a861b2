// SPDX-License-Identifier: GPL-3.0-or-later
// The libFuzzer entry point of one target, chosen when it is built (TASTAVO_ALVO_FUZZ).
#include "Alvos.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    fuzz::TASTAVO_ALVO_FUZZ(dados, tamanho);
    return 0;
}
