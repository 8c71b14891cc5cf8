#pragma once

namespace Quorvane {

// The Firebird client converts file names through the process's C character type (LC_CTYPE),
// which stays ASCII unless the program sets it, and then no path with an accent opens. This sets a
// UTF-8 one: the process's own when it already is UTF-8, otherwise C.UTF-8, which every system has
// (the user's locale may not be generated, and cron starts jobs with none). Nothing else of the C
// locale changes: the program formats with Qt. Call it before each attachment: Qt's application
// object resets the C locale from the environment when it is created.
// On Windows the client reads file names in the ANSI code page and the C locale plays no part:
// this does nothing there, and the attachment says instead that the name is UTF-8.
void GarantirCaracteresUtf8() noexcept;

// Whether the attachment must carry isc_dpb_utf8_filename for a name with accents to open.
#ifdef _WIN32
inline constexpr bool NomeDoBancoComMarcaUtf8 = true;
#else
inline constexpr bool NomeDoBancoComMarcaUtf8 = false;
#endif

} // namespace Quorvane
