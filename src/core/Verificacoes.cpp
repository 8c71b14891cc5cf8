#include "Verificacoes.h"

namespace Quorvane {

namespace {

Verificacao CriarCargaInicialSemCustoUnitarioEntrada()
{
    Verificacao v;
    v.nome = QStringLiteral("CargaInicialSemCustoUnitarioEntrada");
    v.descricao = QStringLiteral("Registros de carga inicial que dão entrada de quantidade sem custo unitário.");
    v.tipo = TipoAchado::Erro;
    v.linhas = {
        {QStringLiteral(" ")},
        {QStringLiteral(" SELECT")},
        {QStringLiteral("   C1.ZA_PROCOD,")},
        {QStringLiteral("   C1.ZA_PROREF,")},
        {QStringLiteral("   COALESCE(C1.ZA_QTDE_ENTRADA,0) AS ZA_QTDE_ENTRADA,")},
        {QStringLiteral("   COALESCE(C1.ZA_CUSTO_UNITARIO_ENTRADA,0) AS ZA_CUSTO_UNITARIO_ENTRADA")},
        {QStringLiteral(" FROM")},
        {QStringLiteral("   CUSTO_AQUISICAO_HISTORICO C1")},
        {QStringLiteral(" WHERE COALESCE(C1.ZA_QTDE_ENTRADA,0) > 0")},
        {QStringLiteral("   AND COALESCE(C1.ZA_CUSTO_UNITARIO_ENTRADA,0) <= 0")},
        {QStringLiteral("   AND C1.ZA_FORMA_LANCAMENTO = 'CI'")},
    };
    v.colunas = {{QStringLiteral("ZA_PROREF")}, {QStringLiteral("ZA_QTDE_ENTRADA")}, {QStringLiteral("ZA_CUSTO_UNITARIO_ENTRADA"), true}};
    v.mensagem = QStringLiteral("Referencia: %s Qtde Entrada: %s Custo Unitario Entrada: %s");
    v.correcao = QStringLiteral("Carga inicial deste produto está sem custo unitário de entrada, corrigir e refazer a carga inicial");
    return v;
}

Verificacao CriarPrimeiroLancamentoSaidaMovimentaEstoque()
{
    Verificacao v;
    v.nome = QStringLiteral("PrimeiroLancamentoSaidaMovimentaEstoque");
    v.descricao = QStringLiteral("Produtos cujo primeiro lançamento no histórico de custo é uma saída de estoque, e não uma carga inicial.");
    v.tipo = TipoAchado::Alerta;
    v.linhas = {
        {QStringLiteral(" SELECT")},
        {QStringLiteral("   A1.ZA_PROCOD")},
        {QStringLiteral("   ,A1.ZA_PROREF")},
        {QStringLiteral("   ,A1.ZA_QTDE_SAIDA")},
        {QStringLiteral(" FROM")},
        {QStringLiteral("   ( SELECT")},
        {QStringLiteral("   A.ZA_PROCOD, MIN(A.ZA_ID) AS PRIMEIROID")},
        {QStringLiteral("   FROM CUSTO_AQUISICAO_HISTORICO A")},
        {QStringLiteral(" GROUP BY 1")},
        {QStringLiteral(" ) AS T")},
        {QStringLiteral(" JOIN CUSTO_AQUISICAO_HISTORICO A1 ON T.PRIMEIROID = A1.ZA_ID")},
        {QStringLiteral(" WHERE A1.ZA_QTDE_SAIDA > 0")},
        {QStringLiteral("   AND A1.ZA_FORMA_LANCAMENTO <> 'CI'")},
        {QStringLiteral("   AND A1.ZA_MOVIMENTA_ESTOQUE = 'S' ")},
    };
    v.colunas = {{QStringLiteral("ZA_PROREF")}, {QStringLiteral("ZA_QTDE_SAIDA")}};
    v.mensagem = QStringLiteral("Referencia: %s Qtde Saída: %s");
    v.correcao = QStringLiteral("Entendemos que o produto poderia ter uma carga inicial");
    v.indices = {{QStringLiteral("CUSTO_AQUISICAO_HISTORICO"), QStringLiteral("ZA_ID"),
                  QStringLiteral("CREATE INDEX IDX_ZA_ID ON CUSTO_AQUISICAO_HISTORICO (ZA_ID);")}};
    return v;
}

Verificacao CriarAcertoEntradaSemValorUnitario()
{
    Verificacao v;
    v.nome = QStringLiteral("AcertoEntradaSemValorUnitario");
    v.descricao = QStringLiteral("Acertos de entrada que mandam considerar o preço informado, estando ele zerado ou vazio, "
                                 "de produtos sem carga inicial.");
    v.tipo = TipoAchado::Erro;
    v.linhas = {
        {QStringLiteral("  WITH CTE AS ( ")},
        {QStringLiteral("  SELECT")},
        {QStringLiteral("    SF8.NUMERO,")},
        {QStringLiteral("    SF8.PROCOD,")},
        {QStringLiteral("    SF8.DATA,")},
        {QStringLiteral("    SF8.QTDE,")},
        {QStringLiteral("    SF8.UNITARIO,")},
        {QStringLiteral("    SF8.CONSIDERA_PRECO_INFORMADO,")},
        {QStringLiteral("    CASE COALESCE(SF8.CONSIDERA_PRECO_INFORMADO,'N')")},
        {QStringLiteral("      WHEN 'S' THEN SF8.UNITARIO")},
        {QStringLiteral("      ELSE 0")},
        {QStringLiteral("    END AS ZA_CUSTO_UNITARIO_ENTRADA")},
        {QStringLiteral("    ,SB8.PROREF")},
        {QStringLiteral("  FROM")},
        {QStringLiteral("    ACERTOS SF8")},
        {QStringLiteral("    JOIN CADPRO SB8 ON SF8.PROCOD = SB8.PROCOD")},
        {QStringLiteral("  WHERE (COALESCE(UNITARIO,0) <= 0 AND COALESCE(SF8.CONSIDERA_PRECO_INFORMADO,'N') = 'S')")},
        {QStringLiteral("    AND DATA >= '"), true},
        {QStringLiteral("    AND COALESCE(F8_ORIGEM,'CE') <> 'LT' ")},
        {QStringLiteral("    AND SF8.TIPO = 'E'  ")},
        {QStringLiteral(" ORDER BY SF8.NUMERO ")},
        {QStringLiteral(" ) ")},
        {QStringLiteral(" SELECT ")},
        {QStringLiteral("   * ")},
        {QStringLiteral(" FROM ")},
        {QStringLiteral("   CTE ")},
        {QStringLiteral(" WHERE CTE.PROCOD NOT IN ( ")},
        {QStringLiteral(" SELECT ")},
        {QStringLiteral("   C1.ZA_PROCOD ")},
        {QStringLiteral(" FROM ")},
        {QStringLiteral("   CUSTO_AQUISICAO_HISTORICO C1 ")},
        {QStringLiteral(" WHERE C1.ZA_FORMA_LANCAMENTO = 'CI' ")},
        // One NULL in a NOT IN list makes the whole test unknown: the check would find nothing.
        {QStringLiteral("   AND C1.ZA_PROCOD IS NOT NULL ")},
        {QStringLiteral(" ) ")},
    };
    v.colunas = {{QStringLiteral("NUMERO")}, {QStringLiteral("DATA")}, {QStringLiteral("PROREF")}, {QStringLiteral("QTDE")}, {QStringLiteral("UNITARIO"), true}};
    v.mensagem = QStringLiteral("Numero: %s Data: %s Referência: %s Qtde: %s Unitário: %s");
    v.correcao = QStringLiteral("UPDATE ACERTOS SET CONSIDERA_PRECO_INFORMADO = 'N' WHERE NUMERO = ");
    v.colunaCorrecao = QStringLiteral("NUMERO");
    v.indices = {{QStringLiteral("CUSTO_AQUISICAO_HISTORICO"), QStringLiteral("ZA_PROCOD"),
                  QStringLiteral("CREATE INDEX IDX_ZA_PROCOD ON CUSTO_AQUISICAO_HISTORICO (ZA_PROCOD);")},
                 {QStringLiteral("CADPRO"), QStringLiteral("PROCOD"), QStringLiteral("CREATE INDEX IDX_CADPRO_PROCOD ON CADPRO (PROCOD);")}};
    v.chaves = {{QStringLiteral("CUSTO_AQUISICAO_HISTORICO"), QStringLiteral("ZA_PROCOD")}};
    return v;
}

Verificacao CriarCFOPBeneficiamentoTerceiroAoMesmoTempo()
{
    Verificacao v;
    v.nome = QStringLiteral("CFOPBeneficiamentoTerceiroAoMesmoTempo");
    v.descricao = QStringLiteral("Naturezas de operação marcadas ao mesmo tempo como Terceiro e como Beneficiamento.");
    v.tipo = TipoAchado::Erro;
    v.linhas = {
        {QStringLiteral(" SELECT")},
        {QStringLiteral("   SC4.NATCOD")},
        {QStringLiteral("   ,SC4.NATNOME")},
        {QStringLiteral("   ,SC4.TERCEIRO")},
        {QStringLiteral("   ,SC4.BENEFICIAMENTO")},
        {QStringLiteral(" FROM")},
        {QStringLiteral("   NATOPE SC4")},
        {QStringLiteral(" WHERE 1=1")},
        {QStringLiteral("   AND (COALESCE(SC4.TERCEIRO, 'N') = 'S' AND COALESCE(SC4.BENEFICIAMENTO, 'N') = 'S')")},
        {QStringLiteral(" ORDER BY SC4.NATCOD")},
    };
    v.colunas = {{QStringLiteral("NATCOD")}, {QStringLiteral("TERCEIRO")}, {QStringLiteral("BENEFICIAMENTO")}};
    v.mensagem = QStringLiteral("CFOP: %s Terceiro: %s Beneficiamento: %s");
    v.correcao = QStringLiteral("CFOP não pode estar marcada como Terceiro e Beneficiamento ao mesmo tempo na Aba SPeds");
    return v;
}

Verificacao CriarCFOPConsumoMovimentandoEstoque()
{
    Verificacao v;
    v.nome = QStringLiteral("CFOPConsumoMovimentandoEstoque");
    v.descricao = QStringLiteral("Naturezas de operação com CFOP de consumo ou de ativo imobilizado que movimentam estoque.");
    v.tipo = TipoAchado::Alerta;
    v.linhas = {
        {QStringLiteral(" SELECT")},
        {QStringLiteral("   SC4.NATCOD")},
        {QStringLiteral("   ,SC4.NATNOME")},
        {QStringLiteral("   ,SC4.ESTOQUE")},
        {QStringLiteral(" FROM")},
        {QStringLiteral("   NATOPE SC4")},
        {QStringLiteral(" WHERE 1=1")},
        {QStringLiteral("   AND COALESCE(SC4.ESTOQUE, 'N') = 'S'")},
        {QStringLiteral("   AND SC4.C4_CFOP_GOVERNO IN")},
        {QStringLiteral("  (SELECT TB2.F4_CFOP FROM TB002 TB2 WHERE (UPPER(TB2.F4_DESCRICAO) LIKE UPPER('%CONSUM%') OR UPPER(TB2.F4_DESCRICAO) LIKE UPPER('%ATIVO%')))")},
        {QStringLiteral(" ORDER BY SC4.NATCOD")},
    };
    v.colunas = {{QStringLiteral("NATCOD")}, {QStringLiteral("ESTOQUE")}};
    v.mensagem = QStringLiteral("CFOP: %s Movimentar Estoque: %s");
    v.correcao = QStringLiteral("CFOP de consumo e/ou ativo marcado como movimentar estoque, revisar se a entrada e a saída seguem a mesma regra");
    v.indices = {{QStringLiteral("TB002"), QStringLiteral("F4_CFOP"), QStringLiteral("CREATE INDEX IDX_TB002_F4_CFOP ON TB002 (F4_CFOP);")}};
    return v;
}

Verificacao CriarImportacaoSemDespesas()
{
    Verificacao v;
    v.nome = QStringLiteral("ImportacaoSemDespesas");
    v.descricao = QStringLiteral("Notas de importação cujo pedido não tem lançamento de despesas de importação.");
    v.tipo = TipoAchado::Alerta;
    v.linhas = {
        {QStringLiteral(" SELECT")},
        {QStringLiteral("  DISTINCT")},
        {QStringLiteral("   SA3.NOTANUM_DISPLAY AS NF")},
        {QStringLiteral("   ,SA3.PEDNUM AS PEDIDO")},
        {QStringLiteral("   ,SA3.NOTADATA AS DATA")},
        {QStringLiteral("   ,SA4.A4_CFOP_GOVERNO AS CFOP")},
        {QStringLiteral("   ,'NOTAPROPRIA' AS TIPO_NOTA")},
        {QStringLiteral("   ,SA3.NOTATOT AS TOTAL_NF")},
        {QStringLiteral(" FROM")},
        {QStringLiteral("   NOTAFI SA3")},
        {QStringLiteral("   JOIN NOTAPRO SA4 ON SA3.NOTANUM = SA4.NOTANUM")},
        {QStringLiteral(" WHERE 1=1")},
        {QStringLiteral("   AND SA3.NOTADATA >= '"), true},
        {QStringLiteral("   AND SUBSTRING (SA4.A4_CFOP_GOVERNO FROM 1 FOR 1) = '3'")},
        // IS NOT NULL: one expense without an order would otherwise hide every document.
        {QStringLiteral("   AND SA3.PEDNUM NOT IN (SELECT SZB.ZB_PEDNUM FROM CUSTO_AQUISICAO_LCT_DESP_IMP SZB WHERE SZB.ZB_PEDNUM IS NOT NULL)")},
    };
    v.colunas = {{QStringLiteral("NF")}, {QStringLiteral("PEDIDO")}, {QStringLiteral("DATA")}, {QStringLiteral("CFOP")}, {QStringLiteral("TOTAL_NF"), true}};
    v.mensagem = QStringLiteral("NF: %s Pedido: %s Data: %s CFOP: %s Valor: %s");
    v.correcao = QStringLiteral("Analisar os documentos, pois faltam lançamentos de despesas de importação");
    v.indices = {{QStringLiteral("CUSTO_AQUISICAO_LCT_DESP_IMP"), QStringLiteral("ZB_PEDNUM"),
                  QStringLiteral("CREATE INDEX IDX_ZB_PEDNUM ON CUSTO_AQUISICAO_LCT_DESP_IMP (ZB_PEDNUM);")},
                 {QStringLiteral("NOTAPRO"), QStringLiteral("NOTANUM"), QStringLiteral("CREATE INDEX IDX_NOTAPRO_NOTANUM ON NOTAPRO (NOTANUM);")}};
    v.chaves = {{QStringLiteral("CUSTO_AQUISICAO_LCT_DESP_IMP"), QStringLiteral("ZB_PEDNUM")}};
    return v;
}

Verificacao CriarImportacaoSemFOB()
{
    Verificacao v;
    v.nome = QStringLiteral("ImportacaoSemFOB");
    v.descricao = QStringLiteral("Itens de notas de importação sem valor FOB.");
    v.tipo = TipoAchado::Erro;
    v.linhas = {
        {QStringLiteral(" SELECT ")},
        {QStringLiteral("   DISTINCT SA3.NOTANUM_DISPLAY ")},
        {QStringLiteral("   ,SA3.NOTADATA ")},
        {QStringLiteral("   ,SA3.PEDNUM ")},
        {QStringLiteral("   ,SA4.A4_VR_FOB_ITEM ")},
        {QStringLiteral("   ,SA4.A4_VR_FRETE_INTERNAC_ITEM ")},
        {QStringLiteral("   ,SA4.NATOPE ")},
        {QStringLiteral(" FROM ")},
        {QStringLiteral("   NOTAFI SA3 ")},
        {QStringLiteral("   JOIN NOTAPRO SA4 ON SA3.NOTANUM = SA4.NOTANUM ")},
        {QStringLiteral(" WHERE SA3.NOTADATA >= '"), true},
        {QStringLiteral("   AND SUBSTRING (SA4.A4_CFOP_GOVERNO FROM 1 FOR 1) = '3'")},
        {QStringLiteral("   AND COALESCE(A4_VR_FOB_ITEM,0) <= 0 ")},
        {QStringLiteral(" ORDER BY SA4.NOTASEQ ")},
    };
    v.colunas = {{QStringLiteral("NOTANUM_DISPLAY")}, {QStringLiteral("PEDNUM")}, {QStringLiteral("NOTADATA")}, {QStringLiteral("NATOPE")}, {QStringLiteral("A4_VR_FOB_ITEM"), true}};
    v.mensagem = QStringLiteral("NF: %s Pedido: %s Data: %s CFOP: %s Valor FOB: %s");
    v.correcao = QStringLiteral("Entrar em Correções Fiscais -> Dados Importação -> Atualizar FOB e Frete internacional de CADA item");
    v.indices = {{QStringLiteral("NOTAPRO"), QStringLiteral("NOTANUM"), QStringLiteral("CREATE INDEX IDX_NOTAPRO_NOTANUM ON NOTAPRO (NOTANUM);")}};
    return v;
}

} // namespace

const Verificacao& VerificacaoCargaInicialSemCustoUnitarioEntrada()
{
    static const Verificacao verificacao = CriarCargaInicialSemCustoUnitarioEntrada();
    return verificacao;
}

const Verificacao& VerificacaoPrimeiroLancamentoSaidaMovimentaEstoque()
{
    static const Verificacao verificacao = CriarPrimeiroLancamentoSaidaMovimentaEstoque();
    return verificacao;
}

const Verificacao& VerificacaoAcertoEntradaSemValorUnitario()
{
    static const Verificacao verificacao = CriarAcertoEntradaSemValorUnitario();
    return verificacao;
}

const Verificacao& VerificacaoCFOPBeneficiamentoTerceiroAoMesmoTempo()
{
    static const Verificacao verificacao = CriarCFOPBeneficiamentoTerceiroAoMesmoTempo();
    return verificacao;
}

const Verificacao& VerificacaoCFOPConsumoMovimentandoEstoque()
{
    static const Verificacao verificacao = CriarCFOPConsumoMovimentandoEstoque();
    return verificacao;
}

const Verificacao& VerificacaoImportacaoSemDespesas()
{
    static const Verificacao verificacao = CriarImportacaoSemDespesas();
    return verificacao;
}

const Verificacao& VerificacaoImportacaoSemFOB()
{
    static const Verificacao verificacao = CriarImportacaoSemFOB();
    return verificacao;
}

const std::vector<const Verificacao*>& VerificacoesNaOrdemDeExecucao()
{
    static const std::vector<const Verificacao*> ordem = {
        &VerificacaoCargaInicialSemCustoUnitarioEntrada(),
        &VerificacaoCFOPBeneficiamentoTerceiroAoMesmoTempo(),
        &VerificacaoCFOPConsumoMovimentandoEstoque(),
        &VerificacaoPrimeiroLancamentoSaidaMovimentaEstoque(),
        &VerificacaoImportacaoSemDespesas(),
        &VerificacaoImportacaoSemFOB(),
        &VerificacaoAcertoEntradaSemValorUnitario(),
    };
    return ordem;
}

} // namespace Quorvane
