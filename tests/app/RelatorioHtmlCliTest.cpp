#include "ProgramaCli.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace Quorvane::Testes;

namespace {

const QString Chromium = QStringLiteral("/usr/bin/chromium");

// The report as html5lib reads it, strictly (tests/tools/ler-relatorio.py): a parse error fails.
QJsonObject LerRelatorio(const std::filesystem::path& arquivo)
{
    QProcess leitor;
    leitor.start(QStringLiteral("/usr/bin/python3"), {QString::fromStdString((RaizDoProjeto() / "tests/tools/ler-relatorio.py").string()),
                                                      QString::fromStdString(arquivo.string())});
    leitor.waitForFinished(120000);
    EXPECT_EQ(leitor.exitCode(), 0) << leitor.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(leitor.readAllStandardOutput()).object();
}

QJsonObject RelatorioDe(const std::string& banco, const QStringList& outros, int codigo)
{
    PastaTemporaria pasta;
    const auto arquivo = pasta / "relatorio.html";
    const ExecucaoCli r = RodarNoBanco(banco, QStringList{QStringLiteral("--format=html"), QStringLiteral("--output"),
                                                          QString::fromStdString(arquivo.string())} + outros);
    EXPECT_EQ(r.codigo, codigo) << r.Erros().toStdString();
    return LerRelatorio(arquivo);
}

// Each finding's text and correction, group after group.
QStringList Achados(const QJsonObject& relatorio)
{
    QStringList achados;
    for (const QJsonValue& g : relatorio[u"grupos"].toArray()) {
        EXPECT_EQ(g[u"total"].toInt(), g[u"linhas"].toArray().size());
        for (const QJsonValue& l : g[u"linhas"].toArray())
            achados << l[0].toString() + u'\t' + (l.toArray().size() > 1 ? l[1].toString() : g[u"correcao"].toString());
    }
    return achados;
}

} // namespace

TEST(CliRelatorio, CadaAchadoUmaVezNaOrdemDaTelaDeLog)
{
    QJsonObject relatorio = RelatorioDe("checks-a", {}, 2);
    const QJsonObject cabecalho = relatorio[u"cabecalho"].toObject();
    EXPECT_EQ(cabecalho[u"Banco de dados"].toString(), QString::fromStdString(BancoDe("checks-a").string()));
    EXPECT_EQ(cabecalho[u"Data Carga Inicial"].toString(), QStringLiteral("01/03/2023"));
    EXPECT_TRUE(cabecalho[u"Programa"].toString().startsWith(QStringLiteral("quorvane-cli ")));
    QStringList esperados;
    for (const AchadoEsperado& e : NaOrdemDaTelaDeLog("tests/fixtures/expected-checks-a.tsv"))
        esperados << e.texto + u'\t' + e.correcao;
    EXPECT_EQ(Achados(relatorio), esperados);
    const QJsonArray verificacoes = relatorio[u"verificacoes"].toArray();
    ASSERT_EQ(verificacoes.size(), 7);
    for (const QJsonValue& v : verificacoes) {
        EXPECT_FALSE(v[1].toString().isEmpty()) << "uma descrição para " << v[0].toString().toStdString();
        EXPECT_EQ(v[5].toString(), QStringLiteral("executada"));
    }
    EXPECT_EQ(relatorio[u"barras"].toInt(), 7);
    EXPECT_EQ(relatorio[u"scripts"].toInt(), 1);
    EXPECT_EQ(relatorio[u"externos"].toArray(), QJsonArray()) << "nada fora do arquivo";

    // A check the database refused: its state with the database's message.
    relatorio = RelatorioDe("sem-tb002", {}, 3);
    const QString situacao = relatorio[u"verificacoes"][2][5].toString();
    EXPECT_TRUE(situacao.startsWith(QStringLiteral("falhou: ")) && situacao.contains(QStringLiteral("TB002"))) << situacao.toStdString();

    // Against an earlier audit: the counts, the new finding marked, the resolved one in its section.
    PastaTemporaria pasta;
    EscreverArquivo(pasta / "antes.json", RodarNoBanco("checks-a", {QStringLiteral("--format=json")}).saida.toStdString());
    relatorio = RelatorioDe("corrigido", {QStringLiteral("--baseline"), QString::fromStdString((pasta / "antes.json").string())}, 1);
    EXPECT_EQ(relatorio[u"cabecalho"][u"Novos"].toString(), QStringLiteral("1"));
    EXPECT_EQ(relatorio[u"cabecalho"][u"Resolvidos"].toString(), QStringLiteral("1"));
    QStringList novos;
    for (const QJsonValue& g : relatorio[u"grupos"].toArray())
        for (const QJsonValue& n : g[u"novos"].toArray())
            novos << n.toString();
    EXPECT_EQ(novos, QStringList{QStringLiteral("CFOP: 1407 Movimentar Estoque: S")});
    ASSERT_EQ(relatorio[u"resolvidos"].toArray().size(), 1);
    EXPECT_EQ(relatorio[u"resolvidos"][0][1].toString(), QStringLiteral("NF: 000201 Pedido: 6001 Data: 15/03/2023 CFOP: 3102 Valor FOB: 0,00"));
}

TEST(CliRelatorio, ValorHostilEhTextoTambemNoNavegador)
{
    PastaTemporaria pasta;
    const auto arquivo = pasta / "relatorio.html";
    RodarNoBanco("hostil", {QStringLiteral("--format=html"), QStringLiteral("--output"), QString::fromStdString(arquivo.string())});
    const QJsonObject relatorio = LerRelatorio(arquivo);
    const QStringList achados = Achados(relatorio);
    const QString fim = QStringLiteral(" Qtde Entrada: 1 Custo Unitario Entrada: 0,00\t");
    EXPECT_EQ(achados.filter(QStringLiteral("Referencia: <script>alert(1)</script>") + fim).size(), 1);
    // The control character, which HTML forbids, as the replacement character.
    EXPECT_EQ(achados.filter(QStringLiteral("Referencia: <img src=x onerror=\"document.title='invadido'\">&amp;\uFFFD") + fim).size(), 1);
    EXPECT_EQ(relatorio[u"scripts"].toInt(), 1);

    if (!QFile::exists(Chromium))
        GTEST_SKIP() << "Sem o chromium do Debian; scripts/test o instala";
    QProcess navegador;
    navegador.start(Chromium, {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                               QStringLiteral("--disable-quic"), QStringLiteral("--no-first-run"),
                               QStringLiteral("--disable-background-networking"), QStringLiteral("--disable-component-update"),
                               QStringLiteral("--disable-sync"), QStringLiteral("--user-data-dir=") + QString::fromStdString((pasta / "perfil").string()),
                               QStringLiteral("--dump-dom"), QStringLiteral("file://") + QString::fromStdString(arquivo.string())});
    ASSERT_TRUE(navegador.waitForFinished(60000));
    const QString dom = QString::fromUtf8(navegador.readAllStandardOutput());
    // The page's own script ran (its controls are there); the values' markup did not.
    EXPECT_TRUE(dom.contains(QStringLiteral("class=\"controles\""))) << dom.left(2000).toStdString();
    EXPECT_TRUE(dom.contains(QStringLiteral("Referencia: &lt;script&gt;alert(1)&lt;/script&gt; Qtde")));
    EXPECT_EQ(dom.count(QStringLiteral("<script")), 1);
    EXPECT_EQ(dom.count(QStringLiteral("<img")), 0);
    EXPECT_TRUE(dom.contains(QStringLiteral("<title>Quorvane: auditoria de ")));
}
