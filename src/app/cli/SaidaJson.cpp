#include "Formatos.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Quorvane::Cli {

namespace {

QString NomeDaSituacao(SituacaoVerificacao situacao)
{
    switch (situacao) {
    case SituacaoVerificacao::Executada:
        return QStringLiteral("executada");
    case SituacaoVerificacao::Falhou:
        return QStringLiteral("falhou");
    case SituacaoVerificacao::TempoEsgotado:
        return QStringLiteral("tempoEsgotado");
    case SituacaoVerificacao::SemDataCarga:
        return QStringLiteral("semDataCarga");
    }
    return {};
}

QJsonValue TextoOuNulo(const QString& texto)
{
    return texto.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(texto);
}

QJsonObject Cabecalho(const ResultadoAuditoria& resultado)
{
    QJsonArray verificacoes;
    for (const ResultadoVerificacao& v : resultado.verificacoes)
        verificacoes.append(QJsonObject{
            {QStringLiteral("nome"), v.verificacao->nome},
            {QStringLiteral("tipo"), v.verificacao->tipo == TipoAchado::Erro ? QStringLiteral("Erro") : QStringLiteral("Alerta")},
            {QStringLiteral("situacao"), NomeDaSituacao(v.situacao)},
            {QStringLiteral("achados"), static_cast<qint64>(v.achados)},
            {QStringLiteral("milissegundos"), static_cast<qint64>(v.milissegundos)},
            {QStringLiteral("erro"), TextoOuNulo(v.erro)},
            // So that a script tells a lost connection (08006) from a missing table (42S02).
            {QStringLiteral("codigo"), v.codigoErro ? QJsonValue(static_cast<qint64>(v.codigoErro)) : QJsonValue()},
            {QStringLiteral("sqlstate"), TextoOuNulo(v.sqlState)},
        });
    return QJsonObject{
        {QStringLiteral("banco"), resultado.banco},
        {QStringLiteral("dataCargaInicial"), TextoOuNulo(resultado.dataCargaInicial)},
        {QStringLiteral("verificacoes"), verificacoes},
        {QStringLiteral("avisos"), QJsonArray::fromStringList(resultado.avisos)},
    };
}

} // namespace

// The findings are written one object per line as they are read, not gathered into one document.
void EscreverJson(const ResultadoAuditoria& resultado, QIODevice& saida)
{
    QByteArray cabecalho = QJsonDocument(Cabecalho(resultado)).toJson(QJsonDocument::Compact);
    cabecalho.chop(1); // the closing brace: the findings go in before it
    saida.write(cabecalho);
    saida.write(",\"achados\":[");
    const TListaLogAlertasAndErros& achados = resultado.Achados();
    for (std::size_t i = 0; i < achados.size(); ++i) {
        const TLogAlertasAndErros& achado = achados[i];
        const QJsonObject objeto{
            {QStringLiteral("verificacao"), resultado.origens[i]->nome},
            {QStringLiteral("alerta"), achado.FAlerta},
            {QStringLiteral("erro"), achado.FErro},
            {QStringLiteral("correcao"), achado.FCorrecao},
        };
        saida.write(i == 0 ? "\n" : ",\n");
        saida.write(QJsonDocument(objeto).toJson(QJsonDocument::Compact));
    }
    saida.write("\n]}\n");
}

} // namespace Quorvane::Cli
