#include "TelaLogModal.h"

#include "Dialogos.h"

namespace Quorvane {

TTelaLogModal::TTelaLogModal(ExportacaoPlanilha exportar) : exportar_(std::move(exportar)) {}

void TTelaLogModal::Mostrar(TLogAlertasAndErros& log)
{
    TLogView tela(log, exportar_);
    Dialogos().ExibirModal(tela);
}

} // namespace Quorvane
