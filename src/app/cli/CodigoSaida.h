#pragma once

#include "Auditoria.h"
#include "ComparacaoAchados.h"

namespace Quorvane::Cli {

// Exit statuses: the highest that applies wins.
enum CodigoSaida : int {
    SemAchados = 0,
    SoAlertas = 1,
    ComErros = 2,
    VerificacaoNaoExecutada = 3,
    FalhaDeConfiguracao = 4,   // configuration, connection or output: nothing usable came out
    PlanilhaNaoGravada = 5,    // --xlsx could not be written; the other output was
    ArgumentosInvalidos = 64,
};

// With a comparison (--baseline), 0, 1 and 2 count only the new findings.
CodigoSaida CodigoDoResultado(const ResultadoAuditoria& resultado, const ResultadoComparacao* comparacao);

} // namespace Quorvane::Cli
