// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// UTF-8 text helpers. Inside the system every text is UTF-8; lengths and positions that a
// user would count are counted in Unicode characters, never bytes, so no character is split.
// A byte that does not start a valid UTF-8 sequence counts as one character of its own.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace utf8 {

// Byte length of the character that starts at byte `pos` of `s` (1 for an invalid byte, 0 at the
// end).
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

// Decodes a file's bytes (a leading byte-order mark is dropped): every well-formed UTF-8
// sequence as UTF-8 and every other byte as Windows-1252. A file in the old single-byte format
// has no well-formed multi-byte sequence and reads wholly as Windows-1252, while one stray byte
// in a UTF-8 file spoils only itself, not the whole text.
std::string DecodificarTexto(std::string_view bytes);

// DecodificarTexto for a text that arrives in pieces split anywhere (a pipe, a long file read
// in blocks): the result is the same as for the whole text at once.
class Decodificador {
  public:
    // Appends the decoding of `bytes` to `saida`; the bytes of a sequence that the piece cuts
    // short wait for the next piece.
    void Decodificar(std::string_view bytes, std::string& saida);
    // Appends what still waits, at the end of the text.
    void Terminar(std::string& saida);
    // True once a byte-order mark was found (and dropped) at the start of the text.
    bool MarcaOrdem() const { return marcaOrdem_; }

  private:
    std::string pendente_;  // at most three bytes
    bool inicio_ = true;    // the byte-order mark is still being looked for
    bool marcaOrdem_ = false;
};

// Appends the UTF-8 form of `cp` to `out`.
void Acrescentar(std::string& out, char32_t cp);

}  // namespace utf8
