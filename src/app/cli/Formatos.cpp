#include "Formatos.h"

#include <algorithm>

namespace Quorvane::Cli {

void EscreverNoFormato(FormatoSaida formato, const ResultadoAuditoria& resultado, QIODevice& saida, bool terminal)
{
    switch (formato) {
    case FormatoSaida::Texto:
        EscreverTexto(resultado, saida, terminal);
        break;
    case FormatoSaida::Tsv:
        EscreverTsv(resultado, saida);
        break;
    case FormatoSaida::Csv:
        EscreverCsv(resultado, saida);
        break;
    case FormatoSaida::Json:
        EscreverJson(resultado, saida);
        break;
    }
}

QString EmUmaLinha(const QString& valor)
{
    const auto quebra = [](QChar c) { return c == u'\t' || c == u'\r' || c == u'\n'; };
    // The usual value has none: hand it back shared rather than copied.
    if (std::none_of(valor.begin(), valor.end(), quebra))
        return valor;
    QString linha = valor;
    for (QChar& c : linha)
        if (quebra(c))
            c = u' ';
    return linha;
}

} // namespace Quorvane::Cli
