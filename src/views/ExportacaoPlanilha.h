#pragma once

#include "LogView.h"

#include <filesystem>
#include <functional>

namespace Quorvane {

// Hands a workbook to the desktop's own spreadsheet application; false when none takes it. An
// application that starts but then fails calls `falhou`, later, from the event loop.
using AbrirNoDesktop = std::function<bool(const std::filesystem::path& planilha, std::function<void()> falhou)>;

// The desktop's application for .xlsx (on Linux as "gio open" chooses it, on Windows the file
// association) opens it; false when there is none. One that cannot be started, or ends with an
// error within a few seconds (it could not open the workbook), has failed.
bool AbrirComODesktop(const std::filesystem::path& planilha, std::function<void()> falhou);

// The "Excel" button: the findings as shown go into a new workbook in a private temporary folder,
// which the desktop's spreadsheet application then opens and keeps under the user's control.
// A workbook that cannot be written, or that no application takes or keeps, is the single error
// "Versão do Ms-Excel incompatível", and its folder is removed.
ExportacaoPlanilha CriarExportacaoPlanilha(AbrirNoDesktop abrir = AbrirComODesktop);

} // namespace Quorvane
