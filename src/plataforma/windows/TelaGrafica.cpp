#include "TelaGrafica.h"

namespace Quorvane {

// Every Windows session has a desktop; no variable names it.
bool TemTelaGrafica()
{
    return true;
}

} // namespace Quorvane
