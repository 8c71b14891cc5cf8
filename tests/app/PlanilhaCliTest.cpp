#include "ProgramaCli.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace Quorvane::Testes;

namespace {

QJsonArray LinhasDaPlanilha(const std::filesystem::path& arquivo)
{
    QProcess leitor;
    leitor.start(QStringLiteral("/usr/bin/python3"), {QString::fromStdString((RaizDoProjeto() / "tests/tools/ler-planilha.py").string()),
                                                      QString::fromStdString(arquivo.string())});
    EXPECT_TRUE(leitor.waitForFinished(120000));
    EXPECT_EQ(leitor.exitCode(), 0) << leitor.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(leitor.readAllStandardOutput()).object()[QStringLiteral("linhas")].toArray();
}

} // namespace

TEST(PlanilhaCli, MesmaOrdemQueATsv)
{
    PastaTemporaria pasta;
    const auto arquivo = pasta / "achados.xlsx";
    const ExecucaoCli execucao = RodarNoBanco("checks-a", {QStringLiteral("--format"), QStringLiteral("tsv"), QStringLiteral("--xlsx"),
                                                           QString::fromStdString(arquivo.string())});
    ASSERT_EQ(execucao.codigo, 2) << execucao.Erros().toStdString();
    const QStringList tsv = execucao.Linhas();
    const QJsonArray linhas = LinhasDaPlanilha(arquivo);
    ASSERT_EQ(linhas.size(), tsv.size());
    for (qsizetype i = 0; i < tsv.size(); ++i) {
        QStringList celulas;
        for (const auto& c : linhas[i].toArray())
            celulas << c.toString();
        while (celulas.size() < 3)
            celulas << QString();
        EXPECT_EQ(celulas.join(u'\t'), tsv[i]) << "linha " << i;
    }
}

TEST(PlanilhaCli, ArquivoQueNaoPodeSerGravadoSaiCom5)
{
    const ExecucaoCli execucao = RodarNoBanco("checks-a", {QStringLiteral("--format"), QStringLiteral("tsv"), QStringLiteral("--xlsx"),
                                                           QStringLiteral("/pasta-que-nao-existe/a.xlsx")});
    EXPECT_EQ(execucao.codigo, 5);
    EXPECT_TRUE(execucao.Erros().contains(QStringLiteral("Não foi possível gravar a planilha"))) << execucao.Erros().toStdString();
    // The findings still went to standard output.
    EXPECT_EQ(execucao.Linhas().size(), 34);
}
