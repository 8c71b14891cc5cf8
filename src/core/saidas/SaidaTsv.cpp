#include "Formatos.h"

namespace Quorvane::Cli {

void EscreverTsv(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao)
{
    Escrever(saida, comparacao ? u"Alerta\tErro\tCorreção\tComparação\n" : u"Alerta\tErro\tCorreção\n");
    ParaCadaLinha(resultado, comparacao, [&](const TLogAlertasAndErros& achado, const QString& marca) {
        Escrever(saida, EmUmaLinha(achado.FAlerta) + u'\t' + EmUmaLinha(achado.FErro) + u'\t' +
                            EmUmaLinha(achado.FCorrecao) + (comparacao ? u'\t' + marca : QString()) + u'\n');
    });
}

} // namespace Quorvane::Cli
