#pragma once

#include <QStringList>

#include <filesystem>
#include <functional>
#include <optional>

namespace Quorvane {

// An application still running this long after it started has opened its file.
constexpr int SegundosParaFalhar = 5;

// The application the desktop opens a file with, chosen by the file's type as the desktop's own
// "open" chooses it: on Linux the default for its MIME type (mimeapps.list, the desktop entries),
// on Windows the association of its extension.
struct AplicativoDoDesktop {
    // Absolute: an application started elsewhere would not find a relative path.
    std::filesystem::path arquivo;
    // The application's command line with the file in it, as far as it is known beforehand.
    QStringList comando;
};

// None when the desktop has no application for the file's type. May ask other programs (gio):
// call it off the user-interface thread.
std::optional<AplicativoDoDesktop> ProcurarAplicativoDoDesktop(const std::filesystem::path& arquivo);

// Starts the application on its file; false when it cannot be started. One that ends with an
// error within SegundosParaFalhar (it could not open the file) calls `falhou` later, from the
// event loop; after that it is the user's, and goes on when this program ends.
bool AbrirNoAplicativo(const AplicativoDoDesktop& aplicativo, std::function<void()> falhou);

} // namespace Quorvane
