#include "BancosDeTeste.h"
#include "Erro.h"
#include "PlanilhaAchados.h"
#include "Planilhas.h"

#include <QJsonArray>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <set>

using namespace Quorvane;
using namespace Quorvane::Testes;

namespace {

TLogAlertasAndErros Alerta(const QString& texto, const QString& correcao)
{
    return {QString(), correcao, nullptr, texto};
}

TLogAlertasAndErros Erro_(const QString& texto, const QString& correcao)
{
    return {texto, correcao, nullptr, QString()};
}

QStringList Linha(const QJsonObject& planilha, int indice)
{
    QStringList celulas;
    for (const auto& c : planilha[QStringLiteral("linhas")].toArray()[indice].toArray())
        celulas << c.toString();
    while (celulas.size() < 3)
        celulas << QString();
    return celulas;
}

} // namespace

TEST(PlanilhaAchados, CabecalhoLinhasNaOrdemDaListaETudoComoTexto)
{
    PastaTemporaria pasta;
    const TListaLogAlertasAndErros achados = {
        Alerta(QStringLiteral("NF: 000301 Valor: 1.234,50"), QStringLiteral("Analisar os documentos")),
        Erro_(QStringLiteral("Referência: AÇÃO-01 Qtde: 10"), QStringLiteral("Carga inicial")),
        Erro_(QStringLiteral("Numero: 123"), QStringLiteral("UPDATE ACERTOS SET X = 'N' WHERE NUMERO = 123;")),
        Alerta(QStringLiteral("0042"), QStringLiteral("=1+1")),
        Alerta(QStringLiteral("a") + QChar(0) + QStringLiteral("b\x1B\x07\tc"), QString(32766, u'x') + QStringLiteral("😀")),
    };
    GravarPlanilhaAchados(pasta / "a.xlsx", achados);
    const QJsonObject planilha = LerPlanilha(pasta / "a.xlsx");
    EXPECT_EQ(planilha[QStringLiteral("titulo")].toString(), QStringLiteral("Quorvane"));
    EXPECT_EQ(planilha[QStringLiteral("folhas")].toInt(), 1);
    EXPECT_EQ(planilha[QStringLiteral("nomeDaFolha")].toString(), QStringLiteral("Achados"));
    ASSERT_EQ(planilha[QStringLiteral("linhas")].toArray().size(), 6);
    EXPECT_EQ(Linha(planilha, 0), QStringList({"Alerta", "Erro", "Correção"}));
    EXPECT_EQ(Linha(planilha, 1), QStringList({"NF: 000301 Valor: 1.234,50", "", "Analisar os documentos"}));
    EXPECT_EQ(Linha(planilha, 2), QStringList({"", "Referência: AÇÃO-01 Qtde: 10", "Carga inicial"}));
    EXPECT_EQ(Linha(planilha, 3)[2], QStringLiteral("UPDATE ACERTOS SET X = 'N' WHERE NUMERO = 123;"));
    // Numbers and formulas stay text.
    EXPECT_EQ(Linha(planilha, 4), QStringList({"0042", "", "=1+1"}));
    // What XML cannot hold is U+FFFD, and the rest of the cell stays; a pair is never split.
    EXPECT_EQ(Linha(planilha, 5)[0], QStringLiteral("a\uFFFDb\uFFFD\uFFFD\tc"));
    EXPECT_EQ(Linha(planilha, 5)[2], QString(32766, u'x'));
    EXPECT_EQ(planilha[QStringLiteral("tipos")].toArray(), QJsonArray({QStringLiteral("s")}));
}

TEST(PlanilhaAchados, LargurasPeloTextoMaisLongoComLimite)
{
    PastaTemporaria pasta;
    GravarPlanilhaAchados(pasta / "l.xlsx", {Alerta(QString(30, u'x'), QString(500, u'c'))});
    const QJsonObject larguras = LerPlanilha(pasta / "l.xlsx")[QStringLiteral("larguras")].toObject();
    const double a = larguras[QStringLiteral("A")].toDouble();
    const double b = larguras[QStringLiteral("B")].toDouble();
    const double c = larguras[QStringLiteral("C")].toDouble();
    EXPECT_GE(a, 30.0);
    EXPECT_LT(a, 40.0);
    EXPECT_GE(b, 4.0); // the header "Erro" alone
    EXPECT_LT(b, 12.0);
    EXPECT_GE(c, 100.0);
    EXPECT_LE(c, 130.0);
}

TEST(PlanilhaAchados, ListaVaziaSoCabecalho)
{
    PastaTemporaria pasta;
    GravarPlanilhaAchados(pasta / "v.xlsx", {});
    const QJsonObject planilha = LerPlanilha(pasta / "v.xlsx");
    ASSERT_EQ(planilha[QStringLiteral("linhas")].toArray().size(), 1);
    EXPECT_EQ(Linha(planilha, 0), QStringList({"Alerta", "Erro", "Correção"}));
}

TEST(PlanilhaAchados, DezMilLinhas)
{
    PastaTemporaria pasta;
    TListaLogAlertasAndErros achados;
    for (int i = 0; i < 10000; ++i)
        achados.push_back(i % 2 ? Erro_(QStringLiteral("Numero: %1").arg(i), QStringLiteral("UPDATE %1;").arg(i))
                                : Alerta(QStringLiteral("NF: %1 ção").arg(i), QStringLiteral("Analisar")));
    GravarPlanilhaAchados(pasta / "g.xlsx", achados);
    const QJsonObject planilha = LerPlanilha(pasta / "g.xlsx");
    ASSERT_EQ(planilha[QStringLiteral("linhas")].toArray().size(), 10001);
    EXPECT_EQ(Linha(planilha, 1), QStringList({"NF: 0 ção", "", "Analisar"}));
    EXPECT_EQ(Linha(planilha, 10000), QStringList({"", "Numero: 9999", "UPDATE 9999;"}));
}

TEST(PlanilhaAchados, PastaEArquivoPrivados)
{
    const auto arquivo = GravarPlanilhaTemporaria({Alerta(QStringLiteral("a"), QStringLiteral("b"))});
    struct stat infoArquivo{}, infoPasta{};
    ASSERT_EQ(::stat(arquivo.c_str(), &infoArquivo), 0);
    ASSERT_EQ(::stat(arquivo.parent_path().c_str(), &infoPasta), 0);
    EXPECT_EQ(infoArquivo.st_mode & 0777, 0600u);
    EXPECT_EQ(infoPasta.st_mode & 0777, 0700u);
    EXPECT_EQ(arquivo.filename(), "Quorvane.xlsx");
    EXPECT_EQ(arquivo.parent_path().parent_path(), std::filesystem::temp_directory_path());
    // Only the workbook is left in the folder: no scratch files.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(arquivo.parent_path()), {}), 1);
    // Each export gets its own folder: nothing is overwritten.
    const auto outro = GravarPlanilhaTemporaria({});
    EXPECT_NE(outro.parent_path(), arquivo.parent_path());
    std::filesystem::remove_all(arquivo.parent_path());
    std::filesystem::remove_all(outro.parent_path());
}

TEST(PlanilhaAchados, ArquivoQueNaoPodeSerGravado)
{
    EXPECT_THROW(GravarPlanilhaAchados("/pasta-que-nao-existe/x.xlsx", {}), Erro);
}

TEST(PlanilhaAchados, FalhaAoGravarNaoDeixaAPasta)
{
    PastaTemporaria tmp;
    setenv("TMPDIR", tmp.Caminho().c_str(), 1);
    // A full disk, as far as this process can tell: no file may grow past 4 KB.
    rlimit antes{};
    getrlimit(RLIMIT_FSIZE, &antes);
    const rlimit pequeno{4096, antes.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &pequeno);
    EXPECT_THROW(GravarPlanilhaTemporaria(TListaLogAlertasAndErros(2000, Alerta(QString(40, u'x'), "y"))), Erro);
    setrlimit(RLIMIT_FSIZE, &antes);
    unsetenv("TMPDIR");
    EXPECT_TRUE(std::filesystem::is_empty(tmp.Caminho()));
}

TEST(PlanilhaAchados, SoPastasDePlanilhaAntigasSaoRemovidas)
{
    PastaTemporaria tmp;
    // Old; just written; old but a spreadsheet's lock file is fresh; not ours by name.
    for (const std::string nome : {"quorvane-antiga", "quorvane-recent", "quorvane-aberta", "quorvane-longa12"}) {
        std::filesystem::create_directory(tmp / nome);
        EscreverArquivo(tmp / nome / "Quorvane.xlsx", "x");
        for (const auto& caminho : {tmp / nome / "Quorvane.xlsx", tmp / nome})
            if (nome != "quorvane-recent")
                std::filesystem::last_write_time(caminho, std::filesystem::file_time_type::clock::now() - std::chrono::hours(25));
    }
    EscreverArquivo(tmp / "quorvane-aberta" / ".~lock.Quorvane.xlsx#", "x");
    // Old and named like ours, but the user's own by what it holds.
    std::filesystem::create_directory(tmp / "quorvane-backup");
    EscreverArquivo(tmp / "quorvane-backup" / "copia.sql", "x");
    for (const auto& caminho : {tmp / "quorvane-backup" / "copia.sql", tmp / "quorvane-backup"})
        std::filesystem::last_write_time(caminho, std::filesystem::file_time_type::clock::now() - std::chrono::hours(25));
    RemoverPlanilhasTemporariasAntigas(std::chrono::hours(24), tmp.Caminho());
    std::set<std::string> restantes;
    for (const auto& item : std::filesystem::directory_iterator(tmp.Caminho()))
        restantes.insert(item.path().filename());
    EXPECT_EQ(restantes, (std::set<std::string>{"quorvane-recent", "quorvane-aberta", "quorvane-longa12", "quorvane-backup"}));
}
