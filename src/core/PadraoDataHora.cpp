#include "PadraoDataHora.h"

namespace Quorvane {

namespace {

void Numero(QString& destino, int valor, int largura)
{
    char digitos[12];
    int n = 0;
    do {
        digitos[n++] = static_cast<char>('0' + valor % 10);
        valor /= 10;
    } while (valor > 0 && n < 11);
    for (int i = n; i < largura; ++i)
        destino += u'0';
    while (n > 0)
        destino += QChar(digitos[--n]);
}

} // namespace

std::optional<PadraoDataHora> PadraoDataHora::Compilar(const QString& padrao, const QString& am, const QString& pm)
{
    PadraoDataHora resultado;
    const auto literal = [&](const QString& texto) {
        if (!resultado.pedacos_.empty() && resultado.pedacos_.back().campo == Campo::Literal)
            resultado.pedacos_.back().literal += texto;
        else
            resultado.pedacos_.push_back({Campo::Literal, 0, texto, {}});
    };
    for (qsizetype i = 0; i < padrao.size();) {
        const QChar c = padrao[i];
        qsizetype n = 1;
        while (i + n < padrao.size() && padrao[i + n] == c)
            ++n;
        if (c == u'\'') {
            // Quoted text; two quotes stand for one.
            const qsizetype fim = padrao.indexOf(u'\'', i + 1);
            if (fim == i + 1) {
                literal(QStringLiteral("'"));
                i += 2;
                continue;
            }
            literal(padrao.mid(i + 1, fim < 0 ? -1 : fim - i - 1));
            i = fim < 0 ? padrao.size() : fim + 1;
            continue;
        }
        if (!c.isLetter()) {
            literal(padrao.mid(i, n));
            i += n;
            continue;
        }
        const int largura = static_cast<int>(n);
        if (c == u'd' && n <= 2)
            resultado.pedacos_.push_back({Campo::Dia, largura, {}, {}});
        else if (c == u'M' && n <= 2)
            resultado.pedacos_.push_back({Campo::Mes, largura, {}, {}});
        else if (c == u'y' && n == 2)
            resultado.pedacos_.push_back({Campo::Ano2, 2, {}, {}});
        else if (c == u'y' && n == 4)
            resultado.pedacos_.push_back({Campo::Ano4, 4, {}, {}});
        else if (c == u'H' && n <= 2)
            resultado.pedacos_.push_back({Campo::Hora24, largura, {}, {}});
        else if (c == u'h' && n <= 2)
            resultado.pedacos_.push_back({Campo::Hora12, largura, {}, {}});
        else if (c == u'm' && n <= 2)
            resultado.pedacos_.push_back({Campo::Minuto, largura, {}, {}});
        else if (c == u's' && n <= 2)
            resultado.pedacos_.push_back({Campo::Segundo, largura, {}, {}});
        else if (c == u'A' || c == u'a') {
            // As Qt reads them: "AP" and "A" upper case, "ap" and "a" lower case, "Ap" and "aP"
            // the locale's own text.
            const QChar p = i + 1 < padrao.size() ? padrao[i + 1] : QChar();
            const bool par = p == u'p' || p == u'P';
            const bool comoLocale = par && (c == u'A') != (p == u'P');
            const auto caixa = [&](const QString& texto) {
                return comoLocale ? texto : c == u'A' ? texto.toUpper() : texto.toLower();
            };
            resultado.pedacos_.push_back({Campo::AmPm, 0, caixa(am), caixa(pm)});
            n = par ? 2 : 1;
        } else
            return std::nullopt;
        i += n;
    }
    return resultado;
}

void PadraoDataHora::Escrever(QString& destino, QDate data, QTime hora) const
{
    for (const Pedaco& p : pedacos_) {
        switch (p.campo) {
        case Campo::Literal:
            destino += p.literal;
            break;
        case Campo::Dia:
            Numero(destino, data.day(), p.largura);
            break;
        case Campo::Mes:
            Numero(destino, data.month(), p.largura);
            break;
        case Campo::Ano2:
            Numero(destino, data.year() % 100, 2);
            break;
        case Campo::Ano4:
            Numero(destino, data.year(), 4);
            break;
        case Campo::Hora24:
            Numero(destino, hora.hour(), p.largura);
            break;
        case Campo::Hora12:
            Numero(destino, hora.hour() % 12 == 0 ? 12 : hora.hour() % 12, p.largura);
            break;
        case Campo::Minuto:
            Numero(destino, hora.minute(), p.largura);
            break;
        case Campo::Segundo:
            Numero(destino, hora.second(), p.largura);
            break;
        case Campo::AmPm:
            destino += hora.hour() < 12 ? p.literal : p.pm;
            break;
        }
    }
}

} // namespace Quorvane
