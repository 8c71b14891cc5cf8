#include "TelaGrafica.h"

namespace Quorvane {

bool TemTelaGrafica()
{
    return true;
}

} // namespace Quorvane
