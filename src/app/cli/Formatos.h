#pragma once

#include "Auditoria.h"
#include "Opcoes.h"

#include <QIODevice>
#include <QStringView>

namespace Quorvane::Cli {

// Each writer goes through the findings once, writing as it goes, UTF-8. The text table goes to a
// person: on a terminal its control characters are shown, not sent.
void EscreverTexto(const ResultadoAuditoria& resultado, QIODevice& saida, bool terminal = false);
void EscreverTsv(const ResultadoAuditoria& resultado, QIODevice& saida);
void EscreverCsv(const ResultadoAuditoria& resultado, QIODevice& saida);
void EscreverJson(const ResultadoAuditoria& resultado, QIODevice& saida);

void EscreverNoFormato(FormatoSaida formato, const ResultadoAuditoria& resultado, QIODevice& saida, bool terminal = false);

inline void Escrever(QIODevice& saida, QStringView texto)
{
    saida.write(texto.toUtf8());
}

// A value on one line: each tab, CR or LF becomes one space.
QString EmUmaLinha(const QString& valor);

} // namespace Quorvane::Cli
