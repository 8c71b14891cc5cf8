#include "CaracteresUtf8.h"

namespace Quorvane {

void GarantirCaracteresUtf8() noexcept
{
}

} // namespace Quorvane
