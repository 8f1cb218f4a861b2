// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language-independent pictures live in the resources under ":/arte/". Call this once
// before loading any of them (the resources sit in a static library).
void CarregarArteEmbutida();
