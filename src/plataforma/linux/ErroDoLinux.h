#pragma once

#include <QString>

#include <cstring>

namespace Quorvane {

// The system's own text for an errno value, in the user's language.
inline QString TextoDoErro(int erro)
{
    return QString::fromLocal8Bit(std::strerror(erro));
}

} // namespace Quorvane
