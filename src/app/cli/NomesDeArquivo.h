#pragma once

#include <QString>
#include <filesystem>

namespace Quorvane::Cli {

// A command-line argument as text without losing the bytes of a file name that is not UTF-8
// (legacy Latin-1 names): each byte that is not part of valid UTF-8 becomes a lone surrogate
// U+DC80..U+DCFF, which the messages show as a replacement character.
QString TextoDoArgumento(const char* argumento);

// The file name an argument read by TextoDoArgumento names, byte for byte.
std::filesystem::path CaminhoDoArgumento(const QString& argumento);

} // namespace Quorvane::Cli
