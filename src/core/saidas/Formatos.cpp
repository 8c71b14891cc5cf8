#include "Formatos.h"

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
        EscreverTsv(resultado, saida, comparacao, terminal);
        break;
    case FormatoSaida::Csv:
        EscreverCsv(resultado, saida, comparacao, terminal);
        break;
    case FormatoSaida::Json:
        EscreverJson(resultado, saida, comparacao);
        break;
    case FormatoSaida::Html:
        EscreverHtml(resultado, saida, comparacao, momento, local);
        break;
    }
}

} // namespace Quorvane::Cli
