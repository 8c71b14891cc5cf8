#pragma once

#include "FormatoLocal.h"
#include "LogAlertasAndErros.h"
#include "Verificacao.h"

#include <QDate>
#include <QStringList>

namespace Quorvane {

class ConsultaSql;

// The statement lines of a check, its date line completed with the start date. An invalid date
// stands for "no start date": DiaZero (DataLocal.h).
QStringList LinhasDoComando(const Verificacao& verificacao, QDate dataCargaInicial);

// The one check mechanism: runs the check's statement on the query and appends one finding per
// row to the buffer's list. A database error stops it; findings already appended stay.
void ExecutarVerificacao(const Verificacao& verificacao, ConsultaSql& consulta, QDate dataCargaInicial,
                         const FormatoLocal& formato, TLogAlertasAndErros& buffer);

} // namespace Quorvane
