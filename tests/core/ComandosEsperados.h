// Expected statement texts of the seven checks, with the start date 01/03/2023.
#pragma once

#include <map>
#include <string>

inline const std::map<std::string, std::string>& ComandosEsperados()
{
    static const std::map<std::string, std::string> comandos = {
        {"CargaInicialSemCustoUnitarioEntrada",
         " \r\n"
         " SELECT\r\n"
         "   C1.ZA_PROCOD,\r\n"
         "   C1.ZA_PROREF,\r\n"
         "   COALESCE(C1.ZA_QTDE_ENTRADA,0) AS ZA_QTDE_ENTRADA,\r\n"
         "   COALESCE(C1.ZA_CUSTO_UNITARIO_ENTRADA,0) AS ZA_CUSTO_UNITARIO_ENTRADA\r\n"
         " FROM\r\n"
         "   CUSTO_AQUISICAO_HISTORICO C1\r\n"
         " WHERE COALESCE(C1.ZA_QTDE_ENTRADA,0) > 0\r\n"
         "   AND COALESCE(C1.ZA_CUSTO_UNITARIO_ENTRADA,0) <= 0\r\n"
         "   AND C1.ZA_FORMA_LANCAMENTO = 'CI'\r\n"},
        {"PrimeiroLancamentoSaidaMovimentaEstoque",
         " SELECT\r\n"
         "   A1.ZA_PROCOD\r\n"
         "   ,A1.ZA_PROREF\r\n"
         "   ,A1.ZA_QTDE_SAIDA\r\n"
         " FROM\r\n"
         "   ( SELECT\r\n"
         "   A.ZA_PROCOD, MIN(A.ZA_ID) AS PRIMEIROID\r\n"
         "   FROM CUSTO_AQUISICAO_HISTORICO A\r\n"
         " GROUP BY 1\r\n"
         " ) AS T\r\n"
         " JOIN CUSTO_AQUISICAO_HISTORICO A1 ON T.PRIMEIROID = A1.ZA_ID\r\n"
         " WHERE A1.ZA_QTDE_SAIDA > 0\r\n"
         "   AND A1.ZA_FORMA_LANCAMENTO <> 'CI'\r\n"
         "   AND A1.ZA_MOVIMENTA_ESTOQUE = 'S' \r\n"},
        {"AcertoEntradaSemValorUnitario",
         "  WITH CTE AS ( \r\n"
         "  SELECT\r\n"
         "    SF8.NUMERO,\r\n"
         "    SF8.PROCOD,\r\n"
         "    SF8.DATA,\r\n"
         "    SF8.QTDE,\r\n"
         "    SF8.UNITARIO,\r\n"
         "    SF8.CONSIDERA_PRECO_INFORMADO,\r\n"
         "    CASE COALESCE(SF8.CONSIDERA_PRECO_INFORMADO,'N')\r\n"
         "      WHEN 'S' THEN SF8.UNITARIO\r\n"
         "      ELSE 0\r\n"
         "    END AS ZA_CUSTO_UNITARIO_ENTRADA\r\n"
         "    ,SB8.PROREF\r\n"
         "  FROM\r\n"
         "    ACERTOS SF8\r\n"
         "    JOIN CADPRO SB8 ON SF8.PROCOD = SB8.PROCOD\r\n"
         "  WHERE (COALESCE(UNITARIO,0) <= 0 AND COALESCE(SF8.CONSIDERA_PRECO_INFORMADO,'N') = 'S')\r\n"
         "    AND DATA >= '01.03.2023'\r\n"
         "    AND COALESCE(F8_ORIGEM,'CE') <> 'LT' \r\n"
         "    AND SF8.TIPO = 'E'  \r\n"
         " ORDER BY SF8.NUMERO \r\n"
         " ) \r\n"
         " SELECT \r\n"
         "   * \r\n"
         " FROM \r\n"
         "   CTE \r\n"
         " WHERE CTE.PROCOD NOT IN ( \r\n"
         " SELECT \r\n"
         "   C1.ZA_PROCOD \r\n"
         " FROM \r\n"
         "   CUSTO_AQUISICAO_HISTORICO C1 \r\n"
         " WHERE C1.ZA_FORMA_LANCAMENTO = 'CI' \r\n"
         "   AND C1.ZA_PROCOD IS NOT NULL \r\n"
         " ) \r\n"},
        {"CFOPBeneficiamentoTerceiroAoMesmoTempo",
         " SELECT\r\n"
         "   SC4.NATCOD\r\n"
         "   ,SC4.NATNOME\r\n"
         "   ,SC4.TERCEIRO\r\n"
         "   ,SC4.BENEFICIAMENTO\r\n"
         " FROM\r\n"
         "   NATOPE SC4\r\n"
         " WHERE 1=1\r\n"
         "   AND (COALESCE(SC4.TERCEIRO, 'N') = 'S' AND COALESCE(SC4.BENEFICIAMENTO, 'N') = 'S')\r\n"
         " ORDER BY SC4.NATCOD\r\n"},
        {"CFOPConsumoMovimentandoEstoque",
         " SELECT\r\n"
         "   SC4.NATCOD\r\n"
         "   ,SC4.NATNOME\r\n"
         "   ,SC4.ESTOQUE\r\n"
         " FROM\r\n"
         "   NATOPE SC4\r\n"
         " WHERE 1=1\r\n"
         "   AND COALESCE(SC4.ESTOQUE, 'N') = 'S'\r\n"
         "   AND SC4.C4_CFOP_GOVERNO IN\r\n"
         "  (SELECT TB2.F4_CFOP FROM TB002 TB2 WHERE (UPPER(TB2.F4_DESCRICAO) LIKE UPPER('%CONSUM%') OR UPPER(TB2.F4_DESCRICAO) LIKE UPPER('%ATIVO%')))\r\n"
         " ORDER BY SC4.NATCOD\r\n"},
        {"ImportacaoSemDespesas",
         " SELECT\r\n"
         "  DISTINCT\r\n"
         "   SA3.NOTANUM_DISPLAY AS NF\r\n"
         "   ,SA3.PEDNUM AS PEDIDO\r\n"
         "   ,SA3.NOTADATA AS DATA\r\n"
         "   ,SA4.A4_CFOP_GOVERNO AS CFOP\r\n"
         "   ,'NOTAPROPRIA' AS TIPO_NOTA\r\n"
         "   ,SA3.NOTATOT AS TOTAL_NF\r\n"
         " FROM\r\n"
         "   NOTAFI SA3\r\n"
         "   JOIN NOTAPRO SA4 ON SA3.NOTANUM = SA4.NOTANUM\r\n"
         " WHERE 1=1\r\n"
         "   AND SA3.NOTADATA >= '01.03.2023'\r\n"
         "   AND SUBSTRING (SA4.A4_CFOP_GOVERNO FROM 1 FOR 1) = '3'\r\n"
         "   AND SA3.PEDNUM NOT IN (SELECT SZB.ZB_PEDNUM FROM CUSTO_AQUISICAO_LCT_DESP_IMP SZB WHERE SZB.ZB_PEDNUM IS NOT NULL)\r\n"},
        {"ImportacaoSemFOB",
         " SELECT \r\n"
         "   DISTINCT SA3.NOTANUM_DISPLAY \r\n"
         "   ,SA3.NOTADATA \r\n"
         "   ,SA3.PEDNUM \r\n"
         "   ,SA4.A4_VR_FOB_ITEM \r\n"
         "   ,SA4.A4_VR_FRETE_INTERNAC_ITEM \r\n"
         "   ,SA4.NATOPE \r\n"
         " FROM \r\n"
         "   NOTAFI SA3 \r\n"
         "   JOIN NOTAPRO SA4 ON SA3.NOTANUM = SA4.NOTANUM \r\n"
         " WHERE SA3.NOTADATA >= '01.03.2023'\r\n"
         "   AND SUBSTRING (SA4.A4_CFOP_GOVERNO FROM 1 FOR 1) = '3'\r\n"
         "   AND COALESCE(A4_VR_FOB_ITEM,0) <= 0 \r\n"
         " ORDER BY SA4.NOTASEQ \r\n"},
    };
    return comandos;
}
