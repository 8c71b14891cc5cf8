#include "DecodificacaoTexto.h"

#include "TabelasConjuntos.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>

namespace Quorvane {

namespace {

constexpr char32_t Substituto = 0xFFFD;

// Which bytes are one-byte codes, which lead a two-byte code and which may follow a lead, as
// Firebird's converter for the set splits its bytes (ICU's for GBK, CP943C and GB18030).
struct Gramatica {
    std::array<bool, 256> simples{};
    std::array<bool, 256> lider{};
    std::array<bool, 256> seguinte{};
    bool quatroBytes = false; // GB18030: lead, 30..39, lead, 30..39
};

struct Faixa {
    unsigned de, ate;
};

template <std::size_t N>
constexpr std::array<bool, 256> Bytes(const Faixa (&faixas)[N])
{
    std::array<bool, 256> bytes{};
    for (const Faixa& f : faixas)
        for (unsigned b = f.de; b <= f.ate; ++b)
            bytes[b] = true;
    return bytes;
}

constexpr Faixa Ascii[] = {{0x00, 0x7F}};
constexpr Gramatica Sjis{Bytes({{0x00, 0x7F}, {0xA0, 0xDF}}), Bytes({{0x80, 0x9F}, {0xE0, 0xEF}}), Bytes({{0x40, 0xFC}})};
constexpr Gramatica Eucj{Bytes(Ascii), Bytes({{0x80, 0xFF}}), Bytes({{0x80, 0xFF}})};
constexpr Gramatica Ksc{Bytes(Ascii), Bytes({{0x80, 0xFF}}), Bytes({{0x41, 0xFF}})};
constexpr Gramatica Big5{Bytes(Ascii), Bytes({{0xA1, 0xFE}}), Bytes({{0x40, 0xFE}})};
constexpr Gramatica Gb2312{Bytes(Ascii), Bytes({{0xA1, 0xFE}}), Bytes({{0xA1, 0xFE}})};
constexpr Gramatica Gbk{Bytes({{0x00, 0x80}, {0xFF, 0xFF}}), Bytes({{0x81, 0xFE}}), Bytes({{0x40, 0x7E}, {0x80, 0xFE}})};
constexpr Gramatica Cp943c{Bytes({{0x00, 0x80}, {0xA0, 0xDF}, {0xFD, 0xFF}}), Bytes({{0x81, 0x9F}, {0xE0, 0xFC}}),
                           Bytes({{0x40, 0x7E}, {0x80, 0xFC}})};
constexpr Gramatica Gb18030{Gbk.simples, Gbk.lider, Gbk.seguinte, true};

// Every character set of Firebird 3 (RDB$CHARACTER_SETS).
struct Conjunto {
    unsigned id;
    const char* nome;
    unsigned bytesPorCaractere;
    const Gramatica* gramatica; // multi-byte sets decoded by table
};

constexpr std::array<Conjunto, 52> Conjuntos = {{
    {0, "NONE", 1, nullptr},        {1, "OCTETS", 1, nullptr},      {2, "ASCII", 1, nullptr},
    {3, "UNICODE_FSS", 3, nullptr}, {4, "UTF8", 4, nullptr},        {5, "SJIS_0208", 2, &Sjis},
    {6, "EUCJ_0208", 2, &Eucj},     {9, "DOS737", 1, nullptr},      {10, "DOS437", 1, nullptr},
    {11, "DOS850", 1, nullptr},     {12, "DOS865", 1, nullptr},     {13, "DOS860", 1, nullptr},
    {14, "DOS863", 1, nullptr},     {15, "DOS775", 1, nullptr},     {16, "DOS858", 1, nullptr},
    {17, "DOS862", 1, nullptr},     {18, "DOS864", 1, nullptr},     {19, "NEXT", 1, nullptr},
    {21, "ISO8859_1", 1, nullptr},  {22, "ISO8859_2", 1, nullptr},  {23, "ISO8859_3", 1, nullptr},
    {34, "ISO8859_4", 1, nullptr},  {35, "ISO8859_5", 1, nullptr},  {36, "ISO8859_6", 1, nullptr},
    {37, "ISO8859_7", 1, nullptr},  {38, "ISO8859_8", 1, nullptr},  {39, "ISO8859_9", 1, nullptr},
    {40, "ISO8859_13", 1, nullptr}, {44, "KSC_5601", 2, &Ksc},      {45, "DOS852", 1, nullptr},
    {46, "DOS857", 1, nullptr},     {47, "DOS861", 1, nullptr},     {48, "DOS866", 1, nullptr},
    {49, "DOS869", 1, nullptr},     {50, "CYRL", 1, nullptr},       {51, "WIN1250", 1, nullptr},
    {52, "WIN1251", 1, nullptr},    {53, "WIN1252", 1, nullptr},    {54, "WIN1253", 1, nullptr},
    {55, "WIN1254", 1, nullptr},    {56, "BIG_5", 2, &Big5},        {57, "GB_2312", 2, &Gb2312},
    {58, "WIN1255", 1, nullptr},    {59, "WIN1256", 1, nullptr},    {60, "WIN1257", 1, nullptr},
    {63, "KOI8R", 1, nullptr},      {64, "KOI8U", 1, nullptr},      {65, "WIN1258", 1, nullptr},
    {66, "TIS620", 1, nullptr},     {67, "GBK", 2, &Gbk},           {68, "CP943C", 2, &Cp943c},
    {69, "GB18030", 4, &Gb18030},
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

// The generated runs of one set, found once.
struct Trechos {
    const TabelasConjuntos::Trecho* inicio = nullptr;
    const TabelasConjuntos::Trecho* fim = nullptr;
};

Trechos TrechosDe(unsigned id)
{
    static const std::array<Trechos, 256> todos = [] {
        std::array<Trechos, 256> t{};
        for (std::size_t i = 0; i < TabelasConjuntos::QuantasTabelas; ++i) {
            const TabelasConjuntos::Tabela& tabela = TabelasConjuntos::Tabelas[i];
            t[tabela.id] = {TabelasConjuntos::Trechos + tabela.primeiro, TabelasConjuntos::Trechos + tabela.primeiro + tabela.quantos};
        }
        return t;
    }();
    return todos[id & 0xFF];
}

char32_t Procurar(const Trechos& trechos, std::uint32_t chave)
{
    // The last run that begins at or before the key.
    const auto depois = std::upper_bound(trechos.inicio, trechos.fim, chave,
                                         [](std::uint32_t c, const TabelasConjuntos::Trecho& t) { return c < t.chave; });
    if (depois == trechos.inicio)
        return Substituto;
    const TabelasConjuntos::Trecho& t = *(depois - 1);
    const std::uint32_t posicao = chave - t.chave;
    if (posicao >= t.quantos)
        return Substituto;
    if (t.valor & TabelasConjuntos::TrechoLinear)
        return (t.valor & ~TabelasConjuntos::TrechoLinear) + posicao;
    return TabelasConjuntos::Caracteres[t.valor + posicao];
}

using Tabela = std::array<char16_t, 256>;

// A single-byte set as 256 characters, built once from its runs, so that a value is decoded by
// plain look-ups on any thread.
const Tabela* TabelaDe(unsigned id)
{
    static const std::array<std::unique_ptr<Tabela>, 256> tabelas = [] {
        std::array<std::unique_ptr<Tabela>, 256> todas;
        for (const Conjunto& c : Conjuntos) {
            if (c.bytesPorCaractere != 1 || !TrechosDe(c.id).inicio)
                continue;
            auto tabela = std::make_unique<Tabela>();
            for (unsigned b = 0; b < 256; ++b)
                (*tabela)[b] = static_cast<char16_t>(Procurar(TrechosDe(c.id), b));
            todas[c.id] = std::move(tabela);
        }
        return todas;
    }();
    return tabelas[id & 0xFF].get();
}

QString PorTabela(const char* bytes, std::size_t tamanho, const Tabela& tabela)
{
    QString texto(static_cast<qsizetype>(tamanho), Qt::Uninitialized);
    QChar* destino = texto.data();
    for (std::size_t i = 0; i < tamanho; ++i)
        destino[i] = QChar(tabela[static_cast<unsigned char>(bytes[i])]);
    return texto;
}

// Decoded text is never longer in UTF-16 units than its bytes: it is written into a buffer of
// that size, cut to length at the end.
class Escrita {
public:
    explicit Escrita(std::size_t bytes) : texto_(static_cast<qsizetype>(bytes), Qt::Uninitialized), p_(texto_.data()) {}

    void operator<<(char32_t c)
    {
        if (c >= 0x10000) {
            *p_++ = QChar(QChar::highSurrogate(c));
            *p_++ = QChar(QChar::lowSurrogate(c));
        } else {
            *p_++ = QChar(static_cast<char16_t>(c));
        }
    }

    QString Texto() &&
    {
        texto_.truncate(p_ - texto_.constData());
        return std::move(texto_);
    }

private:
    QString texto_;
    QChar* p_;
};

QString PorGramatica(const unsigned char* b, std::size_t tamanho, const Gramatica& g, const Trechos& trechos)
{
    Escrita texto(tamanho);
    const auto digito = [](unsigned char c) { return c >= 0x30 && c <= 0x39; };
    for (std::size_t i = 0; i < tamanho;) {
        const unsigned char c = b[i];
        if (g.quatroBytes && g.lider[c] && i + 3 < tamanho && digito(b[i + 1]) && g.lider[b[i + 2]] && digito(b[i + 3])) {
            const std::uint32_t ordem = (((c - 0x81u) * 10 + (b[i + 1] - 0x30u)) * 126 + (b[i + 2] - 0x81u)) * 10 + (b[i + 3] - 0x30u);
            texto << Procurar(trechos, TabelasConjuntos::PrimeiraChaveDe4Bytes + ordem);
            i += 4;
        } else if (g.lider[c] && i + 1 < tamanho && g.seguinte[b[i + 1]]) {
            texto << Procurar(trechos, (std::uint32_t(c) << 8) | b[i + 1]);
            i += 2;
        } else {
            // A lead without its trail is one bad byte; what follows it is read on its own.
            const char32_t simples = g.simples[c] ? Procurar(trechos, c) : Substituto;
            texto << (simples < 0x10000 ? simples : Substituto); // one byte, one unit of the buffer
            ++i;
        }
    }
    return std::move(texto).Texto();
}

// UTF-8 as Firebird validates it: no overlong form, no surrogate, nothing above U+10FFFF. Each
// maximal bad subsequence is one U+FFFD; a byte-order mark is a character like any other.
// UNICODE_FSS is the same encoding limited to three bytes, which the same reading accepts.
QString DeUtf8(const unsigned char* b, std::size_t tamanho)
{
    Escrita texto(tamanho);
    for (std::size_t i = 0; i < tamanho;) {
        const unsigned char c = b[i];
        if (c < 0x80) {
            texto << c;
            ++i;
            continue;
        }
        unsigned seguintes = 0;
        char32_t valor = 0;
        unsigned char menor = 0x80, maior = 0xBF; // the second byte's range
        if (c >= 0xC2 && c <= 0xDF) {
            seguintes = 1, valor = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            seguintes = 2, valor = c & 0x0F;
            menor = c == 0xE0 ? 0xA0 : 0x80;
            maior = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            seguintes = 3, valor = c & 0x07;
            menor = c == 0xF0 ? 0x90 : 0x80;
            maior = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            texto << Substituto;
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        bool completo = true;
        for (unsigned n = 0; n < seguintes; ++n, ++j) {
            const unsigned char s = j < tamanho ? b[j] : 0;
            if (j >= tamanho || s < (n == 0 ? menor : 0x80) || s > (n == 0 ? maior : 0xBF)) {
                completo = false;
                break;
            }
            valor = (valor << 6) | (s & 0x3F);
        }
        texto << (completo ? valor : Substituto);
        i = j;
    }
    return std::move(texto).Texto();
}

} // namespace

QString DecodificarTexto(const char* bytes, std::size_t tamanho, unsigned charSet)
{
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    switch (charSet & 0xFF) {
    case CharSet::Utf8:
    case CharSet::UnicodeFss:
        return DeUtf8(b, tamanho);
    case CharSet::Octets:
        // Bytes without a character set are shown one for one.
        return QString::fromLatin1(bytes, static_cast<qsizetype>(tamanho));
    default:
        break;
    }
    const Conjunto* conjunto = ConjuntoDe(charSet);
    if (conjunto && conjunto->gramatica)
        return PorGramatica(b, tamanho, *conjunto->gramatica, TrechosDe(conjunto->id));
    // NONE and ids Firebird does not have are the ERP's usual WIN1252.
    const Tabela* tabela = conjunto ? TabelaDe(conjunto->id) : nullptr;
    return PorTabela(bytes, tamanho, tabela ? *tabela : *TabelaDe(CharSet::Win1252));
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

QString SemPreenchimentoAlem(QString texto, qsizetype caracteres)
{
    qsizetype contados = 0;
    for (qsizetype i = 0; i < texto.size(); ++i)
        if (!texto[i].isLowSurrogate() || i == 0 || !texto[i - 1].isHighSurrogate())
            ++contados;
    qsizetype fim = texto.size();
    while (contados > caracteres && fim > 0 && texto[fim - 1] == u' ') {
        --fim;
        --contados;
    }
    texto.truncate(fim);
    return texto;
}

} // namespace Quorvane
