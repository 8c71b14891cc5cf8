#include "DecodificacaoTexto.h"

namespace Quorvane {

namespace {

// WIN1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned codes map to themselves,
// as Windows' own conversion does.
constexpr char16_t Win1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DeWin1252(const char* bytes, std::size_t tamanho)
{
    QString texto(static_cast<qsizetype>(tamanho), Qt::Uninitialized);
    QChar* destino = texto.data();
    for (std::size_t i = 0; i < tamanho; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        destino[i] = (b >= 0x80 && b < 0xA0) ? QChar(Win1252Alto[b - 0x80]) : QChar(b);
    }
    return texto;
}

QString DeAscii(const char* bytes, std::size_t tamanho)
{
    QString texto(static_cast<qsizetype>(tamanho), Qt::Uninitialized);
    QChar* destino = texto.data();
    for (std::size_t i = 0; i < tamanho; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        destino[i] = b < 0x80 ? QChar(b) : QChar(QChar::ReplacementCharacter);
    }
    return texto;
}

} // namespace

QString DecodificarTexto(const char* bytes, std::size_t tamanho, unsigned charSet)
{
    switch (charSet & 0xFF) {
    case CharSet::Utf8:
    case CharSet::UnicodeFss:
        return QString::fromUtf8(bytes, static_cast<qsizetype>(tamanho));
    case CharSet::Iso8859_1:
    case CharSet::Octets:
        return QString::fromLatin1(bytes, static_cast<qsizetype>(tamanho));
    case CharSet::Ascii:
        return DeAscii(bytes, tamanho);
    default:
        return DeWin1252(bytes, tamanho);
    }
}

unsigned BytesPorCaractere(unsigned charSet)
{
    switch (charSet & 0xFF) {
    case CharSet::Utf8:
        return 4;
    case CharSet::UnicodeFss:
        return 3;
    default:
        return 1;
    }
}

} // namespace Quorvane
