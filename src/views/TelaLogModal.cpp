#include "TelaLogModal.h"

#include "Dialogos.h"

namespace Quorvane {

TTelaLogModal::TTelaLogModal(ExportacaoPlanilha exportar) : exportar_(std::move(exportar)) {}

void TTelaLogModal::Mostrar(TLogAlertasAndErros& log, const QString& dataCargaInicial)
{
    TLogView tela(log, exportar_);
    tela.DefinirDataCargaInicial(dataCargaInicial);
    Dialogos().ExibirModal(tela);
}

} // namespace Quorvane
