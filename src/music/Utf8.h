#pragma once
// UTF-8 text helpers. Inside the system every text is UTF-8; lengths and positions that a
// user would count are counted in Unicode characters, never bytes, so no character is split.
// A byte that does not start a valid UTF-8 sequence counts as one character of its own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace utf8 {

// Byte length of the character that starts at byte `pos` of `s` (1 for an invalid byte, 0 at the end).
std::size_t TamanhoCaractere(std::string_view s, std::size_t pos);

// Number of characters in `s`.
std::size_t ContarCaracteres(std::string_view s);

// Byte offset of character number `indice` (0-based); s.size() when `indice` is past the end.
std::size_t OffsetDoCaractere(std::string_view s, std::size_t indice);

// Up to `quantidade` characters of `s` starting at character `inicio`.
std::string_view Trecho(std::string_view s, std::size_t inicio,
                        std::size_t quantidade = std::string_view::npos);

// The first `quantidade` characters of `s`.
std::string_view Inicio(std::string_view s, std::size_t quantidade);

// The last `quantidade` characters of `s`.
std::string_view Fim(std::string_view s, std::size_t quantidade);

// The code point of the character at byte `pos`, or the byte value itself for an invalid byte.
char32_t CodigoEm(std::string_view s, std::size_t pos);

// True when the whole of `s` is well-formed UTF-8 (no overlongs, no surrogates).
bool Valido(std::string_view s);

// Converts Windows-1252 bytes to UTF-8. Bytes the code page leaves undefined map to U+FFFD.
std::string DeWindows1252(std::string_view s);

// Decodes a file's bytes: as UTF-8 when they are valid UTF-8 (a leading byte-order mark is
// dropped), otherwise as Windows-1252, so files in the old single-byte format stay readable.
std::string DecodificarTexto(std::string_view bytes);

// Appends the UTF-8 form of `cp` to `out`.
void Acrescentar(std::string& out, char32_t cp);

}  // namespace utf8
