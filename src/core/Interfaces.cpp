#include "Interfaces.h"

namespace Quorvane {

std::shared_ptr<iConnection> Conexao;

} // namespace Quorvane
