#pragma once

namespace Quorvane {

// The Firebird client converts file names through the process's C character type (LC_CTYPE),
// which stays ASCII unless the program sets it, and then no path with an accent opens. This sets a
// UTF-8 one: the process's own when it already is UTF-8, otherwise C.UTF-8, which every system has
// (the user's locale may not be generated, and cron starts jobs with none). Nothing else of the C
// locale changes: the program formats with Qt. Call it before each attachment: Qt's application
// object resets the C locale from the environment when it is created.
void GarantirCaracteresUtf8() noexcept;

} // namespace Quorvane
