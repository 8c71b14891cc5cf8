#pragma once

#include "ComparacaoAchados.h"
#include "LogAlertasAndErros.h"

#include <chrono>
#include <filesystem>
#include <string_view>

namespace Quorvane {

// Writes the findings as an .xlsx workbook whose title property is "Quorvane": header row
// "Alerta", "Erro", "Correção", then one finding per row in list order, every value as text,
// each column as wide as its longest content. With a comparison, a fourth column "Comparação"
// marks each finding, and the resolved findings follow, marked "resolvido". Throws Erro when the
// file cannot be written.
void GravarPlanilhaAchados(const std::filesystem::path& arquivo, const TListaLogAlertasAndErros& achados,
                           const ResultadoComparacao* comparacao = nullptr);

// Writes "Quorvane.xlsx" (as GravarPlanilhaAchados) into a new private temporary folder (0700; the
// file 0600: the findings are the customer's financial data) and returns the file's path. The
// folder is named PrefixoPastaPlanilha plus six random characters, and is removed again if the
// writing fails.
inline constexpr std::string_view PrefixoPastaPlanilha = "quorvane-";
std::filesystem::path GravarPlanilhaTemporaria(const TListaLogAlertasAndErros& achados,
                                               const ResultadoComparacao* comparacao = nullptr);

// Removes the folders GravarPlanilhaTemporaria left in `pasta` (this user's, holding nothing but
// the workbook and a spreadsheet's lock file for it, and nothing in them changed for `idade`):
// their workbooks were handed to the spreadsheet application, which has long finished with them.
// Never throws; what cannot be removed stays. An empty `pasta` is the system's temporary folder.
void RemoverPlanilhasTemporariasAntigas(std::chrono::seconds idade, const std::filesystem::path& pasta = {});

} // namespace Quorvane
