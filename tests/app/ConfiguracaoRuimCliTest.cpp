#include "ProgramaCli.h"

#include <QProcess>

#include <sys/stat.h>

using namespace Quorvane::Testes;

namespace {

const QString Mensagem = QStringLiteral("Não foi possível criar uma conexão com o banco ");

class ConfiguracaoRuimCli : public ::testing::Test {
protected:
    // Runs the checks that need no start date with this Config.ini content.
    ExecucaoCli Rodar(const std::string& conteudo)
    {
        EscreverArquivo(pasta / "Config.ini", conteudo);
        return Rodar();
    }
    ExecucaoCli Rodar(const std::map<QString, QString>& variaveis = {})
    {
        return RodarCli({QStringLiteral("--config"), QString::fromStdString((pasta / "Config.ini").string()),
                         QStringLiteral("--format"), QStringLiteral("tsv"), QStringLiteral("--check"),
                         QStringLiteral("CargaInicialSemCustoUnitarioEntrada")},
                        QStringLiteral("pt_BR.UTF-8"), QUORVANE_CLI, variaveis);
    }
    static std::string Banco() { return BancoDe("checks-a").string(); }

    PastaTemporaria pasta;
};

// What the runner must say for a configuration it cannot use: the single message naming the
// CAMINHO read (empty when none), nothing on standard output, status 4. A connection that was
// tried adds the client's reason on a second line, which is returned.
QString EsperarFalha(const ExecucaoCli& r, const QString& caminho = QString())
{
    EXPECT_EQ(r.codigo, 4) << r.Erros().toStdString();
    EXPECT_TRUE(r.saida.isEmpty());
    const QStringList linhas = r.Erros().split(u'\n');
    EXPECT_EQ(linhas.value(0), Mensagem + caminho);
    EXPECT_EQ(linhas.size(), caminho.isEmpty() ? 2 : 3) << r.Erros().toStdString();
    EXPECT_TRUE(linhas.last().isEmpty());
    return caminho.isEmpty() ? QString() : linhas.value(1);
}

} // namespace

TEST_F(ConfiguracaoRuimCli, ArquivosQueNaoServem)
{
    EsperarFalha(Rodar()); // no file
    std::filesystem::create_directory(pasta / "Config.ini");
    EsperarFalha(Rodar()); // a folder in its place
    std::filesystem::remove(pasta / "Config.ini");
    // A FIFO would hold open() for ever: refused at once, as a device is.
    ASSERT_EQ(::mkfifo((pasta / "Config.ini").c_str(), 0600), 0);
    EsperarFalha(Rodar());
    std::filesystem::remove(pasta / "Config.ini");
    std::filesystem::create_symlink("/dev/zero", pasta / "Config.ini");
    EsperarFalha(Rodar());
    std::filesystem::remove(pasta / "Config.ini");
    EsperarFalha(Rodar(""));
    EsperarFalha(Rodar(std::string("\x7f" "ELF\x02\x01\x00\x00\xff\xfe\x80\x81[BANCO\x00]CAMINHO=", 26)));
    EsperarFalha(Rodar("CAMINHO=" + Banco() + "\n"));
    EsperarFalha(Rodar("[OUTRA]\nCAMINHO=" + Banco() + "\n"));
    EsperarFalha(Rodar("[BANCO]\nCAMINHO=\n"));
    EsperarFalha(Rodar("[BANCO]\nCAMINHO=   ''   \n"));
    EsperarFalha(Rodar("[BANCO]\nCAMINHO=" + std::string(1 << 20, 'x') + "\n"), QString(2047, u'x'));
}

TEST_F(ConfiguracaoRuimCli, ValorCortadoEm2047Caracteres)
{
    // A path padded with slashes still names the database when cut: the 2,048th character and
    // after are not read.
    const std::string banco = Banco();
    const std::string longo = std::string(2047 - banco.size(), '/') + banco;
    EXPECT_EQ(Rodar("[BANCO]\nCAMINHO=" + longo + "\n").codigo, 2);
    EXPECT_EQ(Rodar("[BANCO]\nCAMINHO=" + longo + "xyz\n").codigo, 2);
    // One slash more and the cut takes the file name's last letter.
    EsperarFalha(Rodar("[BANCO]\nCAMINHO=/" + longo + "\n"), QString::fromStdString("/" + longo).chopped(1));
}

TEST_F(ConfiguracaoRuimCli, FormasAceitasDoMesmoCaminho)
{
    for (const std::string& conteudo : {
             "[BANCO]\nCAMINHO=\"" + Banco() + "\"\n",
             "[BANCO]\r\n  caminho  =  '" + Banco() + "'  \r\n",
             "\xEF\xBB\xBF[banco]\r\nCaminho=" + Banco() + "\r\n",
             "; comentário\n[OUTRA]\nX=1\n[Banco]\nCAMINHO=" + Banco() + "\n",
         }) {
        const ExecucaoCli r = Rodar(conteudo);
        EXPECT_EQ(r.codigo, 2) << conteudo << r.Erros().toStdString();
    }
    // UTF-16 with its byte-order mark, as Notepad saves "Unicode".
    const QString texto = QStringLiteral("[BANCO]\r\nCAMINHO=") + QString::fromStdString(Banco()) + QStringLiteral("\r\n");
    std::string utf16("\xFF\xFE", 2);
    utf16.append(reinterpret_cast<const char*>(texto.utf16()), static_cast<std::size_t>(texto.size()) * 2);
    EXPECT_EQ(Rodar(utf16).codigo, 2);
}

TEST_F(ConfiguracaoRuimCli, BancoRemovidoOuTravadoPorOutroProcesso)
{
    const auto banco = pasta / "banco.fdb";
    const QString caminho = QString::fromStdString(banco.string());
    std::filesystem::copy_file(Banco(), banco);
    const std::string config = "[BANCO]\nCAMINHO=" + banco.string() + "\n";
    {
        // The embedded engine cannot open a file that another program holds: it says so at once.
        TravaDeOutroProcesso trava(banco);
        EXPECT_TRUE(EsperarFalha(Rodar(config), caminho).contains(QStringLiteral("lock"), Qt::CaseInsensitive));
    }
    EXPECT_EQ(Rodar(config).codigo, 2); // free again
    // On read-only media (here a file that cannot be opened for writing) the engine cannot update
    // its header unless the database is in read-only mode: the reason says what to do.
    const auto gravavel = pasta / "gravavel.fdb";
    std::filesystem::copy_file(BancoDe("sem-data"), gravavel);
    const QString caminhoGravavel = QString::fromStdString(gravavel.string());
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), caminhoGravavel}) == 0) {
        const QString causa = EsperarFalha(Rodar("[BANCO]\nCAMINHO=" + gravavel.string() + "\n"), caminhoGravavel);
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), caminhoGravavel});
        EXPECT_TRUE(causa.contains(QStringLiteral("gfix -mode read_only"))) << causa.toStdString();
    }
    std::filesystem::remove(banco);
    EXPECT_TRUE(EsperarFalha(Rodar(config), caminho).contains(QStringLiteral("No such file or directory")));
}

TEST_F(ConfiguracaoRuimCli, BancoAbertoPeloServidorELidoPorEle)
{
    QUORVANE_EXIGE_SERVIDOR_DA_MAQUINA();
    // The usual holder of a database is the ERP's own server. When Config.ini names the file
    // itself, the client finds it locked and goes through the server on this machine instead.
    const auto banco = pasta / "banco.fdb";
    CriarBanco({"tests/fixtures/checks-a.sql"}, banco);
    ConexaoDeTeste peloServidor(CaminhoPeloServidor(banco));
    EscreverArquivo(pasta / "Config.ini", "[BANCO]\nCAMINHO=" + banco.string() + "\n");
    const ExecucaoCli r = Rodar(ClienteDoServidorDeTeste());
    EXPECT_EQ(r.codigo, 2) << r.Erros().toStdString();
    EXPECT_FALSE(r.saida.isEmpty());
}

TEST_F(ConfiguracaoRuimCli, CaminhoComAcentosBrancosEQuatroBytes)
{
    // The client reads file names through the C character type, ASCII unless set: whatever the
    // locale (none, C, or one not generated on this machine), such a path opens.
    const auto pastaAcentuada = pasta / "Gestão Fiscal 𝄞";
    std::filesystem::create_directory(pastaAcentuada);
    const auto banco = pastaAcentuada / "erp sé.fdb";
    std::filesystem::copy_file(Banco(), banco);
    QStringList caminhos{QString::fromStdString(banco.string())};
    if (ServidorDeTeste())
        caminhos << CaminhoPeloServidor(banco);
    for (const QString& caminho : caminhos) {
        EscreverArquivo(pasta / "Config.ini", "[BANCO]\nCAMINHO=" + caminho.toStdString() + "\n");
        for (const QString& lang : {QString(), QStringLiteral("C"), QStringLiteral("pt_BR.UTF-8")}) {
            const ExecucaoCli r = RodarCli({QStringLiteral("--config"), QString::fromStdString((pasta / "Config.ini").string()),
                                            QStringLiteral("--format"), QStringLiteral("tsv")},
                                           lang);
            EXPECT_EQ(r.codigo, 2) << caminho.toStdString() << " LANG=" << lang.toStdString() << ": " << r.Erros().toStdString();
        }
    }
}

TEST_F(ConfiguracaoRuimCli, AuditoriaPeloCaminhoNaoTrancaOServidor)
{
    QUORVANE_EXIGE_SERVIDOR_DA_MAQUINA();
    // While the machine's server answers, a plain path goes through it, so that the ERP's own
    // clients still attach while a check runs (the embedded engine would hold the file alone).
    const auto banco = pasta / "sem-fim.fdb";
    CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/endless-check.sql"}, banco);
    EscreverConfig(pasta / "Config.ini", QString::fromStdString(banco.string()));
    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const auto& [nome, valor] : ClienteDoServidorDeTeste())
        ambiente.insert(nome, valor);
    processo.setProcessEnvironment(ambiente);
    processo.setReadChannel(QProcess::StandardError);
    processo.start(QStringLiteral(QUORVANE_CLI), {QStringLiteral("--config"), QString::fromStdString((pasta / "Config.ini").string()),
                                                  QStringLiteral("--progress")});
    QByteArray erros;
    while (erros.count('\n') < 2 && processo.waitForReadyRead(30000))
        erros += processo.readAllStandardError();
    ASSERT_EQ(erros.count('\n'), 2) << erros.toStdString(); // the endless check is running
    try {
        ConexaoDeTeste outroCliente(CaminhoPeloServidor(banco));
    } catch (const Quorvane::Erro& e) {
        ADD_FAILURE() << "o servidor não conseguiu abrir o banco durante a auditoria";
    }
    processo.terminate();
    EXPECT_TRUE(processo.waitForFinished(30000));
}

TEST_F(ConfiguracaoRuimCli, ServidorQueRecusaOUsuarioDeixaOMotorAbrir)
{
    QUORVANE_EXIGE_SERVIDOR_DA_MAQUINA();
    // scripts/test-server gives this file a security database where SYSDBA has another password:
    // not an ERP server set up the usual way. The embedded engine opens the file, as it did
    // before, and the runner says so (the file is empty: the start date cannot be read).
    const QString arquivo = qEnvironmentVariable("QUORVANE_SERVIDOR_RAIZ") + QStringLiteral("/senha-errada.fdb");
    EscreverArquivo(pasta / "Config.ini", "[BANCO]\nCAMINHO=" + arquivo.toStdString() + "\n");
    const ExecucaoCli r = Rodar(ClienteDoServidorDeTeste());
    EXPECT_TRUE(r.Erros().startsWith(QStringLiteral("O servidor Firebird desta máquina recusou o usuário do programa: o banco foi "
                                                    "aberto pelo motor embutido")))
        << r.Erros().toStdString();
    EXPECT_FALSE(r.Erros().contains(Mensagem));
}
