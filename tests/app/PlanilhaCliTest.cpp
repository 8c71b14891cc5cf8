#include "Planilhas.h"
#include "ProgramaCli.h"

using namespace Quorvane::Testes;

TEST(PlanilhaCli, MesmaOrdemQueATsv)
{
    PastaTemporaria pasta;
    const auto arquivo = pasta / "achados.xlsx";
    const ExecucaoCli execucao = RodarNoBanco("checks-a", {QStringLiteral("--format"), QStringLiteral("tsv"), QStringLiteral("--xlsx"),
                                                           QString::fromStdString(arquivo.string())});
    ASSERT_EQ(execucao.codigo, 2) << execucao.Erros().toStdString();
    const QStringList tsv = execucao.Linhas();
    const auto linhas = CelulasDaPlanilha(arquivo);
    ASSERT_EQ(static_cast<qsizetype>(linhas.size()), tsv.size());
    for (qsizetype i = 0; i < tsv.size(); ++i)
        EXPECT_EQ(linhas[static_cast<std::size_t>(i)].join(u'\t'), tsv[i]) << "linha " << i;
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
