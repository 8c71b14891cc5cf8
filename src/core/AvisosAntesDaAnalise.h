#pragma once

#include "Verificacao.h"

#include <QStringList>
#include <vector>

namespace Quorvane {

class ConexaoSql;

// What the user should know before the checks run, in Portuguese, one text per warning: a check
// whose supporting index is missing (it may take hours; the CREATE INDEX a DBA could run), and key
// columns holding NULLs (how many rows, in which table). Reads the system tables once, then counts
// the NULLs of the key columns that may hold them. Nothing to warn about gives an empty list.
QStringList AvisosAntesDaAnalise(ConexaoSql* conexao, const std::vector<const Verificacao*>& verificacoes);

} // namespace Quorvane
