#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>

namespace Quorvane {

// The command line's arguments after the program's name, as text. On Linux without losing the
// bytes of a file name that is not UTF-8 (legacy Latin-1 names): each byte that is not part of
// valid UTF-8 becomes a lone surrogate U+DC80..U+DCFF, which the messages show as a replacement
// character. On Windows as the system holds them, in UTF-16 (`argv` there has them in the ANSI
// code page, which loses every letter it lacks).
QStringList ArgumentosDoPrograma(int argc, char* argv[]);

// The file name an argument read by ArgumentosDoPrograma names, byte for byte on Linux.
std::filesystem::path CaminhoDoArgumento(const QString& argumento);

} // namespace Quorvane
