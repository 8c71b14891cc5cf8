#pragma once

#include <QString>
#include <cstddef>

namespace Quorvane {

// Character-set ids as the Firebird client reports them for text columns (the low byte; the high
// byte is the collation).
namespace CharSet {
constexpr unsigned None = 0;
constexpr unsigned Octets = 1;
constexpr unsigned Ascii = 2;
constexpr unsigned UnicodeFss = 3;
constexpr unsigned Utf8 = 4;
constexpr unsigned Iso8859_1 = 21;
constexpr unsigned Win1252 = 53;
} // namespace CharSet

// Decodes a column's bytes by the column's own character set, as Firebird itself reads that set
// into Unicode (its tables are generated data, no codec library is involved). NONE and ids
// Firebird does not have are read as WIN1252, the ERP's usual encoding; OCTETS byte for byte.
// A code the set has no character for, and any malformed byte, becomes U+FFFD, never an error,
// and the text never holds a lone surrogate.
QString DecodificarTexto(const char* bytes, std::size_t tamanho, unsigned charSet);

// Bytes one character of the set may take: a CHAR(n) column arrives as n times this, blank-padded.
unsigned BytesPorCaractere(unsigned charSet);

// Firebird's name of the set ("WIN1251"), empty for an id it does not have.
QString NomeDoCharSet(unsigned charSet);

// A CHAR(n) value as Firebird returns it: the blanks beyond its n-th character go (the padding up
// to n times the widest character); characters that are not blanks stay, even beyond n, as
// single-byte ones stored by a client without a character set may be (a pair of surrogates is one
// character).
QString SemPreenchimentoAlem(QString texto, qsizetype caracteres);

} // namespace Quorvane
