#pragma once

#include <QJsonObject>
#include <QStringList>
#include <filesystem>
#include <vector>

namespace Quorvane::Testes {

// A workbook as a real reader (openpyxl, through tests/tools/ler-planilha.py) sees it: title,
// rows, cell types and column widths. Throws std::runtime_error when it cannot be read.
QJsonObject LerPlanilha(const std::filesystem::path& arquivo);

// The first sheet's rows, three cells each, empty cells as "".
std::vector<QStringList> CelulasDaPlanilha(const std::filesystem::path& arquivo);

} // namespace Quorvane::Testes
