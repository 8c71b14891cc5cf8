#include "CodigoSaida.h"

namespace Quorvane::Cli {

CodigoSaida CodigoDoResultado(const ResultadoAuditoria& resultado, const ResultadoComparacao* comparacao)
{
    for (const ResultadoVerificacao& v : resultado.verificacoes)
        if (v.situacao != SituacaoVerificacao::Executada)
            return VerificacaoNaoExecutada;
    CodigoSaida codigo = SemAchados;
    const TListaLogAlertasAndErros& achados = resultado.Achados();
    for (std::size_t i = 0; i < achados.size(); ++i) {
        if (comparacao && comparacao->marcas[i] != Comparacao::Novo)
            continue;
        if (!achados[i].FErro.isEmpty())
            return ComErros;
        codigo = SoAlertas;
    }
    return codigo;
}

} // namespace Quorvane::Cli
