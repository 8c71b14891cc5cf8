#pragma once

#include "Auditoria.h"
#include "ComparacaoAchados.h"
#include "FormatoLocal.h"
#include "FormatoSaida.h"
#include "TextoVisivel.h"

#include <QDateTime>
#include <QIODevice>
#include <QStringView>

namespace Quorvane::Cli {

// Each writer goes through the findings once, writing as it goes, UTF-8. With a comparison
// (--baseline) each finding is marked, and the baseline's resolved findings are written too. The
// table formats go to a person on a terminal: there their control characters are shown, not sent.
void EscreverTexto(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao = nullptr,
                   bool terminal = false);
void EscreverTsv(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao = nullptr,
                 bool terminal = false);
void EscreverCsv(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao = nullptr,
                 bool terminal = false);
void EscreverJson(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao = nullptr);

// When the checks began and how long they took (negative: not measured), and which program
// ran them, for the report's header.
struct MomentoDaAuditoria {
    QDateTime inicio;
    std::int64_t milissegundos = 0;
    QString programa = QStringLiteral("quorvane-cli");
};
// One self-contained page: styles, chart and script inline, nothing fetched. Dates and numbers
// as `formato` writes them.
void EscreverHtml(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao,
                  const MomentoDaAuditoria& momento, const FormatoLocal& formato);

void EscreverNoFormato(FormatoSaida formato, const ResultadoAuditoria& resultado, QIODevice& saida,
                       const ResultadoComparacao* comparacao, const MomentoDaAuditoria& momento, const FormatoLocal& local,
                       bool terminal = false);

// "executada", "falhou", "tempoEsgotado", "semDataCarga".
QString NomeDaSituacao(SituacaoVerificacao situacao);

// The rows of a table format: each finding, with its mark when comparing, then the resolved ones.
template <class Linha>
void ParaCadaLinha(const ResultadoAuditoria& resultado, const ResultadoComparacao* comparacao, Linha&& linha)
{
    const TListaLogAlertasAndErros& achados = resultado.Achados();
    for (std::size_t i = 0; i < achados.size(); ++i)
        linha(achados[i], comparacao ? NomeDaComparacao(comparacao->marcas[i]) : QString());
    if (!comparacao)
        return;
    const QString resolvido = NomeDaComparacao(Comparacao::Resolvido);
    for (const TLogAlertasAndErros& achado : comparacao->resolvidos)
        linha(achado, resolvido);
}

// "Erro" or "Alerta": a check's type, or a finding's (an error when it has one).
inline QString NomeDoTipo(TipoAchado tipo)
{
    return tipo == TipoAchado::Erro ? QStringLiteral("Erro") : QStringLiteral("Alerta");
}
inline QString NomeDoTipo(const TLogAlertasAndErros& achado)
{
    return NomeDoTipo(achado.FErro.isEmpty() ? TipoAchado::Alerta : TipoAchado::Erro);
}

// What a finding says: its error, or else its warning.
inline const QString& TextoDoAchado(const TLogAlertasAndErros& achado)
{
    return achado.FErro.isEmpty() ? achado.FAlerta : achado.FErro;
}

inline void Escrever(QIODevice& saida, QStringView texto)
{
    saida.write(texto.toUtf8());
}


} // namespace Quorvane::Cli
