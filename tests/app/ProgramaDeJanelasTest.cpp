#include "ProgramaCli.h"
#include "ProxyTcp.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <csignal>

using namespace Quorvane::Testes;

namespace {

// The window program, copied beside a Config.ini of its own as it is installed.
class ProgramaDeJanelas : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::copy_file(QUORVANE_JANELAS, pasta / "quorvane"); }

    void Iniciar(bool comTela)
    {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        for (const char* variavel : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            ambiente.remove(QString::fromLatin1(variavel));
        if (comTela)
            ambiente.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("pt_BR.UTF-8"));
        // The private test server, if any, is the one "on this machine".
        for (const auto& [nome, valor] : ClienteDoServidorDeTeste())
            ambiente.insert(nome, valor);
        processo.setProcessEnvironment(ambiente);
        processo.start(QString::fromStdString((pasta / "quorvane").string()), {});
        ASSERT_TRUE(processo.waitForStarted());
    }
    int Fim()
    {
        if (!processo.waitForFinished(60000)) {
            processo.kill();
            processo.waitForFinished();
            ADD_FAILURE() << "o programa não terminou";
        }
        return processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
    }
    QString Erros() { return QString::fromUtf8(processo.readAllStandardError()); }

    PastaTemporaria pasta;
    QProcess processo;
};

} // namespace

TEST_F(ProgramaDeJanelas, SemTelaAMensagemDePartidaVaiParaAErroPadrao)
{
    Iniciar(false);
    EXPECT_EQ(Fim(), 1);
    EXPECT_EQ(Erros(), QStringLiteral("Não foi possível criar uma conexão com o banco \n"));

    // Connected, but no screen to show the main window on.
    EscreverConfig(pasta / "Config.ini", QString::fromStdString(BancoDe("checks-a").string()));
    Iniciar(false);
    EXPECT_EQ(Fim(), 1);
    EXPECT_EQ(Erros(), QStringLiteral("Nenhuma tela gráfica disponível (DISPLAY ou WAYLAND_DISPLAY).\n"));
}

TEST_F(ProgramaDeJanelas, SinaisDeEncerramentoFechamOProgramaEmOrdem)
{
    // A session's log-out (SIGTERM), Ctrl+C (SIGINT), a closed terminal (SIGHUP): the program
    // ends by itself with 128 + the signal, not killed by the Firebird client's handlers. The
    // database's path has accents, blanks and a 4-byte character, in a locale not generated here;
    // while the window has it open, the server of this machine (if one runs) can open it too.
    const auto banco = pasta / "Gestão Fiscal 𝄞" / "erp sé.fdb";
    std::filesystem::create_directory(banco.parent_path());
    std::filesystem::copy_file(BancoDe("checks-a"), banco);
    EscreverArquivo(pasta / "Config.ini", "[BANCO]\nCAMINHO=" + banco.string() + "\n");
    for (const int sinal : {SIGTERM, SIGINT, SIGHUP}) {
        Iniciar(true);
        ASSERT_FALSE(processo.waitForFinished(1500)) << Erros().toStdString(); // the main window is up
        if (!ClienteDoServidorDeTeste().empty()) {
            EXPECT_NO_THROW(ConexaoDeTeste outroCliente(CaminhoPeloServidor(banco)));
        }
        ::kill(static_cast<pid_t>(processo.processId()), sinal);
        EXPECT_EQ(Fim(), 128 + sinal) << sinal;
    }
}

TEST_F(ProgramaDeJanelas, SinalDuranteAMensagemDePartidaEncerraOPrograma)
{
    // No Config.ini: the start-up message waits for its OK (unseen, offscreen) when the session ends.
    Iniciar(true);
    ASSERT_FALSE(processo.waitForFinished(1500)) << Erros().toStdString();
    ::kill(static_cast<pid_t>(processo.processId()), SIGTERM);
    EXPECT_EQ(Fim(), 1);
    EXPECT_TRUE(Erros().startsWith(QStringLiteral("Não foi possível criar uma conexão com o banco \n")));

    // Still connecting, to a server that accepts and never answers: the program ends all the same.
    const PortaMuda muda;
    EscreverConfig(pasta / "Config.ini", QStringLiteral("127.0.0.1/%1:/x.fdb").arg(muda.Porta()));
    Iniciar(true);
    ASSERT_FALSE(processo.waitForFinished(500));
    ::kill(static_cast<pid_t>(processo.processId()), SIGTERM);
    ASSERT_TRUE(processo.waitForFinished(20000));
    EXPECT_EQ(processo.exitCode(), 128 + SIGTERM);
}
