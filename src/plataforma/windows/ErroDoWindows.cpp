#include "ErroDoWindows.h"

#include <memory>

namespace Quorvane {

QString TextoDoErro(DWORD erro)
{
    wchar_t* texto = nullptr;
    const DWORD tamanho = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                           nullptr, erro, 0, reinterpret_cast<wchar_t*>(&texto), 0, nullptr);
    const std::unique_ptr<wchar_t, decltype(&::LocalFree)> libera(texto, &::LocalFree);
    return tamanho ? QString::fromWCharArray(texto, tamanho).trimmed() : QStringLiteral("erro %1 do Windows").arg(erro);
}

} // namespace Quorvane
