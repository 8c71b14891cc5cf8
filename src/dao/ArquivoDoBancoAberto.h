#pragma once

#include <QString>

namespace Quorvane {

class ConexaoSql;

// The file of the open database as its server names it (MON$DATABASE_NAME), however CAMINHO
// spelled it (an alias, another name of this machine), when that file is on this machine: opened
// by the embedded engine or by a server running here. Empty for a server elsewhere.
QString ArquivoDoBancoAberto(ConexaoSql& conexao);

} // namespace Quorvane
