#pragma once

#include "LogView.h"
#include "TelaLog.h"

namespace Quorvane {

// How the engine's ShowTelaLog reaches the result log window: created just before it is shown
// modally, destroyed as soon as it has been closed.
class TTelaLogModal final : public iTelaLog {
public:
    explicit TTelaLogModal(ExportacaoPlanilha exportar = {});

    void Mostrar(TLogAlertasAndErros& log, const QString& dataCargaInicial) override;

private:
    ExportacaoPlanilha exportar_;
};

} // namespace Quorvane
