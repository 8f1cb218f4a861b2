// SPDX-License-Identifier: GPL-3.0-or-later
// Windows only: the standard streams carry bytes, as on POSIX. In the C runtime's text mode,
// every "\n" written would become "\r\n" and a chart read from standard input would lose its
// "\r" and stop at the first Ctrl-Z; the output must be the same bytes on every platform.
// Set before main runs, so that no command can write first.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {

const bool fluxosBinarios = [] {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    return true;
}();

}  // namespace
