// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "Utf8.h"

namespace {

TEST(Utf8, ContaCaracteresENaoBytes) {
    EXPECT_EQ(utf8::ContarCaracteres(""), 0u);
    EXPECT_EQ(utf8::ContarCaracteres("Canção"), 6u);
    EXPECT_EQ(utf8::ContarCaracteres("日本語🎹"), 4u);
    EXPECT_EQ(utf8::ContarCaracteres("a\xFF"
                                     "b"),
              3u)
        << "an invalid byte counts as one character";
    EXPECT_EQ(utf8::Trecho("Canção", 3, 2), "çã");
    EXPECT_EQ(utf8::Inicio("🎹🎸x", 1), "🎹");
    EXPECT_EQ(utf8::Fim("ação", 2), "ão");
    EXPECT_EQ(utf8::Trecho("abc", 5), "");
}

TEST(Utf8, ValidaEDecodifica) {
    EXPECT_TRUE(utf8::Valido("Canção 日本 🎹"));
    EXPECT_FALSE(utf8::Valido("\xC3"));          // cut short
    EXPECT_FALSE(utf8::Valido("\xC0\xAF"));      // overlong
    EXPECT_FALSE(utf8::Valido("\xED\xA0\x80"));  // surrogate
    EXPECT_EQ(utf8::DecodificarTexto("\xEF\xBB\xBF"
                                     "C7"),
              "C7");
    EXPECT_EQ(utf8::DecodificarTexto("Can\xE7\xE3o C\xBA \x80"), "Canção Cº €");
    EXPECT_EQ(utf8::CodigoEm("ø", 0), U'\u00F8');
}

// A text decoded as it arrives in pieces is the text decoded whole.
std::string EmPartes(std::string_view bytes, std::size_t tamanho, bool* marca = nullptr) {
    utf8::Decodificador d;
    std::string saida;
    for (std::size_t i = 0; i < bytes.size(); i += tamanho)
        d.Decodificar(bytes.substr(i, tamanho), saida);
    d.Terminar(saida);
    if (marca) *marca = d.MarcaOrdem();
    return saida;
}

TEST(Utf8, UmByteQueNaoEhUtf8NaoEstragaOTextoTodo) {
    const struct {
        std::string_view bytes;
        std::string_view texto;
    } casos[] = {
        // UTF-8 with one stray Windows-1252 byte: only that byte is read as Windows-1252.
        {"Can\xC3\xA7\xC3\xA3o \xE9 Portugu\xC3\xAAs", "Canção é Português"},
        {"\xEF\xBB\xBF"
         "C\xBA Cº \x80",
         "Cº Cº €"},
        // A sequence cut short, an overlong form, a surrogate and a lone continuation byte.
        {"a\xE2\x82 b", "aâ‚ b"},
        {"\xC0\xAF\xED\xA0\x80", "À¯í\u00A0€"},
        {"\xF0\x9F\x8E\xB9\x9F", "🎹Ÿ"},
        // No well-formed multi-byte sequence: the whole file is Windows-1252, as always.
        {"Can\xE7\xE3o do cora\xE7\xE3o \x81", "Canção do coração \uFFFD"},
        {"", ""},
        {"\xEF\xBB", "ï»"},
    };
    for (const auto& caso : casos) {
        EXPECT_EQ(utf8::DecodificarTexto(caso.bytes), caso.texto);
        for (std::size_t tamanho = 1; tamanho <= caso.bytes.size(); ++tamanho)
            EXPECT_EQ(EmPartes(caso.bytes, tamanho), caso.texto) << tamanho;
    }
}

TEST(Utf8, DecodificadorDizSeHaviaMarcaDeOrdem) {
    for (std::size_t tamanho : {1u, 2u, 3u, 64u}) {
        bool marca = false;
        EXPECT_EQ(EmPartes("\xEF\xBB\xBF"
                           "C G",
                           tamanho, &marca),
                  "C G");
        EXPECT_TRUE(marca);
        EXPECT_EQ(EmPartes("\xEF\xBB\xBF", tamanho, &marca), "");
        EXPECT_TRUE(marca);
        EXPECT_EQ(EmPartes("C \xEF\xBB\xBF", tamanho, &marca), "C \uFEFF");
        EXPECT_FALSE(marca) << "only at the start";
    }
}

}  // namespace
