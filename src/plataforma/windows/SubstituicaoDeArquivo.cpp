#include "SubstituicaoDeArquivo.h"

#include "ErroDoWindows.h"

#include <windows.h>

#include <memory>

namespace Quorvane {

QString SubstituirArquivo(const std::filesystem::path& provisorio, const std::filesystem::path& alvo)
{
    // On the disk before it takes the old file's place.
    HANDLE h = ::CreateFileW(provisorio.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return TextoDoErro(::GetLastError());
    const bool sincronizado = ::FlushFileBuffers(h) != 0;
    const DWORD erroSincronia = ::GetLastError();
    ::CloseHandle(h);
    if (!sincronizado)
        return TextoDoErro(erroSincronia);
    // One step on NTFS, the old file replaced even when it exists.
    if (!::MoveFileExW(provisorio.c_str(), alvo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return TextoDoErro(::GetLastError());
    return {};
}

} // namespace Quorvane
