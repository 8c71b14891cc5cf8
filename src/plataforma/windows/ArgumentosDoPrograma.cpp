#include "ArgumentosDoPrograma.h"

#include "TextoDeCaminho.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>

namespace Quorvane {

QStringList ArgumentosDoPrograma(int, char*[])
{
    int total = 0;
    const std::unique_ptr<LPWSTR, decltype(&::LocalFree)> lista(::CommandLineToArgvW(::GetCommandLineW(), &total), &::LocalFree);
    QStringList argumentos;
    for (int i = 1; lista && i < total; ++i)
        argumentos << QString::fromWCharArray(lista.get()[i]);
    return argumentos;
}

std::filesystem::path CaminhoDoArgumento(const QString& argumento)
{
    return CaminhoDoTexto(argumento);
}

} // namespace Quorvane
