#include "ProgramaCli.h"

#include <QFile>
#include <QProcess>

using namespace Quorvane::Testes;

namespace {

// The program's database password: only the client library may ever see it.
const QByteArray Senha = "quillhorn";

QByteArray Ler(const std::filesystem::path& arquivo)
{
    QFile f(QString::fromStdString(arquivo.string()));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A workbook is a zip of deflated XML: its parts are read unpacked.
QByteArray PartesDaPlanilha(const std::filesystem::path& arquivo)
{
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import sys, zipfile; z = zipfile.ZipFile(sys.argv[1]); "
                                 "sys.stdout.buffer.write(b''.join(z.read(n) for n in z.namelist()))"),
                  QString::fromStdString(arquivo.string())});
    python.waitForFinished(60000);
    return python.readAllStandardOutput();
}

} // namespace

TEST(SegredosCli, ASenhaNaoApareceEmNenhumaSaidaNemArquivo)
{
    PastaTemporaria pasta;
    const auto saida = pasta / "achados.txt";
    const auto planilha = pasta / "achados.xlsx";
    const QString arquivoSaida = QString::fromStdString(saida.string());
    const QString arquivoPlanilha = QString::fromStdString(planilha.string());

    std::vector<std::pair<std::string, ExecucaoCli>> execucoes;
    for (const char* formato : {"text", "tsv", "csv", "json"})
        execucoes.emplace_back(formato, RodarNoBanco("checks-a", {QStringLiteral("--format"), QString::fromLatin1(formato), QStringLiteral("--progress")}));
    execucoes.emplace_back("arquivos", RodarNoBanco("checks-a", {QStringLiteral("--output"), arquivoSaida, QStringLiteral("--xlsx"), arquivoPlanilha}));
    execucoes.emplace_back("verificação que falha", RodarNoBanco("sem-tb002", {QStringLiteral("--format"), QStringLiteral("json")}));
    execucoes.emplace_back("tempo esgotado", RodarNoBanco("sem-fim", {QStringLiteral("--timeout"), QStringLiteral("1")}));
    EscreverConfig(pasta / "Config.ini", QStringLiteral("127.0.0.1/1:/x.fdb"));
    execucoes.emplace_back("servidor que não responde", RodarCli({QStringLiteral("--config"), QString::fromStdString((pasta / "Config.ini").string())}));
    if (const auto servidor = ServidorDeTeste()) {
        // The server refuses the password: the one place a client library could repeat it.
        EscreverConfig(pasta / "errada.ini", QString::fromStdString(*servidor) + QStringLiteral(":quorvane_senha_errada"));
        execucoes.emplace_back("senha recusada", RodarCli({QStringLiteral("--config"), QString::fromStdString((pasta / "errada.ini").string())}));
    }

    for (const auto& [nome, r] : execucoes) {
        EXPECT_NE(r.codigo, -1) << nome;
        if (nome != "arquivos") {
            EXPECT_FALSE(r.saida.isEmpty() && r.erros.isEmpty()) << nome << ": nada foi dito";
        }
        EXPECT_FALSE(r.saida.contains(Senha)) << nome;
        EXPECT_FALSE(r.erros.contains(Senha)) << nome;
        // The client's reason follows the connection message, for the technician.
        if (nome == "senha recusada") {
            EXPECT_TRUE(r.erros.contains("\nYour user name and password are not defined")) << r.erros.toStdString();
        }
    }
    const QByteArray texto = Ler(saida);
    const QByteArray partes = PartesDaPlanilha(planilha);
    ASSERT_FALSE(texto.isEmpty());
    ASSERT_TRUE(partes.contains("sharedStrings") || partes.contains("<sst") || partes.contains("inlineStr")) << "planilha ilegível";
    EXPECT_FALSE(texto.contains(Senha));
    EXPECT_FALSE(partes.contains(Senha));
}
