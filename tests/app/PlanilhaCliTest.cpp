#include "Planilhas.h"
#include "ProgramaCli.h"

#include <QProcess>

#include <fstream>
#include <iterator>

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

TEST(PlanilhaCli, DiscoCheioNaoEstragaAPlanilhaQueJaHavia)
{
    // The file size limit stands for a full disk (through the server: the embedded engine would
    // not survive the limit). The workbook is written beside the old one and only renamed over it
    // once whole, so the old one stays as it was, and nothing else is left.
    QUORVANE_EXIGE_SERVIDOR();
    PastaTemporaria pasta;
    std::filesystem::create_directory(pasta / "saida");
    const auto arquivo = pasta / "saida" / "achados.xlsx";
    EscreverArquivo(arquivo, "planilha anterior");
    CriarBanco({"tests/fixtures/checks-a.sql"}, pasta / "erp.fdb");
    EscreverConfig(pasta / "Config.ini", CaminhoPeloServidor(pasta / "erp.fdb"));
    QProcess processo;
    processo.start(QStringLiteral("bash"), {QStringLiteral("-c"), QStringLiteral("trap '' XFSZ; ulimit -f 2; exec \"$0\" \"$@\""),
                                            QStringLiteral(QUORVANE_CLI), QStringLiteral("--config"),
                                            QString::fromStdString((pasta / "Config.ini").string()), QStringLiteral("--xlsx"),
                                            QString::fromStdString(arquivo.string())});
    ASSERT_TRUE(processo.waitForFinished(60000));
    const QString erros = QString::fromUtf8(processo.readAllStandardError());
    EXPECT_EQ(processo.exitCode(), 5) << erros.toStdString();
    EXPECT_TRUE(erros.contains(QStringLiteral("Não foi possível gravar a planilha %1:").arg(QString::fromStdString(arquivo.string()))));
    std::ifstream antigo(arquivo);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(antigo), {}), "planilha anterior");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(pasta / "saida"), {}), 1);
}
