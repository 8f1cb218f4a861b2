// SPDX-License-Identifier: GPL-3.0-or-later
#include "Utf8.h"

#include <algorithm>

namespace utf8 {
namespace {

// Length of a well-formed sequence starting at `pos`, or 0 when the bytes there are not one.
std::size_t SequenciaValida(std::string_view s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) return 1;
    std::size_t n;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        if (b0 == 0xE0) lo = 0xA0;
        if (b0 == 0xED) hi = 0x9F;  // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;
    } else {
        return 0;
    }
    if (pos + n > s.size()) return 0;
    const auto b1 = static_cast<unsigned char>(s[pos + 1]);
    if (b1 < lo || b1 > hi) return 0;
    for (std::size_t i = 2; i < n; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if (b < 0x80 || b > 0xBF) return 0;
    }
    return n;
}

}  // namespace

std::size_t TamanhoCaractere(std::string_view s, std::size_t pos) {
    if (pos >= s.size()) return 0;
    const std::size_t n = SequenciaValida(s, pos);
    return n == 0 ? 1 : n;
}

std::size_t ContarCaracteres(std::string_view s) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < s.size();) {
        const auto b = static_cast<unsigned char>(s[pos]);
        pos += b < 0x80 ? 1 : TamanhoCaractere(s, pos);
        ++count;
    }
    return count;
}

std::size_t OffsetDoCaractere(std::string_view s, std::size_t indice) {
    std::size_t pos = 0;
    while (indice > 0 && pos < s.size()) {
        const auto b = static_cast<unsigned char>(s[pos]);
        pos += b < 0x80 ? 1 : TamanhoCaractere(s, pos);
        --indice;
    }
    return pos;
}

std::string_view Trecho(std::string_view s, std::size_t inicio, std::size_t quantidade) {
    const std::size_t a = OffsetDoCaractere(s, inicio);
    const std::string_view rest = s.substr(a);
    if (quantidade == std::string_view::npos) return rest;
    return rest.substr(0, OffsetDoCaractere(rest, quantidade));
}

std::string_view Inicio(std::string_view s, std::size_t quantidade) {
    return s.substr(0, OffsetDoCaractere(s, quantidade));
}

std::string_view Fim(std::string_view s, std::size_t quantidade) {
    const std::size_t total = ContarCaracteres(s);
    if (quantidade >= total) return s;
    return s.substr(OffsetDoCaractere(s, total - quantidade));
}

char32_t CodigoEm(std::string_view s, std::size_t pos) {
    const std::size_t n = SequenciaValida(s, pos);
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (n <= 1) return b0;
    char32_t cp = b0 & (0x7F >> n);
    for (std::size_t i = 1; i < n; ++i)
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos + i]) & 0x3F);
    return cp;
}

bool Valido(std::string_view s) {
    for (std::size_t pos = 0; pos < s.size();) {
        const std::size_t n = SequenciaValida(s, pos);
        if (n == 0) return false;
        pos += n;
    }
    return true;
}

void Acrescentar(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

namespace {

// The UTF-8 form of the Windows-1252 byte `b` (0x80 and above); 0xFFFD marks the five
// undefined bytes.
void AcrescentarWindows1252(std::string& out, unsigned char b) {
    static constexpr char32_t k80[32] = {
        0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};
    Acrescentar(out, b < 0xA0 ? k80[b - 0x80] : char32_t{b});
}

// True when the bytes from `pos` to the end of `s` begin a well-formed sequence that the end
// cuts short.
bool SequenciaInterrompida(std::string_view s, std::size_t pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    std::size_t n;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3;
        if (b0 == 0xE0) lo = 0xA0;
        if (b0 == 0xED) hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;
    } else {
        return false;
    }
    const std::size_t resta = s.size() - pos;
    if (resta >= n) return false;
    if (resta >= 2) {
        const auto b1 = static_cast<unsigned char>(s[pos + 1]);
        if (b1 < lo || b1 > hi) return false;
    }
    if (resta >= 3) {
        const auto b2 = static_cast<unsigned char>(s[pos + 2]);
        if (b2 < 0x80 || b2 > 0xBF) return false;
    }
    return true;
}

// Decodes `s` onto `out` and returns how many bytes were used: all of them, except with
// `aguardar` a sequence cut short by the end, which is left for the next piece.
std::size_t DecodificarMisto(std::string_view s, std::string& out, bool aguardar) {
    std::size_t pos = 0;
    while (pos < s.size()) {
        // Runs of ASCII and of well-formed sequences are copied as they stand.
        std::size_t fim = pos;
        while (fim < s.size()) {
            if (static_cast<unsigned char>(s[fim]) < 0x80) {
                ++fim;
                continue;
            }
            const std::size_t n = SequenciaValida(s, fim);
            if (n == 0) break;
            fim += n;
        }
        out.append(s, pos, fim - pos);
        pos = fim;
        if (pos == s.size()) break;
        if (aguardar && SequenciaInterrompida(s, pos)) return pos;
        AcrescentarWindows1252(out, static_cast<unsigned char>(s[pos]));
        ++pos;
    }
    return pos;
}

constexpr std::string_view kMarcaOrdem = "\xEF\xBB\xBF";

}  // namespace

std::string DecodificarTexto(std::string_view bytes) {
    if (bytes.starts_with(kMarcaOrdem)) bytes.remove_prefix(kMarcaOrdem.size());
    std::string out;
    if (Valido(bytes)) {
        out.assign(bytes);
    } else {
        out.reserve(bytes.size() + bytes.size() / 4);
        DecodificarMisto(bytes, out, false);
    }
    return out;
}

void Decodificador::Decodificar(std::string_view bytes, std::string& saida) {
    if (inicio_) {
        // The mark is looked for only once three bytes (or the end) have come.
        const std::size_t falta = kMarcaOrdem.size() - pendente_.size();
        pendente_.append(bytes.substr(0, falta));
        bytes.remove_prefix(std::min(falta, bytes.size()));
        if (pendente_.size() < kMarcaOrdem.size() && kMarcaOrdem.starts_with(pendente_)) return;
        inicio_ = false;
        if (pendente_ == kMarcaOrdem) {
            marcaOrdem_ = true;
            pendente_.clear();
        }
    }
    if (!pendente_.empty()) {
        // Finish the sequence that the last piece cut short, with as few new bytes as it takes.
        const std::size_t antes = pendente_.size();
        const std::size_t tomados = std::min<std::size_t>(3, bytes.size());
        pendente_.append(bytes.substr(0, tomados));
        std::size_t usados = 0;
        while (usados < antes) {
            const std::size_t n =
                DecodificarMisto(std::string_view(pendente_).substr(usados, 4), saida, true);
            if (n == 0) break;  // still cut short: the piece was too small
            usados += n;
        }
        if (usados < antes) {  // the piece was too small: all of it waits in pendente_
            pendente_.erase(0, usados);
            return;
        }
        bytes.remove_prefix(usados - antes);
        pendente_.clear();
    }
    const std::size_t usados = DecodificarMisto(bytes, saida, true);
    pendente_.assign(bytes.substr(usados));
}

void Decodificador::Terminar(std::string& saida) {
    inicio_ = false;
    if (pendente_ == kMarcaOrdem) {
        marcaOrdem_ = true;
    } else {
        DecodificarMisto(pendente_, saida, false);
    }
    pendente_.clear();
}

}  // namespace utf8
