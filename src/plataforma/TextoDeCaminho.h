#pragma once

#include <QString>
#include <filesystem>
#include <string>

namespace Quorvane {

// File names between the user's text and the system: on Linux the bytes Qt uses for file names,
// on Windows UTF-16, so that no name is cut down to the ANSI code page.

// A path as the user wrote it, for messages.
QString NomeParaExibir(const std::filesystem::path& arquivo);

// The path a text names.
std::filesystem::path CaminhoDoTexto(const QString& texto);

// The name as a C library that opens `char*` names with fopen wants it (libxlsxwriter): the
// system's bytes on Linux, the ANSI code page on Windows (1252 on a Brazilian Windows, which holds
// every Portuguese letter); empty when the name has a character that code page lacks.
std::string NomeParaBibliotecaC(const std::filesystem::path& arquivo);

} // namespace Quorvane
