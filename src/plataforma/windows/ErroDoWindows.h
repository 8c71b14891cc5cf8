#pragma once

#include <QString>

#include <windows.h>

namespace Quorvane {

// The system's own text for a Windows error code, as the user's Windows words it.
QString TextoDoErro(DWORD erro);

} // namespace Quorvane
