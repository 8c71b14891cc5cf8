#pragma once

#include "Verificacao.h"

#include <QStringList>
#include <vector>

namespace Quorvane {

class ConsultaSql;

// What the user should know before the checks run, in Portuguese, one text per warning appended to
// `avisos`: a check whose supporting index is missing (it may take hours; the CREATE INDEX a DBA
// could run), and key columns holding NULLs (how many rows, in which table). Reads the system
// tables once, then counts the NULLs of the key columns that may hold them. A database error
// passes on, the warnings found before it already appended. The engine runs it (iAnalises::LerAvisos).
void AvisosAntesDaAnalise(ConsultaSql& consulta, const std::vector<const Verificacao*>& verificacoes, QStringList& avisos);

} // namespace Quorvane
