#include "Formatos.h"

namespace Quorvane::Cli {

void EscreverTsv(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao,
                 bool terminal)
{
    const auto campo = [terminal](const QString& valor) { return EmUmaLinha(terminal ? Visivel(valor) : valor); };
    Escrever(saida, comparacao ? u"Alerta\tErro\tCorreção\tComparação\n" : u"Alerta\tErro\tCorreção\n");
    ParaCadaLinha(resultado, comparacao, [&](const TLogAlertasAndErros& achado, const QString& marca) {
        Escrever(saida, campo(achado.FAlerta) + u'\t' + campo(achado.FErro) + u'\t' + campo(achado.FCorrecao) +
                            (comparacao ? u'\t' + marca : QString()) + u'\n');
    });
}

} // namespace Quorvane::Cli
