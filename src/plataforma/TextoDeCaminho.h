#pragma once

#include <QString>
#include <filesystem>

namespace Quorvane {

// File names between the user's text and the system: on Linux the bytes Qt uses for file names,
// on Windows UTF-16, so that no name is cut down to the ANSI code page.

// A path as the user wrote it, for messages.
QString NomeParaExibir(const std::filesystem::path& arquivo);

// The path a text names.
std::filesystem::path CaminhoDoTexto(const QString& texto);

} // namespace Quorvane
