#include "DecodificacaoTexto.h"

#include <QStringDecoder>

#include <array>
#include <cstdint>
#include <memory>

namespace Quorvane {

namespace {

// WIN1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned codes map to themselves,
// as Windows' own conversion does. Decoded here rather than through ICU: it is the ERP's set and
// the engine decodes it on almost every row.
constexpr char16_t Win1252Alto[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// NeXTSTEP's upper half as Firebird maps it; ICU and iconv have no such set.
constexpr char16_t NextAlto[128] = {
    0x00A0, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC,
    0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D9, 0x00DA, 0x00DB,
    0x00DC, 0x00DD, 0x00DE, 0x00B5, 0x00D7, 0x00F7, 0x00A9, 0x00A1, 0x00A2, 0x00A3, 0x2044, 0x00A5, 0x0192,
    0x00A7, 0x00A4, 0x2019, 0x201C, 0x00AB, 0x2039, 0x203A, 0xFB01, 0xFB02, 0x00AE, 0x2013, 0x2020, 0x2021,
    0x00B7, 0x00A6, 0x00B6, 0x2022, 0x201A, 0x201E, 0x201D, 0x00BB, 0x2026, 0x2030, 0x00AC, 0x00BF, 0x00B9,
    0x02CB, 0x00B4, 0x02C6, 0x02DC, 0x00AF, 0x02D8, 0x02D9, 0x00A8, 0x00B2, 0x02DA, 0x00B8, 0x00B3, 0x02DD,
    0x02DB, 0x02C7, 0x2014, 0x00B1, 0x00BC, 0x00BD, 0x00BE, 0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5,
    0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00C6, 0x00ED, 0x00AA, 0x00EE, 0x00EF, 0x00F0, 0x00F1,
    0x0141, 0x00D8, 0x0152, 0x00BA, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00E6, 0x00F9, 0x00FA, 0x00FB,
    0x0131, 0x00FC, 0x00FD, 0x0142, 0x00F8, 0x0153, 0x00DF, 0x00FE, 0x00FF, 0xFFFD, 0xFFFD,
};

struct Correcao {
    unsigned char byte;
    char16_t caractere;
};

// Every character set of Firebird 3 (RDB$CHARACTER_SETS), with the ICU converter that reads it.
struct Conjunto {
    unsigned id;
    const char* nome;
    unsigned bytesPorCaractere;
    const char* conversor;           // ICU's name; null where decoded here
    std::array<Correcao, 4> correcoes; // unused entries are {0, 0}
};

// Where Firebird's own table differs from ICU's on a byte it defines, Firebird's wins: that is
// the character the ERP stored. Below 0x80 every single-byte set is ASCII in Firebird (ICU's IBM
// code pages swap 0x1A, 0x1C and 0x7F).
constexpr std::array<Conjunto, 52> Conjuntos = {{
    {0, "NONE", 1, nullptr, {}},
    {1, "OCTETS", 1, nullptr, {}},
    {2, "ASCII", 1, nullptr, {}},
    {3, "UNICODE_FSS", 3, nullptr, {}},
    {4, "UTF8", 4, nullptr, {}},
    {5, "SJIS_0208", 2, "Shift_JIS", {}},
    {6, "EUCJ_0208", 2, "EUC-JP", {}},
    {9, "DOS737", 1, "IBM737", {}},
    {10, "DOS437", 1, "IBM437", {{{0xE6, 0x00B5}}}},
    {11, "DOS850", 1, "IBM850", {}},
    {12, "DOS865", 1, "IBM865", {{{0xE6, 0x00B5}}}},
    {13, "DOS860", 1, "IBM860", {{{0xE6, 0x00B5}}}},
    {14, "DOS863", 1, "IBM863", {{{0xE6, 0x00B5}}}},
    {15, "DOS775", 1, "IBM775", {}},
    {16, "DOS858", 1, "IBM00858", {}},
    {17, "DOS862", 1, "IBM862", {{{0xE6, 0x00B5}}}},
    {18, "DOS864", 1, "IBM864", {{{0x25, 0x066A}, {0xD7, 0xFEC1}, {0xD8, 0xFEC5}, {0xF1, 0x0651}}}},
    {19, "NEXT", 1, nullptr, {}},
    {21, "ISO8859_1", 1, nullptr, {}},
    {22, "ISO8859_2", 1, "ISO-8859-2", {}},
    {23, "ISO8859_3", 1, "ISO-8859-3", {}},
    {34, "ISO8859_4", 1, "ISO-8859-4", {}},
    {35, "ISO8859_5", 1, "ISO-8859-5", {}},
    {36, "ISO8859_6", 1, "ISO-8859-6", {}},
    {37, "ISO8859_7", 1, "ISO-8859-7", {{{0xA1, 0x02BD}, {0xA2, 0x02BC}}}},
    {38, "ISO8859_8", 1, "ISO-8859-8", {{{0xAF, 0x203E}}}},
    {39, "ISO8859_9", 1, "ISO-8859-9", {}},
    {40, "ISO8859_13", 1, "ISO-8859-13", {}},
    {44, "KSC_5601", 2, "windows-949", {}},
    {45, "DOS852", 1, "IBM852", {{{0xAA, 0x00AC}}}},
    {46, "DOS857", 1, "IBM857", {}},
    {47, "DOS861", 1, "IBM861", {{{0xE6, 0x00B5}}}},
    {48, "DOS866", 1, "IBM866", {}},
    {49, "DOS869", 1, "IBM869", {{{0x88, 0x00B7}, {0xEF, 0x0384}}}},
    {50, "CYRL", 1, "windows-1251", {}},
    {51, "WIN1250", 1, "windows-1250", {}},
    {52, "WIN1251", 1, "windows-1251", {}},
    {53, "WIN1252", 1, nullptr, {}},
    {54, "WIN1253", 1, "windows-1253", {}},
    {55, "WIN1254", 1, "windows-1254", {}},
    {56, "BIG_5", 2, "Big5", {}},
    {57, "GB_2312", 2, "GB2312", {}},
    {58, "WIN1255", 1, "windows-1255", {}},
    {59, "WIN1256", 1, "windows-1256", {}},
    {60, "WIN1257", 1, "windows-1257", {}},
    {63, "KOI8R", 1, "KOI8-R", {}},
    {64, "KOI8U", 1, "KOI8-U", {{{0xAE, 0x045E}, {0xBE, 0x040E}}}},
    {65, "WIN1258", 1, "windows-1258", {}},
    {66, "TIS620", 1, "TIS-620", {}},
    {67, "GBK", 2, "GBK", {}},
    {68, "CP943C", 2, "ibm-943_P15A-2003", {}},
    {69, "GB18030", 4, "GB18030", {}},
}};

// Each id's place in Conjuntos, found at compile time: the look-up runs for every text value.
constexpr std::uint8_t SemConjunto = 0xFF;
constexpr std::array<std::uint8_t, 256> PosicaoDoId = [] {
    std::array<std::uint8_t, 256> posicao{};
    posicao.fill(SemConjunto);
    for (std::size_t i = 0; i < Conjuntos.size(); ++i)
        posicao[Conjuntos[i].id] = static_cast<std::uint8_t>(i);
    return posicao;
}();

const Conjunto* ConjuntoDe(unsigned charSet)
{
    const std::uint8_t posicao = PosicaoDoId[charSet & 0xFF];
    return posicao == SemConjunto ? nullptr : &Conjuntos[posicao];
}

using Tabela = std::array<char16_t, 256>;

// A single-byte set as a table built once from ICU's decoding of each byte, so that a value is
// decoded by plain look-ups on any thread.
Tabela CriarTabela(const Conjunto& conjunto)
{
    Tabela tabela{};
    for (unsigned b = 0; b < 0x80; ++b)
        tabela[b] = static_cast<char16_t>(b);
    for (unsigned b = 0x80; b < 0x100; ++b) {
        if (conjunto.id == 19) {
            tabela[b] = NextAlto[b - 0x80];
            continue;
        }
        QStringDecoder decodificador(conjunto.conversor);
        const char byte = static_cast<char>(b);
        const QString caractere = decodificador.decode(QByteArrayView(&byte, 1));
        tabela[b] = caractere.size() == 1 ? caractere[0].unicode() : char16_t(QChar::ReplacementCharacter);
    }
    for (const Correcao& c : conjunto.correcoes)
        if (c.caractere)
            tabela[c.byte] = c.caractere;
    return tabela;
}

const Tabela& TabelaDe(const Conjunto& conjunto)
{
    static std::array<std::unique_ptr<Tabela>, 70> tabelas = [] {
        std::array<std::unique_ptr<Tabela>, 70> todas;
        for (const Conjunto& c : Conjuntos)
            if (c.bytesPorCaractere == 1 && (c.conversor || c.id == 19))
                todas[c.id] = std::make_unique<Tabela>(CriarTabela(c));
        return todas;
    }();
    return *tabelas[conjunto.id];
}

QString PorTabela(const char* bytes, std::size_t tamanho, const Tabela& tabela)
{
    QString texto(static_cast<qsizetype>(tamanho), Qt::Uninitialized);
    QChar* destino = texto.data();
    for (std::size_t i = 0; i < tamanho; ++i)
        destino[i] = QChar(tabela[static_cast<unsigned char>(bytes[i])]);
    return texto;
}

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

// A surrogate without its pair becomes U+FFFD: strict readers of our JSON and XML refuse it.
QString SemSurrogatesSoltos(QString texto)
{
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto[i];
        if (c.isHighSurrogate() && i + 1 < texto.size() && texto[i + 1].isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            texto[i] = QChar::ReplacementCharacter;
    }
    return texto;
}

} // namespace

QString DecodificarTexto(const char* bytes, std::size_t tamanho, unsigned charSet)
{
    // The sets decoded here need no table entry; ids Firebird does not have read as NONE.
    switch (charSet & 0xFF) {
    case CharSet::Utf8:
    case CharSet::UnicodeFss:
        return QString::fromUtf8(bytes, static_cast<qsizetype>(tamanho));
    case CharSet::Iso8859_1:
    case CharSet::Octets:
        return QString::fromLatin1(bytes, static_cast<qsizetype>(tamanho));
    case CharSet::Ascii:
        return DeAscii(bytes, tamanho);
    case CharSet::None:
    case CharSet::Win1252:
        return DeWin1252(bytes, tamanho);
    default:
        break;
    }
    const Conjunto* conjunto = ConjuntoDe(charSet);
    if (!conjunto)
        return DeWin1252(bytes, tamanho);
    if (conjunto->bytesPorCaractere == 1)
        return PorTabela(bytes, tamanho, TabelaDe(*conjunto));
    QStringDecoder decodificador(conjunto->conversor);
    return SemSurrogatesSoltos(decodificador.decode(QByteArrayView(bytes, static_cast<qsizetype>(tamanho))));
}

unsigned BytesPorCaractere(unsigned charSet)
{
    const Conjunto* conjunto = ConjuntoDe(charSet);
    return conjunto ? conjunto->bytesPorCaractere : 1;
}

QString NomeDoCharSet(unsigned charSet)
{
    const Conjunto* conjunto = ConjuntoDe(charSet);
    return conjunto ? QString::fromLatin1(conjunto->nome) : QString();
}

QString PrimeirosCaracteres(const QString& texto, qsizetype caracteres)
{
    qsizetype unidades = 0;
    for (qsizetype n = 0; n < caracteres && unidades < texto.size(); ++n)
        unidades += (texto[unidades].isHighSurrogate() && unidades + 1 < texto.size() &&
                     texto[unidades + 1].isLowSurrogate()) ? 2 : 1;
    return texto.left(unidades);
}

} // namespace Quorvane
