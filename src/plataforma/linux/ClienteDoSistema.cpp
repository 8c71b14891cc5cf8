#include "ClienteDoSistema.h"

#include <dlfcn.h>

namespace Quorvane {

BibliotecaCarregada CarregarClienteFirebird(const std::string& biblioteca)
{
    BibliotecaCarregada carregada;
    carregada.local = QString::fromStdString(biblioteca);
    carregada.modulo = ::dlopen(biblioteca.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!carregada.modulo)
        carregada.falha = QStringLiteral("Biblioteca cliente do Firebird não encontrada: %1").arg(carregada.local);
    return carregada;
}

void DescartarBiblioteca(void* modulo) noexcept
{
    ::dlclose(modulo);
}

void* SimboloDaBiblioteca(void* modulo, const char* nome)
{
    return ::dlsym(modulo, nome);
}

} // namespace Quorvane
