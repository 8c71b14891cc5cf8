#include "ProgramaCli.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <csignal>

using namespace Quorvane::Testes;

// Ctrl+C, a closed terminal or a scheduler's SIGTERM in the middle of a check that never ends:
// the check is cancelled at once, nothing is written, and the status is 128 + the signal.
TEST(InterrupcaoCli, SinalCancelaAVerificacaoENadaEhGravado)
{
    PastaTemporaria pasta;
    const auto saida = pasta / "achados.tsv";
    for (const int sinal : {SIGINT, SIGTERM, SIGHUP}) {
        QProcess processo;
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("pt_BR.UTF-8"));
        processo.setProcessEnvironment(ambiente);
        processo.setReadChannel(QProcess::StandardError);
        processo.start(QStringLiteral(QUORVANE_CLI),
                       {QStringLiteral("--config"), ConfigDe("sem-fim"), QStringLiteral("--format"), QStringLiteral("tsv"),
                        QStringLiteral("--progress"), QStringLiteral("--output"), QString::fromStdString(saida.string())});
        // The endless check is running once the two before it have reported.
        QByteArray erros;
        while (erros.count('\n') < 2 && processo.waitForReadyRead(30000))
            erros += processo.readAllStandardError();
        ASSERT_EQ(erros.count('\n'), 2) << erros.toStdString();
        ::kill(static_cast<pid_t>(processo.processId()), sinal);
        ASSERT_TRUE(processo.waitForFinished(30000)) << "não terminou depois do sinal " << sinal;
        erros += processo.readAllStandardError();
        EXPECT_EQ(processo.exitStatus(), QProcess::NormalExit) << sinal;
        EXPECT_EQ(processo.exitCode(), 128 + sinal) << erros.toStdString();
        EXPECT_TRUE(QString::fromUtf8(erros).endsWith(
            QStringLiteral("Execução interrompida pelo sinal %1: nenhum resultado foi gravado.\n").arg(sinal)))
            << erros.toStdString();
        EXPECT_FALSE(std::filesystem::exists(saida));
        EXPECT_TRUE(processo.readAllStandardOutput().isEmpty());
    }
}
