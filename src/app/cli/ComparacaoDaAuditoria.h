#pragma once

#include "Auditoria.h"
#include "ComparacaoAchados.h"
#include "LinhaDeBase.h"

namespace Quorvane::Cli {

// The run's findings against the baseline's (--baseline).
ResultadoComparacao CompararComLinhaDeBase(const LinhaDeBase& base, const ResultadoAuditoria& resultado);

// On standard error: a baseline of another database (compared all the same), and the checks that
// could not be compared.
void AvisarSobreComparacao(const ResultadoComparacao& comparacao, const ResultadoAuditoria& resultado);

} // namespace Quorvane::Cli
