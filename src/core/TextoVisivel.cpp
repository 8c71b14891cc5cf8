#include "TextoVisivel.h"

#include <algorithm>

namespace Quorvane {

namespace {

bool QuebraIncomum(QChar c)
{
    switch (c.unicode()) {
    case 0x00: case 0x0B: case 0x0C: case 0x1C: case 0x1D: case 0x1E: case 0x85: case 0x2028: case 0x2029:
        return true;
    default:
        return false;
    }
}

bool QuebraComum(QChar c)
{
    return c == u'\t' || c == u'\r' || c == u'\n';
}

bool Bidirecional(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool Controle(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\n') || (u >= 0x7F && u < 0xA0) || Bidirecional(u);
}

// The usual value has none of them: handed back shared rather than copied.
template <class Trocar>
QString Trocando(const QString& valor, bool (*alvo)(QChar), Trocar trocar)
{
    if (std::none_of(valor.begin(), valor.end(), alvo))
        return valor;
    QString trocado = valor;
    for (QChar& c : trocado)
        if (alvo(c))
            c = trocar(c);
    return trocado;
}

} // namespace

QString EmUmaLinha(const QString& valor)
{
    return Trocando(valor, [](QChar c) { return QuebraComum(c) || QuebraIncomum(c); }, [](QChar) { return QChar(u' '); });
}

QString SemQuebrasIncomuns(const QString& valor)
{
    return Trocando(valor, QuebraIncomum, [](QChar) { return QChar(u' '); });
}

QString Visivel(const QString& texto)
{
    return Trocando(texto, Controle, [](QChar c) {
        if (c.unicode() < 0x20)
            return QChar(0x2400 + c.unicode());
        if (c.unicode() == 0x7F)
            return QChar(0x2421);
        return QChar(QChar::ReplacementCharacter);
    });
}

} // namespace Quorvane
