// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Minimising the whole application from any of its windows, as a task bar button would.

// Minimises every window of the application that is shown (the main window and the secondary
// windows open beside it).
void MinimizarAplicacao();
