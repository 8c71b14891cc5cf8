#include "ProgramaCli.h"
#include "ProxyTcp.h"

#include <QJsonDocument>
#include <QProcess>

#include <fstream>

#include <sys/stat.h>

using namespace Quorvane::Testes;

namespace {

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

    // FIREBIRD for a client of this machine whose own firebird.conf has these lines.
    std::map<QString, QString> ClienteConfigurado(const std::string& configuracao)
    {
        const auto raiz = pasta / "cliente";
        std::filesystem::create_directory(raiz);
        for (const char* item : {"firebird.msg", "plugins", "lib"})
            std::filesystem::create_symlink(std::filesystem::path("/usr/lib/x86_64-linux-gnu/firebird/3.0") / item, raiz / item);
        EscreverArquivo(raiz / "firebird.conf", configuracao);
        return {{QStringLiteral("FIREBIRD"), QString::fromStdString(raiz.string())}};
    }

    PastaTemporaria pasta;
};

} // namespace

TEST_F(ConfiguracaoRuimCli, ArquivosQueNaoSaoComuns)
{
    // Each fault has its reason, naming the file (the faults of any system: ConfigIniCliTest).
    const QString config = QString::fromStdString((pasta / "Config.ini").string());
    const auto motivo = [&](const ExecucaoCli& r, const QString& falta) {
        const QString causa = EsperarFalha(r);
        EXPECT_TRUE(causa.startsWith(config) && causa.contains(falta)) << causa.toStdString();
    };
    // A FIFO would hold open() for ever: refused at once, as a device is.
    ASSERT_EQ(::mkfifo((pasta / "Config.ini").c_str(), 0600), 0);
    motivo(Rodar(), QStringLiteral(" não é um arquivo comum"));
    std::filesystem::remove(pasta / "Config.ini");
    std::filesystem::create_symlink("/dev/zero", pasta / "Config.ini");
    motivo(Rodar(), QStringLiteral(" não é um arquivo comum"));
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

TEST_F(ConfiguracaoRuimCli, NomesDeArquivoEmLatin1)
{
    // Legacy names in Latin-1 bytes (old shares and archives bring them) for --config, --output and
    // --baseline. QProcess passes arguments as text: bash passes these bytes as they are.
    const std::filesystem::path latin1 = pasta / std::string("Gest\xE3o");
    std::filesystem::create_directory(latin1);
    EscreverConfig(latin1 / "Config.ini", QString::fromStdString(Banco()));
    const std::string nome = "$'" + pasta.Caminho().string() + "/Gest\\xe3o'/";
    const auto rodar = [&](const std::string& argumentos) {
        QProcess processo;
        processo.start(QStringLiteral("bash"), {QStringLiteral("-c"), QString::fromStdString("exec \"$0\" --config " + nome + "Config.ini " + argumentos),
                                                QStringLiteral(QUORVANE_CLI)});
        EXPECT_TRUE(processo.waitForFinished(120000));
        return std::pair{processo.exitCode(), processo.readAllStandardError().toStdString()};
    };
    const auto [primeira, errosPrimeira] = rodar("--format json --output " + nome + "base.json");
    EXPECT_EQ(primeira, 2) << errosPrimeira;
    const auto [segunda, errosSegunda] = rodar("--baseline " + nome + "base.json --output " + nome + "achados.tsv");
    EXPECT_EQ(segunda, 0) << errosSegunda;
    EXPECT_TRUE(std::filesystem::exists(latin1 / "achados.tsv"));
}

TEST_F(ConfiguracaoRuimCli, AuditoriaPeloCaminhoNaoTrancaOServidor)
{
    QUORVANE_EXIGE_SERVIDOR_DA_MAQUINA();
    // While the machine's server answers, a plain path goes through it, so that the ERP's own
    // clients still attach while a check runs (the embedded engine would hold the file alone).
    const auto banco = pasta / "sem-fim.fdb";
    CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/endless-check.sql"}, banco);
    EscreverArquivo(pasta / "Config.ini", "[BANCO]\nCAMINHO=" + banco.string() + "\n");
    QProcess processo;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const auto& [nome, valor] : ClienteDoServidorDeTeste())
        ambiente.insert(nome, valor);
    processo.setProcessEnvironment(ambiente);
    processo.setReadChannel(QProcess::StandardError);
    processo.start(QStringLiteral(QUORVANE_CLI), {QStringLiteral("--config"), QString::fromStdString((pasta / "Config.ini").string()),
                                                  QStringLiteral("--progress")});
    QByteArray erros;
    while (erros.count('\n') < 3 && processo.waitForReadyRead(30000))
        erros += processo.readAllStandardError();
    ASSERT_EQ(erros.count('\n'), 3) << erros.toStdString(); // the route, then the endless check is running
    EXPECT_TRUE(erros.startsWith("Motor: servidor")) << erros.toStdString();
    try {
        ConexaoDeTeste outroCliente(CaminhoPeloServidor(banco));
    } catch (const Quorvane::Erro& e) {
        ADD_FAILURE() << "o servidor não conseguiu abrir o banco durante a auditoria";
    }
    processo.terminate();
    EXPECT_TRUE(processo.waitForFinished(30000));
}

TEST_F(ConfiguracaoRuimCli, MotorDecididoPeloConfigENuncaNoLugarDoServidor)
{
    const auto banco = pasta / "banco.fdb";
    std::filesystem::copy_file(Banco(), banco);
    const auto rodar = [&](const std::string& motor, const std::map<QString, QString>& variaveis = {}) {
        EscreverArquivo(pasta / "Config.ini", "[BANCO]\nCAMINHO=" + banco.string() + "\n" + motor + "\n");
        return RodarCli({QStringLiteral("--config"), QString::fromStdString((pasta / "Config.ini").string()),
                         QStringLiteral("--format"), QStringLiteral("json")},
                        QStringLiteral("pt_BR.UTF-8"), QUORVANE_CLI, variaveis);
    };
    // The route taken is said first, and written in the report.
    const auto motor = [](const ExecucaoCli& r) {
        EXPECT_EQ(r.codigo, 2) << r.Erros().toStdString();
        const QString nome = QJsonDocument::fromJson(r.saida)[u"motor"].toString();
        EXPECT_TRUE(r.motor.startsWith(QStringLiteral("Motor: ") + nome + u' ')) << r.motor.toStdString();
        return nome;
    };
    EXPECT_EQ(motor(rodar("motor=EMBUTIDO", ClienteDoServidorDeTeste())), QStringLiteral("embutido"));
    // MOTOR=servidor with no server answering on this machine (none listens where the client's
    // configuration looks) never falls back to the engine.
    std::uint16_t fechada = 0;
    {
        ProxyTcp proxy;
        fechada = proxy.Porta();
    }
    EXPECT_TRUE(EsperarFalha(rodar("MOTOR=servidor", ClienteConfigurado("RemoteServicePort = " + std::to_string(fechada) + "\n")),
                             QString::fromStdString(banco.string()))
                    .contains(QStringLiteral("Nenhum servidor Firebird responde nesta máquina")));
    if (!ServidorDeTeste() || ClienteDoServidorDeTeste().empty())
        return;
    // With this machine's server answering (the test server, as the client's configuration finds it).
    EXPECT_EQ(motor(rodar("MOTOR=servidor", ClienteDoServidorDeTeste())), QStringLiteral("servidor"));
    EXPECT_EQ(motor(rodar("", ClienteDoServidorDeTeste())), QStringLiteral("servidor"));
    // A server that answers and refuses the program's user (scripts/test-server gives this file a
    // security database where SYSDBA has another password) is a connection error: the embedded
    // engine would lock the ERP out of its database for the whole audit.
    const QString arquivo = qEnvironmentVariable("QUORVANE_SERVIDOR_RAIZ") + QStringLiteral("/senha-errada.fdb");
    EscreverArquivo(pasta / "Config.ini", "[BANCO]\nCAMINHO=" + arquivo.toStdString() + "\n");
    EXPECT_TRUE(EsperarFalha(Rodar(ClienteDoServidorDeTeste()), arquivo).contains(QStringLiteral("password")));
}

TEST_F(ConfiguracaoRuimCli, BancoDeOutraVersaoDoFirebird)
{
    // A database's structure is the 16-bit number at bytes 18-19 of its header page.
    const auto banco = pasta / "outra-versao.fdb";
    const QString caminho = QString::fromStdString(banco.string());
    // This machine's isql-fb makes its own version's files: Firebird 3's (ODS 12) or 4's (ODS 13).
    char propria = 0;
    std::ifstream(Banco(), std::ios::binary).seekg(18).read(&propria, 1);
    const char* const daqui = propria == '\x0D' ? "Firebird 4" : "Firebird 3";
    const auto outra = propria == '\x0D' ? std::pair{'\x0C', "Firebird 3"} : std::pair{'\x0D', "Firebird 4"};
    for (const auto& [ods, versao] : {outra, std::pair{'\x0B', "Firebird 2"}}) {
        std::filesystem::copy_file(Banco(), banco, std::filesystem::copy_options::overwrite_existing);
        std::fstream arquivo(banco, std::ios::in | std::ios::out | std::ios::binary);
        arquivo.seekp(18);
        arquivo.put(ods);
        arquivo.close();
        EscreverConfig(pasta / "Config.ini", caminho);
        const QString causa = EsperarFalha(Rodar(), caminho);
        EXPECT_TRUE(causa.contains(QStringLiteral("é um banco do %1").arg(QLatin1String(versao))) &&
                    causa.contains(QStringLiteral("abre só bancos do %1").arg(QLatin1String(daqui))) &&
                    causa.contains(QStringLiteral("servidor:caminho")))
            << causa.toStdString();
    }
}

TEST_F(ConfiguracaoRuimCli, MotoresEmbutidosDaConfiguracaoDoCliente)
{
    // The embedded engines are the client's own providers: a client configured without one has
    // none, though its plugin folder holds Firebird 3's.
    const auto banco = pasta / "banco.fdb";
    std::filesystem::copy_file(Banco(), banco);
    EscreverConfig(pasta / "Config.ini", QString::fromStdString(banco.string()));
    const QString causa = EsperarFalha(Rodar(ClienteConfigurado("Providers = Remote,Loopback\n")), QString::fromStdString(banco.string()));
    EXPECT_TRUE(causa.contains(QStringLiteral("não tem motor embutido"))) << causa.toStdString();
}
