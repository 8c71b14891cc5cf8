#pragma once

#include "Opcoes.h"

namespace Quorvane::Cli {

// Before anything connects: refuses an output that names the audited database or the Config.ini
// (by any path or link; writing there would destroy it), or that both outputs would share.
// Throws ErroUso naming it.
void ConferirSaidas(const OpcoesCli& opcoes);

} // namespace Quorvane::Cli
