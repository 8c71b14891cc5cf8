#include "DescricaoVerificacoes.h"

#include <QHash>

namespace Quorvane {

QString DescricaoDaVerificacao(const QString& nome)
{
    static const QHash<QString, QString> descricoes = {
        {QStringLiteral("CargaInicialSemCustoUnitarioEntrada"),
         QStringLiteral("Registros de carga inicial que dão entrada de quantidade sem custo unitário.")},
        {QStringLiteral("CFOPBeneficiamentoTerceiroAoMesmoTempo"),
         QStringLiteral("Naturezas de operação marcadas ao mesmo tempo como Terceiro e como Beneficiamento.")},
        {QStringLiteral("CFOPConsumoMovimentandoEstoque"),
         QStringLiteral("Naturezas de operação com CFOP de consumo ou de ativo imobilizado que movimentam estoque.")},
        {QStringLiteral("PrimeiroLancamentoSaidaMovimentaEstoque"),
         QStringLiteral("Produtos cujo primeiro lançamento no histórico de custo é uma saída de estoque, e não uma carga inicial.")},
        {QStringLiteral("ImportacaoSemDespesas"),
         QStringLiteral("Notas de importação cujo pedido não tem lançamento de despesas de importação.")},
        {QStringLiteral("ImportacaoSemFOB"), QStringLiteral("Itens de notas de importação sem valor FOB.")},
        {QStringLiteral("AcertoEntradaSemValorUnitario"),
         QStringLiteral("Acertos de entrada que mandam considerar o preço informado, estando ele zerado ou vazio, "
                        "de produtos sem carga inicial.")},
    };
    return descricoes.value(nome);
}

} // namespace Quorvane
