// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether this test binary runs under AddressSanitizer: its shadow memory needs terabytes of
// address space, so a test that limits a process's memory (ulimit -v, RLIMIT_AS) cannot run
// there, and the memory it measures grows with the freed memory it keeps aside.

namespace tastavo_teste {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool ComAddressSanitizer = true;
#elif defined(__has_feature)
inline constexpr bool ComAddressSanitizer = __has_feature(address_sanitizer);
#else
inline constexpr bool ComAddressSanitizer = false;
#endif

}  // namespace tastavo_teste
