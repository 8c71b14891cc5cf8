#pragma once

#include <filesystem>

namespace Quorvane {

// The same file, whatever the path or the links to it (on Windows also whatever the letter case,
// the 8.3 name or the share it is reached by); a file not there yet, by its absolute path with the
// links resolved (so "x.tsv" and "./x.tsv" are one file). A path that cannot be resolved (a loop
// of links) is the same as nothing.
bool MesmoArquivo(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace Quorvane
