#include "ProgramaCli.h"
#include "ProxyTcp.h"
#include "SinaisDeEncerramento.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <csignal>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Quorvane::Testes;

namespace {

// quorvane-cli started with these arguments; `pronto` says, from its standard error so far, when
// the phase to interrupt has been reached. `arquivoDeErros`: its standard error goes there instead.
struct Execucao {
    Execucao(const QStringList& argumentos, const std::function<bool(const QByteArray&)>& pronto,
             const std::filesystem::path& arquivoDeErros = {}, bool semSighup = false)
    {
        if (semSighup)
            processo.setChildProcessModifier([] { ::signal(SIGHUP, SIG_IGN); });
        if (!arquivoDeErros.empty())
            processo.setStandardErrorFile(QString::fromStdString(arquivoDeErros.string()));
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("pt_BR.UTF-8"));
        processo.setProcessEnvironment(ambiente);
        processo.setReadChannel(QProcess::StandardError);
        processo.start(QStringLiteral(QUORVANE_CLI), argumentos);
        while (!pronto(erros) && processo.waitForReadyRead(30000))
            erros += processo.readAllStandardError();
    }
    // Signals it and waits (generously: a hang, not a speed, is what fails here).
    void Interromper(int sinal)
    {
        ::kill(static_cast<pid_t>(processo.processId()), sinal);
        terminou = processo.waitForFinished(20000);
        erros += processo.readAllStandardError();
    }

    QProcess processo;
    QByteArray erros;
    bool terminou = false;
};

// The lines after the first, which says how the database was reached.
qsizetype ContarLinhasDeProgresso(const QByteArray& erros)
{
    return erros.count('\n') - (erros.startsWith("Motor: ") ? 1 : 0);
}

bool LinhasDeProgresso(const QByteArray& erros, int linhas)
{
    return ContarLinhasDeProgresso(erros) >= linhas;
}

// Ended by the signal, in order: its status, its message, nothing written.
void EsperarInterrupcao(Execucao& e, int sinal, const std::filesystem::path& saida, const std::string& fase)
{
    ASSERT_TRUE(e.terminou) << fase << ": não terminou depois do sinal " << sinal;
    EXPECT_EQ(e.processo.exitStatus(), QProcess::NormalExit) << fase;
    EXPECT_EQ(e.processo.exitCode(), 128 + sinal) << fase << ": " << e.erros.toStdString();
    EXPECT_TRUE(QString::fromUtf8(e.erros).endsWith(
        QStringLiteral("Execução interrompida pelo sinal %1: nenhum resultado foi gravado.\n").arg(sinal)))
        << fase << ": " << e.erros.toStdString();
    EXPECT_EQ(QString::fromUtf8(e.erros).count(QStringLiteral("Execução interrompida")), 1) << fase;
    EXPECT_TRUE(e.processo.readAllStandardOutput().isEmpty()) << fase;
    const auto pasta = saida.parent_path();
    for (const auto& arquivo : std::filesystem::directory_iterator(pasta))
        EXPECT_TRUE(arquivo.path() == saida && std::filesystem::is_fifo(saida)) << fase << ": sobrou " << arquivo.path();
}

} // namespace

// Ctrl+C, a closed terminal or a scheduler's SIGTERM in the middle of a check that never ends:
// the check is cancelled at once, nothing is written, and the status is 128 + the signal.
TEST(InterrupcaoCli, SinalCancelaAVerificacaoENadaEhGravado)
{
    PastaTemporaria pasta;
    const auto saida = pasta / "achados.tsv";
    for (const int sinal : {SIGINT, SIGTERM, SIGHUP}) {
        Execucao e({QStringLiteral("--config"), ConfigDe("sem-fim"), QStringLiteral("--format"), QStringLiteral("tsv"),
                    QStringLiteral("--progress"), QStringLiteral("--output"), QString::fromStdString(saida.string())},
                   [](const QByteArray& erros) { return LinhasDeProgresso(erros, 2); });
        // The endless check is running once the two before it have reported.
        ASSERT_EQ(ContarLinhasDeProgresso(e.erros), 2) << e.erros.toStdString();
        e.Interromper(sinal);
        EsperarInterrupcao(e, sinal, saida, "verificação sem fim");
    }
}

// Started by nohup, the run outlives the session: the SIGHUP it was started ignoring stays ignored.
TEST(InterrupcaoCli, SighupIgnoradoAoIniciarContinuaIgnorado)
{
    PastaTemporaria pasta;
    const auto saida = pasta / "achados.tsv";
    Execucao e({QStringLiteral("--config"), ConfigDe("sem-fim"), QStringLiteral("--progress"), QStringLiteral("--output"),
                QString::fromStdString(saida.string())},
               [](const QByteArray& erros) { return LinhasDeProgresso(erros, 2); }, {}, true);
    ::kill(static_cast<pid_t>(e.processo.processId()), SIGHUP);
    EXPECT_FALSE(e.processo.waitForFinished(2500)) << "terminou com " << e.processo.exitCode();
    e.Interromper(SIGTERM);
    EsperarInterrupcao(e, SIGTERM, saida, "depois do SIGHUP ignorado");
}

// Where the program is held by something that does not answer, the signal still ends it in order.
TEST(InterrupcaoCli, SinalEncerraOndeQuerQueOProgramaEsteja)
{
    // Come before the forced end was armed, it still starts it (the alarm only ends a failure).
    EXPECT_EXIT(
        {
            Quorvane::InstalarSinaisDeEncerramento();
            ::raise(SIGTERM);
            Quorvane::GarantirFimAposSinal(std::chrono::milliseconds(0));
            ::alarm(20);
            for (;;)
                ::pause();
        },
        ::testing::ExitedWithCode(128 + SIGTERM), "");

    PastaTemporaria pasta;
    std::filesystem::create_directory(pasta / "saidas");
    const auto saida = pasta / "saidas" / "achados";
    const QString config = QString::fromStdString((pasta / "Config.ini").string());

    // Connecting to a server that accepts and never answers.
    const PortaMuda muda;
    EscreverConfig(pasta / "Config.ini", QStringLiteral("127.0.0.1/%1:/x.fdb").arg(muda.Porta()));
    {
        Execucao e({QStringLiteral("--config"), config, QStringLiteral("--output"), QString::fromStdString(saida.string())},
                   [](const QByteArray&) { return true; });
        QThread::msleep(500);
        e.Interromper(SIGTERM);
        EsperarInterrupcao(e, SIGTERM, saida, "conectando");
    }

    // Counting NULL keys, before any check, in a count that never ends.
    {
        Execucao e({QStringLiteral("--config"), ConfigDe("avisos-sem-fim"), QStringLiteral("--output"),
                    QString::fromStdString(saida.string())},
                   [](const QByteArray&) { return true; });
        QThread::msleep(1000);
        QElapsedTimer relogio;
        relogio.start();
        e.Interromper(SIGTERM);
        EsperarInterrupcao(e, SIGTERM, saida, "lendo os avisos");
        // In order, before the forced end (1.5 s) would have come.
        EXPECT_LT(relogio.elapsed(), 1400);
    }

    // Writing into a FIFO nobody reads.
    ASSERT_EQ(::mkfifo(saida.c_str(), 0600), 0);
    {
        Execucao e({QStringLiteral("--config"), ConfigDe("checks-a"), QStringLiteral("--progress"), QStringLiteral("--output"),
                    QString::fromStdString(saida.string())},
                   [](const QByteArray& erros) { return LinhasDeProgresso(erros, 7); });
        QThread::msleep(300);
        e.Interromper(SIGINT);
        EsperarInterrupcao(e, SIGINT, saida, "gravando");
    }

    // Held inside its message to a standard error nobody reads (a full pipe; a terminal paused by
    // Ctrl+S): the end comes all the same, without the message.
    const auto erros = pasta / "erros";
    ASSERT_EQ(::mkfifo(erros.c_str(), 0600), 0);
    const int cheio = ::open(erros.c_str(), O_RDWR | O_NONBLOCK);
    for (const std::size_t bloco : {4096, 1})
        while (::write(cheio, std::string(bloco, 'x').data(), bloco) > 0) {
        }
    EscreverConfig(pasta / "sem-banco.ini", QString::fromStdString((pasta / "nao-existe.fdb").string()));
    {
        Execucao e({QStringLiteral("--config"), QString::fromStdString((pasta / "sem-banco.ini").string())},
                   [](const QByteArray&) { return true; }, erros);
        QThread::msleep(500);
        e.Interromper(SIGTERM);
        EXPECT_TRUE(e.terminou) << "preso na saída de erros";
        EXPECT_EQ(e.processo.exitCode(), 128 + SIGTERM);
    }
    ::close(cheio);

    // The server frozen in the middle of a check: nothing it would have to answer ever comes.
    if (!ServidorDeTeste())
        return;
    std::filesystem::remove(saida);
    ProxyTcp proxy;
    const QString semFim = QString::fromStdString(ConfigSemFim(pasta.Caminho(), proxy.Porta()).string());
    Execucao e({QStringLiteral("--config"), semFim, QStringLiteral("--progress"), QStringLiteral("--output"),
                QString::fromStdString(saida.string())},
               [](const QByteArray& erros) { return LinhasDeProgresso(erros, 2); });
    proxy.Congelar();
    e.Interromper(SIGTERM);
    EsperarInterrupcao(e, SIGTERM, saida, "servidor congelado");
}

// A statement the server does not stop (here the server no longer answers at all): the time
// limit cuts the attachment, the check is reported as timed out, and the others run on a new one.
TEST(InterrupcaoCli, TempoLimiteCortaAConexaoQueNaoParaESegue)
{
    QUORVANE_EXIGE_SERVIDOR();
    PastaTemporaria pasta;
    ProxyTcp proxy;
    const auto config = ConfigSemFim(pasta.Caminho(), proxy.Porta());
    Execucao e({QStringLiteral("--config"), QString::fromStdString(config.string()), QStringLiteral("--progress"),
                QStringLiteral("--timeout"), QStringLiteral("2"), QStringLiteral("--format"), QStringLiteral("json")},
               [](const QByteArray& erros) { return LinhasDeProgresso(erros, 2); });
    proxy.Congelar();
    ASSERT_TRUE(e.processo.waitForFinished(60000)) << "a verificação congelada não foi cortada";
    EXPECT_EQ(e.processo.exitCode(), 3) << e.erros.toStdString();
    QStringList situacoes;
    for (const QJsonValue& v : QJsonDocument::fromJson(e.processo.readAllStandardOutput())[u"verificacoes"].toArray())
        situacoes << v[u"situacao"].toString();
    EXPECT_EQ(situacoes, (QStringList{"executada", "executada", "tempoEsgotado", "executada", "executada", "executada", "executada"}));
}
