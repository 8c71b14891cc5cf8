#include "Formatos.h"

namespace Quorvane::Cli {

void EscreverTsv(const ResultadoAuditoria& resultado, QIODevice& saida)
{
    Escrever(saida, u"Alerta\tErro\tCorreção\n");
    for (const TLogAlertasAndErros& achado : resultado.Achados())
        Escrever(saida, EmUmaLinha(achado.FAlerta) + u'\t' + EmUmaLinha(achado.FErro) + u'\t' +
                            EmUmaLinha(achado.FCorrecao) + u'\n');
}

} // namespace Quorvane::Cli
