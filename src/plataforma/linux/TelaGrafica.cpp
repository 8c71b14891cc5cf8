#include "TelaGrafica.h"

#include <cstdlib>

namespace Quorvane {

namespace {

bool Definida(const char* variavel)
{
    const char* valor = std::getenv(variavel);
    return valor && *valor;
}

} // namespace

bool TemTelaGrafica()
{
    return Definida("DISPLAY") || Definida("WAYLAND_DISPLAY") || Definida("QT_QPA_PLATFORM");
}

} // namespace Quorvane
