#include "CodigoSaida.h"

namespace Quorvane::Cli {

CodigoSaida CodigoDoResultado(const ResultadoAuditoria& resultado)
{
    for (const ResultadoVerificacao& v : resultado.verificacoes)
        if (v.situacao != SituacaoVerificacao::Executada)
            return VerificacaoNaoExecutada;
    CodigoSaida codigo = SemAchados;
    for (const TLogAlertasAndErros& achado : resultado.Achados()) {
        if (!achado.FErro.isEmpty())
            return ComErros;
        codigo = SoAlertas;
    }
    return codigo;
}

} // namespace Quorvane::Cli
