#pragma once

#include <QString>
#include <filesystem>

namespace Quorvane {

// Puts `provisorio`, already written in full and closed, in the place of `alvo` in one step: a
// reader sees the old file or the new one, never part of either, and a power loss leaves one of
// them whole. Empty on success, otherwise the system's own words.
QString SubstituirArquivo(const std::filesystem::path& provisorio, const std::filesystem::path& alvo);

} // namespace Quorvane
