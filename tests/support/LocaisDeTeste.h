#pragma once

#include "FormatoLocal.h"

#include <QString>

namespace Quorvane::Testes {

// Regional settings built explicitly, so that no test depends on the machine's.
FormatoLocal FormatoPtBr();
FormatoLocal FormatoEnUs();
// What Qt's own en_US data puts between the time and AM/PM: a blank up to Qt 6.4 (Debian 12),
// CLDR's narrow no-break space in later ones (Debian 13).
QString AntesDeAmPm();

} // namespace Quorvane::Testes
