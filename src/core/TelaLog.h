#pragma once

#include "LogAlertasAndErros.h"

namespace Quorvane {

// How the engine reaches the result log window without knowing any widget: the windowed program
// hands one to the engine at start-up; the headless runner hands none.
class iTelaLog {
public:
    virtual ~iTelaLog() = default;
    // Shows the findings modally and returns when the window has been closed. May re-order the list.
    // The start date, as the main window shows it, goes into a report saved from there.
    virtual void Mostrar(TLogAlertasAndErros& log, const QString& dataCargaInicial) = 0;
};

} // namespace Quorvane
