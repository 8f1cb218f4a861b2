#include <gtest/gtest.h>

#include "Utf8.h"

namespace {

TEST(Utf8, ContaCaracteresENaoBytes) {
    EXPECT_EQ(utf8::ContarCaracteres(""), 0u);
    EXPECT_EQ(utf8::ContarCaracteres("Canção"), 6u);
    EXPECT_EQ(utf8::ContarCaracteres("日本語🎹"), 4u);
    EXPECT_EQ(utf8::ContarCaracteres("a\xFF" "b"), 3u) << "an invalid byte counts as one character";
    EXPECT_EQ(utf8::Trecho("Canção", 3, 2), "çã");
    EXPECT_EQ(utf8::Inicio("🎹🎸x", 1), "🎹");
    EXPECT_EQ(utf8::Fim("ação", 2), "ão");
    EXPECT_EQ(utf8::Trecho("abc", 5), "");
}

TEST(Utf8, ValidaEDecodifica) {
    EXPECT_TRUE(utf8::Valido("Canção 日本 🎹"));
    EXPECT_FALSE(utf8::Valido("\xC3"));            // cut short
    EXPECT_FALSE(utf8::Valido("\xC0\xAF"));        // overlong
    EXPECT_FALSE(utf8::Valido("\xED\xA0\x80"));    // surrogate
    EXPECT_EQ(utf8::DecodificarTexto("\xEF\xBB\xBF" "C7"), "C7");
    EXPECT_EQ(utf8::DecodificarTexto("Can\xE7\xE3o C\xBA \x80"), "Canção Cº €");
    EXPECT_EQ(utf8::CodigoEm("ø", 0), U'\u00F8');
}

}  // namespace
