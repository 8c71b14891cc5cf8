#pragma once

#include "Verificacao.h"

#include <vector>

namespace Quorvane {

const Verificacao& VerificacaoCargaInicialSemCustoUnitarioEntrada();
const Verificacao& VerificacaoPrimeiroLancamentoSaidaMovimentaEstoque();
const Verificacao& VerificacaoAcertoEntradaSemValorUnitario();
const Verificacao& VerificacaoCFOPBeneficiamentoTerceiroAoMesmoTempo();
const Verificacao& VerificacaoCFOPConsumoMovimentandoEstoque();
const Verificacao& VerificacaoImportacaoSemDespesas();
const Verificacao& VerificacaoImportacaoSemFOB();

// The seven checks in the order of an analysis run.
const std::vector<const Verificacao*>& VerificacoesNaOrdemDeExecucao();

} // namespace Quorvane
