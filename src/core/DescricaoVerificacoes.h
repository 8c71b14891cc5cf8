#pragma once

#include <QString>

namespace Quorvane {

// What a check looks for, in one line of Portuguese for a reader who is not a technician (the
// accountant who gets the report). Empty for a name that is not one of the seven.
QString DescricaoDaVerificacao(const QString& nome);

} // namespace Quorvane
