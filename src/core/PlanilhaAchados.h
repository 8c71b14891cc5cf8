#pragma once

#include "ComparacaoAchados.h"
#include "LogAlertasAndErros.h"

#include <filesystem>

namespace Quorvane {

// Writes the findings as an .xlsx workbook whose title property is "Quorvane": header row
// "Alerta", "Erro", "Correção", then one finding per row in list order, every value as text,
// each column as wide as its longest content. With a comparison, a fourth column "Comparação"
// marks each finding, and the resolved findings follow, marked "resolvido". Throws Erro when the
// file cannot be written.
void GravarPlanilhaAchados(const std::filesystem::path& arquivo, const TListaLogAlertasAndErros& achados,
                           const ResultadoComparacao* comparacao = nullptr);

// Writes "Quorvane.xlsx" into a new private temporary folder (0700; the file 0600: the findings
// are the customer's financial data) and returns the file's path.
std::filesystem::path GravarPlanilhaTemporaria(const TListaLogAlertasAndErros& achados);

} // namespace Quorvane
