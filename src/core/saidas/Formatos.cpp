#include "Formatos.h"

#include <algorithm>

namespace Quorvane::Cli {

void EscreverNoFormato(FormatoSaida formato, const ResultadoAuditoria& resultado, QIODevice& saida,
                       const ResultadoComparacao* comparacao, const MomentoDaAuditoria& momento, const FormatoLocal& local,
                       bool terminal)
{
    switch (formato) {
    case FormatoSaida::Texto:
        EscreverTexto(resultado, saida, comparacao, terminal);
        break;
    case FormatoSaida::Tsv:
        EscreverTsv(resultado, saida, comparacao);
        break;
    case FormatoSaida::Csv:
        EscreverCsv(resultado, saida, comparacao);
        break;
    case FormatoSaida::Json:
        EscreverJson(resultado, saida, comparacao);
        break;
    case FormatoSaida::Html:
        EscreverHtml(resultado, saida, comparacao, momento, local);
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
