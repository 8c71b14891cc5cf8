#include "SubstituicaoDeArquivo.h"

#include <windows.h>

#include <memory>

namespace Quorvane {

namespace {

QString TextoDoErro(DWORD erro)
{
    wchar_t* texto = nullptr;
    const DWORD tamanho = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                           nullptr, erro, 0, reinterpret_cast<wchar_t*>(&texto), 0, nullptr);
    const std::unique_ptr<wchar_t, decltype(&::LocalFree)> libera(texto, &::LocalFree);
    return tamanho ? QString::fromWCharArray(texto, tamanho).trimmed() : QStringLiteral("erro %1 do Windows").arg(erro);
}

} // namespace

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
