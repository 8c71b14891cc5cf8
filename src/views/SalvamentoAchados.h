#pragma once

#include "FormatoLocal.h"
#include "LogAlertasAndErros.h"

#include <QDateTime>
#include <QString>

namespace Quorvane {

// What a report saved from the window says of its run, besides the findings.
struct ContextoDoRelatorio {
    QString banco;
    QString dataCargaInicial;
    QDateTime momento;
    FormatoLocal formato;
};

// The formats "Salvar" offers, as a file dialog's filter list; the first is the default.
QString FiltrosParaSalvar();
// The file name with the extension of the chosen filter, when the user typed none.
QString ComExtensaoDoFiltro(const QString& arquivo, const QString& filtro);

// Writes the findings, in their order, in the format the file's extension names: ".xlsx" (the
// sheet of "Excel"), ".csv" or ".html" (the runner's CSV and report). The file appears whole or
// not at all: a failure leaves whatever was there. Throws Erro with the reason.
void SalvarAchados(const QString& arquivo, const TListaLogAlertasAndErros& achados, const ContextoDoRelatorio& contexto);

} // namespace Quorvane
