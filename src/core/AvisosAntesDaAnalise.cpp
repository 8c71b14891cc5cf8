#include "AvisosAntesDaAnalise.h"

#include "ConsultaSql.h"

#include <QSet>

namespace Quorvane {

namespace {

QString Chave(const QString& tabela, const QString& coluna)
{
    return tabela + u'.' + coluna;
}

// The tables the checks' indexes and keys are in, as an SQL list of literals (our own names).
QString ListaDeTabelas(const std::vector<const Verificacao*>& verificacoes)
{
    QStringList tabelas;
    for (const Verificacao* v : verificacoes) {
        for (const IndiceDeApoio& i : v->indices)
            tabelas << u'\'' + i.tabela + u'\'';
        for (const ChaveLida& c : v->chaves)
            tabelas << u'\'' + c.tabela + u'\'';
    }
    tabelas.removeDuplicates();
    return tabelas.join(u',');
}

// Runs one statement and gathers "TABELA.COLUNA" from its first two columns, with the third when
// there is one.
QHash<QString, std::int64_t> Ler(ConsultaSql& consulta, const QString& sql)
{
    QHash<QString, std::int64_t> colunas;
    consulta.LimparSQL();
    consulta.AdicionarLinha(sql);
    for (consulta.Abrir(); !consulta.Eof(); consulta.Proximo())
        colunas.insert(Chave(consulta.Texto(0), consulta.Texto(1)), consulta.QuantidadeCampos() > 2 ? consulta.Inteiro(2) : 0);
    return colunas;
}

} // namespace

void AvisosAntesDaAnalise(ConsultaSql& consulta, const std::vector<const Verificacao*>& verificacoes, QStringList& avisos)
{
    const QString tabelas = ListaDeTabelas(verificacoes);
    if (tabelas.isEmpty())
        return;
    // Columns of the base tables (views have no indexes of their own), each with whether it
    // may hold NULL; then the columns that begin an active index.
    const auto colunas = Ler(consulta, QStringLiteral(
        "SELECT TRIM(RF.RDB$RELATION_NAME), TRIM(RF.RDB$FIELD_NAME), "
        "MAXVALUE(COALESCE(RF.RDB$NULL_FLAG, 0), COALESCE(F.RDB$NULL_FLAG, 0)) "
        "FROM RDB$RELATION_FIELDS RF "
        "JOIN RDB$FIELDS F ON F.RDB$FIELD_NAME = RF.RDB$FIELD_SOURCE "
        "JOIN RDB$RELATIONS R ON R.RDB$RELATION_NAME = RF.RDB$RELATION_NAME "
        "WHERE R.RDB$VIEW_BLR IS NULL AND RF.RDB$RELATION_NAME IN (%1)").arg(tabelas));
    const auto indexadas = Ler(consulta, QStringLiteral(
        "SELECT TRIM(I.RDB$RELATION_NAME), TRIM(S.RDB$FIELD_NAME) "
        "FROM RDB$INDICES I JOIN RDB$INDEX_SEGMENTS S ON S.RDB$INDEX_NAME = I.RDB$INDEX_NAME "
        "WHERE S.RDB$FIELD_POSITION = 0 AND COALESCE(I.RDB$INDEX_INACTIVE, 0) = 0 "
        "AND I.RDB$RELATION_NAME IN (%1)").arg(tabelas));

    QSet<QString> contadas;
    for (const Verificacao* v : verificacoes) {
        // A missing table or column is the check's own failure, reported when it runs.
        for (const IndiceDeApoio& i : v->indices)
            if (colunas.contains(Chave(i.tabela, i.coluna)) && !indexadas.contains(Chave(i.tabela, i.coluna)))
                avisos << QStringLiteral("%1 pode levar horas: a tabela %2 não tem índice em %3. Um DBA pode criá-lo com: %4")
                              .arg(v->nome, i.tabela, i.coluna, i.criacao);
        for (const ChaveLida& c : v->chaves) {
            const QString chave = Chave(c.tabela, c.coluna);
            if (colunas.value(chave, 1) != 0 || contadas.contains(chave))
                continue;
            contadas.insert(chave);
            consulta.LimparSQL();
            consulta.AdicionarLinha(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 IS NULL").arg(c.tabela, c.coluna));
            consulta.Abrir();
            const std::int64_t nulos = consulta.Inteiro(0);
            consulta.Fechar();
            if (nulos > 0)
                avisos << QStringLiteral("A tabela %1 tem %2 com %3 nulo (NULL): %4 um problema nos dados por si só, "
                                         "que nenhuma verificação aponta.")
                              .arg(c.tabela,
                                   nulos == 1 ? QStringLiteral("1 registro") : QStringLiteral("%1 registros").arg(nulos),
                                   c.coluna, nulos == 1 ? QStringLiteral("esse registro é") : QStringLiteral("esses registros são"));
        }
    }
}

} // namespace Quorvane
