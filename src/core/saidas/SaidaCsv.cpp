#include "Formatos.h"

namespace Quorvane::Cli {

namespace {

// RFC 4180: a field holding a comma, a quote or a line break goes between quotes, its quotes
// doubled. Breaks that RFC does not know (a reader may still split there) become spaces.
QString Campo(const QString& valor)
{
    QString campo = SemQuebrasIncomuns(valor);
    if (!campo.contains(u',') && !campo.contains(u'"') && !campo.contains(u'\r') && !campo.contains(u'\n'))
        return campo;
    campo.replace(u'"', QStringLiteral("\"\""));
    return u'"' + campo + u'"';
}

} // namespace

void EscreverCsv(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao,
                 bool terminal)
{
    const auto campo = [terminal](const QString& valor) { return Campo(terminal ? Visivel(valor) : valor); };
    Escrever(saida, comparacao ? u"Alerta,Erro,Correção,Comparação\r\n" : u"Alerta,Erro,Correção\r\n");
    ParaCadaLinha(resultado, comparacao, [&](const TLogAlertasAndErros& achado, const QString& marca) {
        Escrever(saida, campo(achado.FAlerta) + u',' + campo(achado.FErro) + u',' + campo(achado.FCorrecao) +
                            (comparacao ? u',' + marca : QString()) + QStringLiteral("\r\n"));
    });
}

} // namespace Quorvane::Cli
