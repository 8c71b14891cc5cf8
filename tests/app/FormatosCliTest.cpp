#include "ProgramaCli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace Quorvane::Testes;

namespace {

const QString CorrecaoCargaInicial =
    QStringLiteral("Carga inicial deste produto está sem custo unitário de entrada, corrigir e refazer a carga inicial");

const QStringList SoCargaInicial{QStringLiteral("--check"), QStringLiteral("CargaInicialSemCustoUnitarioEntrada")};

} // namespace

TEST(CliFormatos, TsvTrazTodosOsAchadosNaOrdemDaTelaDeLog)
{
    const ExecucaoCli r = RodarNoBanco("checks-a", {QStringLiteral("--format"), QStringLiteral("tsv")});
    EXPECT_EQ(r.codigo, 2) << r.Erros().toStdString();
    EXPECT_EQ(r.Linhas(), TsvEsperado("tests/fixtures/expected-checks-a.tsv"));
    EXPECT_TRUE(r.erros.isEmpty()) << "sem --progress, uma execução sem falhas não escreve na saída de erros";

    // The groups in the log window's order, by the beginnings of their corrections.
    QStringList grupos;
    for (const QString& linha : r.Linhas().mid(1))
        if (const QString c = linha.section(u'\t', 2); grupos.isEmpty() || !c.startsWith(grupos.last()))
            grupos << c.left(c.startsWith(u"UPDATE") ? 6 : 13);
    EXPECT_EQ(grupos, (QStringList{QStringLiteral("Analisar os d"), QStringLiteral("CFOP de consu"),
                                   QStringLiteral("CFOP não pode"), QStringLiteral("Carga inicial"),
                                   QStringLiteral("Entendemos qu"), QStringLiteral("Entrar em Cor"), QStringLiteral("UPDATE")}));
}

TEST(CliFormatos, TsvPoeTabulacoesEQuebrasDeLinhaComoEspacos)
{
    const ExecucaoCli r = RodarNoBanco("estranho", QStringList{QStringLiteral("--format=tsv")} + SoCargaInicial);
    const QStringList linhas = r.Linhas();
    ASSERT_EQ(linhas.size(), 1 + 7) << r.Saida().toStdString();
    // Found last, so last among equal corrections; the tab, the CR and the LF are one space each.
    EXPECT_EQ(linhas.last(), QStringLiteral("\tReferencia: T A\"B,C  D Qtde Entrada: 1 Custo Unitario Entrada: 0,00\t") +
                                 CorrecaoCargaInicial);
    for (const QString& linha : linhas)
        EXPECT_EQ(linha.count(u'\t'), 2) << linha.toStdString();
}

TEST(CliFormatos, CsvSegueARfc4180)
{
    const ExecucaoCli r = RodarNoBanco("estranho", QStringList{QStringLiteral("--format"), QStringLiteral("csv")} + SoCargaInicial);
    EXPECT_EQ(r.codigo, 2);
    // A field with a comma (here the decimal separator) is quoted, one without is not.
    EXPECT_TRUE(r.Saida().startsWith(
        QStringLiteral("Alerta,Erro,Correção\r\n,\"Referencia: PAR-001 Qtde Entrada: 10 Custo Unitario Entrada: 0,00\",\"%1\"\r\n")
            .arg(CorrecaoCargaInicial)))
        << r.Saida().toStdString();
    // Quotes doubled; the tab and the line break kept inside the quoted field.
    EXPECT_TRUE(r.Saida().endsWith(
        QStringLiteral(",\"Referencia: T\tA\"\"B,C\r\nD Qtde Entrada: 1 Custo Unitario Entrada: 0,00\",\"%1\"\r\n")
            .arg(CorrecaoCargaInicial)))
        << r.Saida().toStdString();
    EXPECT_EQ(r.Saida().count(QStringLiteral("\r\n")), 1 + 7 + 1);
}

TEST(CliFormatos, JsonDescreveOBancoAsVerificacoesEOsAchados)
{
    const ExecucaoCli r = RodarNoBanco("checks-a", {QStringLiteral("--format"), QStringLiteral("json")});
    EXPECT_EQ(r.codigo, 2);
    QJsonParseError erro;
    const QJsonObject raiz = QJsonDocument::fromJson(r.saida, &erro).object();
    ASSERT_EQ(erro.error, QJsonParseError::NoError) << erro.errorString().toStdString() << "\n" << r.saida.toStdString();
    EXPECT_EQ(raiz[u"banco"].toString(), QString::fromStdString(BancoDe("checks-a").string()));
    EXPECT_EQ(raiz[u"dataCargaInicial"].toString(), QStringLiteral("01/03/2023"));

    const QJsonArray verificacoes = raiz[u"verificacoes"].toArray();
    const std::vector<std::tuple<const char*, const char*, int>> esperadas = {
        {"CargaInicialSemCustoUnitarioEntrada", "Erro", 6},     {"CFOPBeneficiamentoTerceiroAoMesmoTempo", "Erro", 3},
        {"CFOPConsumoMovimentandoEstoque", "Alerta", 3},        {"PrimeiroLancamentoSaidaMovimentaEstoque", "Alerta", 3},
        {"ImportacaoSemDespesas", "Alerta", 6},                 {"ImportacaoSemFOB", "Erro", 7},
        {"AcertoEntradaSemValorUnitario", "Erro", 5},
    };
    ASSERT_EQ(verificacoes.size(), static_cast<qsizetype>(esperadas.size()));
    for (qsizetype i = 0; i < verificacoes.size(); ++i) {
        const QJsonObject v = verificacoes[i].toObject();
        const auto& [nome, tipo, achados] = esperadas[static_cast<std::size_t>(i)];
        EXPECT_EQ(v[u"nome"].toString(), QString::fromLatin1(nome));
        EXPECT_EQ(v[u"tipo"].toString(), QString::fromLatin1(tipo)) << nome;
        EXPECT_EQ(v[u"achados"].toInt(-1), achados) << nome;
        EXPECT_EQ(v[u"situacao"].toString(), QStringLiteral("executada")) << nome;
        EXPECT_TRUE(v[u"erro"].isNull()) << nome;
        EXPECT_GE(v[u"milissegundos"].toInt(-1), 0) << nome;
    }

    // The findings in the same order as the other formats, each naming the check that found it.
    const QJsonArray achados = raiz[u"achados"].toArray();
    const auto esperados = NaOrdemDaTelaDeLog("tests/fixtures/expected-checks-a.tsv");
    ASSERT_EQ(achados.size(), static_cast<qsizetype>(esperados.size()));
    for (qsizetype i = 0; i < achados.size(); ++i) {
        const QJsonObject a = achados[i].toObject();
        const AchadoEsperado& e = esperados[static_cast<std::size_t>(i)];
        EXPECT_EQ(a[u"verificacao"].toString(), e.verificacao);
        EXPECT_EQ(a[e.tipo == u"Erro" ? u"erro" : u"alerta"].toString(), e.texto);
        EXPECT_EQ(a[e.tipo == u"Erro" ? u"alerta" : u"erro"].toString(), QString());
        EXPECT_EQ(a[u"correcao"].toString(), e.correcao);
    }
}

TEST(CliFormatos, TextoEmTabelaAlinhada)
{
    const ExecucaoCli r = RodarNoBanco("checks-a", {});
    EXPECT_EQ(r.codigo, 2);
    const QStringList linhas = r.Linhas();
    ASSERT_EQ(linhas.size(), 5 + 33 + 2);
    EXPECT_EQ(linhas[0], QStringLiteral("Banco de Dados: ") + QString::fromStdString(BancoDe("checks-a").string()));
    EXPECT_EQ(linhas[1], QStringLiteral("Data Carga Inicial: 01/03/2023"));
    EXPECT_TRUE(linhas[3].startsWith(QStringLiteral("Tipo    Achado "))) << linhas[3].toStdString();
    EXPECT_EQ(linhas.last(), QStringLiteral("Total de registros: 33"));

    // Every row's correction starts in the column of the header's "Correção".
    const qsizetype coluna = linhas[3].indexOf(QStringLiteral("Correção"));
    const auto esperados = NaOrdemDaTelaDeLog("tests/fixtures/expected-checks-a.tsv");
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        const QString& linha = linhas[5 + static_cast<qsizetype>(i)];
        EXPECT_TRUE(linha.startsWith(esperados[i].tipo + u' ')) << linha.toStdString();
        EXPECT_EQ(linha.mid(coluna), esperados[i].correcao) << linha.toStdString();
    }
}

TEST(CliFormatos, ValoresNoFormatoDoLocalDoUsuario)
{
    const QStringList tsv = QStringList{QStringLiteral("--format"), QStringLiteral("tsv")} + SoCargaInicial;
    const QString ptBr = RodarNoBanco("checks-a", tsv, QStringLiteral("pt_BR.UTF-8")).Saida();
    const QString enUs = RodarNoBanco("checks-a", tsv, QStringLiteral("en_US.UTF-8")).Saida();
    EXPECT_TRUE(ptBr.contains(QStringLiteral("Referencia: ROL-005 Qtde Entrada: 3 Custo Unitario Entrada: -1.234,50\t")));
    EXPECT_TRUE(enUs.contains(QStringLiteral("Referencia: ROL-005 Qtde Entrada: 3 Custo Unitario Entrada: -1,234.50\t")));
}

TEST(CliFormatos, ControlesMostradosNoTerminalEscapadosNoJsonEColunasComLimite)
{
    // script(1) gives the runner a terminal: every table format, and standard error, shows the
    // controls rather than sending them.
    const auto naTela = [](const QString& config, const QString& formato) {
        const QString comando = QStringLiteral(QUORVANE_CLI " --config '%1' --check CargaInicialSemCustoUnitarioEntrada --format %2").arg(config, formato);
        return RodarCli({QStringLiteral("-qec"), comando, QStringLiteral("/dev/null")}, QStringLiteral("pt_BR.UTF-8"), "/usr/bin/script");
    };
    for (const QString formato : {"text", "tsv", "csv"}) {
        const ExecucaoCli tela = naTela(ConfigDe("controles"), formato);
        EXPECT_TRUE(tela.Saida().contains(QStringLiteral("Referencia: A␛[31m␇B␀C\uFFFDD␋E\uFFFDF G H␌I Qtde"))) << tela.saida.toStdString();
        EXPECT_FALSE(tela.saida.contains('\x1B') || tela.saida.contains('\x07') || tela.Saida().contains(u'\u202E')) << formato.toStdString();
    }
    PastaTemporaria pasta;
    EscreverConfig(pasta / "Config.ini", QStringLiteral("/nao-existe/\x1B]0;titulo\x07.fdb"));
    const ExecucaoCli erro = naTela(QString::fromStdString((pasta / "Config.ini").string()), QStringLiteral("tsv"));
    EXPECT_TRUE(erro.Saida().contains(QStringLiteral("/nao-existe/␛]0;titulo␇.fdb"))) << erro.saida.toStdString();
    EXPECT_FALSE(erro.saida.contains('\x1B'));

    // In a file the data stays as it is, but for what a reader of tsv or csv may take for a break.
    const QString arquivo = QStringLiteral("Referencia: A\x1B[31m\x07" "B C\u202E" "D E F G H I Qtde");
    for (const QString formato : {"tsv", "csv"})
        EXPECT_TRUE(RodarNoBanco("controles", SoCargaInicial + QStringList{QStringLiteral("--format"), formato}).Saida().contains(arquivo));
    const ExecucaoCli json = RodarNoBanco("controles", SoCargaInicial + QStringList{QStringLiteral("--format=json")});
    EXPECT_TRUE(json.saida.contains("A\\u001b[31m\\u0007B\\u0000C")) << json.saida.toStdString();

    // One long value runs over; the columns keep a width that fits a screen.
    const QStringList linhas = RodarNoBanco("controles", SoCargaInicial).Linhas();
    EXPECT_EQ(linhas[3].indexOf(QStringLiteral("Correção")), 4 + 2 + 2 + 120 + 2);
    EXPECT_TRUE(linhas.filter(QString(250, u'x')).size() == 1);
    EXPECT_LT(linhas[5].size(), 300);
}
