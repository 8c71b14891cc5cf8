#pragma once

#include "LogView.h"

#include <filesystem>
#include <functional>

namespace Quorvane {

// Hands a workbook to the desktop's own spreadsheet application; false when none takes it.
using AbrirNoDesktop = std::function<bool(const std::filesystem::path& planilha)>;

// The desktop's default application for .xlsx (mimeapps.list, the desktop files' MIME cache) opens
// it, through the desktop's own opener, "gio open"; false when there is none or it cannot start.
bool AbrirComODesktop(const std::filesystem::path& planilha);

// The "Excel" button: the rows as shown go into a new workbook in a private temporary folder,
// which the desktop's spreadsheet application then opens and keeps under the user's control.
// A workbook that cannot be written, or that no application takes, is the single error
// "Versão do Ms-Excel incompatível", and its folder is removed.
ExportacaoPlanilha CriarExportacaoPlanilha(AbrirNoDesktop abrir = AbrirComODesktop);

} // namespace Quorvane
