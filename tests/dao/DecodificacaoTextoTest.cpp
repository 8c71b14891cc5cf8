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
    EXPECT_EQ(DecodificarTexto("a\xFF\xC3", 3, CharSet::Utf8).left(1), QStringLiteral("a"));
    EXPECT_EQ(DecodificarTexto("a\xFF", 2, CharSet::Ascii), QStringLiteral("a\uFFFD"));
    EXPECT_EQ(DecodificarTexto("", 0, CharSet::Utf8), QString());
}

TEST(DecodificacaoTexto, LarguraDosCaracteres)
{
    EXPECT_EQ(BytesPorCaractere(CharSet::Utf8), 4u);
    EXPECT_EQ(BytesPorCaractere(CharSet::UnicodeFss), 3u);
    EXPECT_EQ(BytesPorCaractere(CharSet::Win1252), 1u);
}
