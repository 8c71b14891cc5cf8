#pragma once

#include <ctime>
#include <filesystem>

namespace Quorvane {

// Folders of this user's alone, for files with the customer's figures that a program hands on.

// A new folder in `pai` named `prefixo` and six random characters, that only this user reaches;
// empty when none could be made.
std::filesystem::path CriarPastaPrivada(const std::filesystem::path& pai, const std::string& prefixo);

// A folder (not a link to one) of this user's, unchanged since `limite`.
bool PastaPropriaSemMudancaDesde(const std::filesystem::path& pasta, std::time_t limite);

// A name (a link not followed) unchanged since `limite`.
bool SemMudancaDesde(const std::filesystem::path& item, std::time_t limite);

// Readable and writable by this user alone (on Windows the private folder's rights already say so).
void SomenteParaOUsuario(const std::filesystem::path& arquivo) noexcept;

} // namespace Quorvane
