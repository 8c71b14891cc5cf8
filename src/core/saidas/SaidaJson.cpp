#include "Formatos.h"

#include "ChaveDoAchado.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Quorvane::Cli {

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

namespace {

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
            {QStringLiteral("tipo"), NomeDoTipo(v.verificacao->tipo)},
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
        {QStringLiteral("motor"), resultado.motor},
        {QStringLiteral("dataCargaInicial"), TextoOuNulo(resultado.dataCargaInicial)},
        {QStringLiteral("verificacoes"), verificacoes},
        {QStringLiteral("avisos"), QJsonArray::fromStringList(resultado.avisos)},
    };
}

QJsonObject Resumo(const ResultadoComparacao& comparacao)
{
    return QJsonObject{
        {QStringLiteral("linhaDeBase"), comparacao.arquivo},
        {QStringLiteral("banco"), comparacao.banco},
        {QStringLiteral("novos"), static_cast<qint64>(comparacao.novos)},
        {QStringLiteral("persistentes"), static_cast<qint64>(comparacao.persistentes)},
        {QStringLiteral("resolvidos"), static_cast<qint64>(comparacao.resolvidos.size())},
        {QStringLiteral("naoComparados"), static_cast<qint64>(comparacao.naoComparados)},
        {QStringLiteral("verificacoesNaoComparadas"), QJsonArray::fromStringList(comparacao.verificacoesNaoComparadas)},
    };
}

// One object per line, with a leading comma after the first.
void EscreverAchado(QIODevice& saida, bool primeiro, const QString& verificacao, const TLogAlertasAndErros& achado,
                    const ResultadoComparacao* comparacao, Comparacao marca)
{
    QJsonObject objeto{
        {QStringLiteral("verificacao"), verificacao},
        {QStringLiteral("alerta"), achado.FAlerta},
        {QStringLiteral("erro"), achado.FErro},
        {QStringLiteral("correcao"), achado.FCorrecao},
        // What a later run compares with (--baseline): the same in every locale.
        {QStringLiteral("chave"), ChaveEmTexto(achado.FChave)},
    };
    if (comparacao)
        objeto.insert(QStringLiteral("comparacao"), NomeDaComparacao(marca));
    saida.write(primeiro ? "\n" : ",\n");
    saida.write(QJsonDocument(objeto).toJson(QJsonDocument::Compact));
}

} // namespace

// The findings are written one object per line as they are read, not gathered into one document.
void EscreverJson(const ResultadoAuditoria& resultado, QIODevice& saida, const ResultadoComparacao* comparacao)
{
    QJsonObject inicio = Cabecalho(resultado);
    if (comparacao)
        inicio.insert(QStringLiteral("comparacao"), Resumo(*comparacao));
    QByteArray cabecalho = QJsonDocument(inicio).toJson(QJsonDocument::Compact);
    cabecalho.chop(1); // the closing brace: the findings go in before it
    saida.write(cabecalho);
    saida.write(",\"achados\":[");
    const TListaLogAlertasAndErros& achados = resultado.Achados();
    for (std::size_t i = 0; i < achados.size(); ++i)
        EscreverAchado(saida, i == 0, resultado.origens[i]->nome, achados[i], comparacao,
                       comparacao ? comparacao->marcas[i] : Comparacao::Novo);
    saida.write("\n]");
    if (comparacao) {
        saida.write(",\"resolvidos\":[");
        for (std::size_t i = 0; i < comparacao->resolvidos.size(); ++i)
            EscreverAchado(saida, i == 0, comparacao->origensDosResolvidos[i], comparacao->resolvidos[i], comparacao,
                           Comparacao::Resolvido);
        saida.write("\n]");
    }
    saida.write("}\n");
}

} // namespace Quorvane::Cli
