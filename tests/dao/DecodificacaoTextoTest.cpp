#include "DecodificacaoTexto.h"

#include <gtest/gtest.h>

using namespace Quorvane;

TEST(DecodificacaoTexto, CadaConjuntoPeloSeu)
{
    EXPECT_EQ(DecodificarTexto("a\xC3\xA7\xC3\xA3o", 6, CharSet::Utf8), QStringLiteral("ação"));
    EXPECT_EQ(DecodificarTexto("a\xE7\xE3o", 4, CharSet::Win1252), QStringLiteral("ação"));
    EXPECT_EQ(DecodificarTexto("a\xE7\xE3o", 4, CharSet::Iso8859_1), QStringLiteral("ação"));
    // NONE is the ERP's WIN1252; so are ids Firebird does not have. The high byte is the collation.
    EXPECT_EQ(DecodificarTexto("\x80 \x93x\x94", 5, CharSet::None), QStringLiteral("€ “x”"));
    EXPECT_EQ(DecodificarTexto("\x80", 1, 250), QStringLiteral("€"));
    EXPECT_EQ(DecodificarTexto("\xC6\xF3\xEA", 3, 52 /* WIN1251 */ | 0x100), QStringLiteral("Жук"));
    EXPECT_EQ(DecodificarTexto("\xA3\xA6", 2, 22 /* ISO8859_2 */), QStringLiteral("ŁŚ"));
}

TEST(DecodificacaoTexto, BytesInvalidosNaoQuebram)
{
    // Each maximal bad sequence is one U+FFFD; a byte-order mark is a character like any other.
    EXPECT_EQ(DecodificarTexto("a\xFF\xE2\x82", 4, CharSet::Utf8), QStringLiteral("a\uFFFD\uFFFD"));
    EXPECT_EQ(DecodificarTexto("\xED\xA0\x80", 3, CharSet::Utf8), QStringLiteral("\uFFFD\uFFFD\uFFFD"));
    EXPECT_EQ(DecodificarTexto("\xEF\xBB\xBF" "A", 4, CharSet::Utf8), QStringLiteral("\uFEFFA"));
    EXPECT_EQ(DecodificarTexto("\xEF\xBB\xBF" "A", 4, CharSet::UnicodeFss), QStringLiteral("\uFEFFA"));
    // A lead byte without its trail; a code the set leaves empty.
    EXPECT_EQ(DecodificarTexto("\x88" "A\x88", 3, 56 /* BIG_5 */), QStringLiteral("\uFFFDA\uFFFD"));
    EXPECT_EQ(DecodificarTexto("\x81", 1, CharSet::Win1252), QStringLiteral("\uFFFD"));
    EXPECT_EQ(DecodificarTexto("a\xFF", 2, CharSet::Ascii), QStringLiteral("a\uFFFD"));
    EXPECT_EQ(DecodificarTexto("", 0, CharSet::Utf8), QString());
}

TEST(DecodificacaoTexto, LarguraDosCaracteres)
{
    EXPECT_EQ(BytesPorCaractere(CharSet::Utf8), 4u);
    EXPECT_EQ(BytesPorCaractere(CharSet::UnicodeFss), 3u);
    EXPECT_EQ(BytesPorCaractere(CharSet::Win1252), 1u);
}
