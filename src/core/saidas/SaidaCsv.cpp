#include "Formatos.h"

namespace Quorvane::Cli {

namespace {

// RFC 4180: a field holding a comma, a quote or a line break goes between quotes, its quotes doubled.
QString Campo(const QString& valor)
{
    if (!valor.contains(u',') && !valor.contains(u'"') && !valor.contains(u'\r') && !valor.contains(u'\n'))
        return valor;
    QString campo = valor;
    campo.replace(u'"', QStringLiteral("\"\""));
    return u'"' + campo + u'"';
}

} // namespace

void EscreverCsv(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao)
{
    Escrever(saida, comparacao ? u"Alerta,Erro,Correção,Comparação\r\n" : u"Alerta,Erro,Correção\r\n");
    ParaCadaLinha(resultado, comparacao, [&](const TLogAlertasAndErros& achado, const QString& marca) {
        Escrever(saida, Campo(achado.FAlerta) + u',' + Campo(achado.FErro) + u',' + Campo(achado.FCorrecao) +
                            (comparacao ? u',' + marca : QString()) + QStringLiteral("\r\n"));
    });
}

} // namespace Quorvane::Cli
