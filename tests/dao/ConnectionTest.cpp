#include "BancosDeTeste.h"
#include "ClienteFirebird.h"
#include "ConsultaSql.h"
#include "Connection.h"
#include "Erro.h"
#include "ProxyTcp.h"

#include <gtest/gtest.h>

#include <thread>

#include <cstdlib>
#include <unistd.h>

using namespace Quorvane;
using namespace Quorvane::Testes;

namespace {

const QString Mensagem = QStringLiteral("Não foi possível criar uma conexão com o banco ");

class ConnectionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        bancos = new PastaTemporaria;
        CriarBanco({"tests/fixtures/no-start-date.sql"}, *bancos / "local.fdb");
        CriarBanco({"tests/fixtures/no-start-date.sql"}, *bancos / "servidor.fdb");
    }
    static void TearDownTestSuite()
    {
        delete bancos;
        bancos = nullptr;
    }

    // The message of the error New raises with this configuration file content.
    QString FalhaCom(const std::string& conteudo, const std::string& biblioteca = ConexaoSql::BibliotecaPadrao)
    {
        EscreverArquivo(pasta / "Config.ini", conteudo);
        try {
            TConnection::New({pasta / "Config.ini", biblioteca});
        } catch (const Erro& e) {
            return e.Mensagem();
        }
        ADD_FAILURE() << "a conexão não deveria ter sido criada";
        return {};
    }

    QString Consultar(iConnection& conexao, const QString& sql)
    {
        ConsultaSql consulta(conexao.GetConexao());
        consulta.AdicionarLinha(sql);
        consulta.Abrir();
        return consulta.Texto(0).trimmed();
    }

    static PastaTemporaria* bancos;
    PastaTemporaria pasta;
};

PastaTemporaria* ConnectionTest::bancos = nullptr;

} // namespace

TEST_F(ConnectionTest, ConfiguracaoAusenteOuSemCaminhoNomeiaBancoVazio)
{
    try {
        TConnection::New({pasta / "Config.ini"});
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.Mensagem(), Mensagem);
    }
    EXPECT_EQ(FalhaCom("[BANCO]\r\nSERVIDOR=x\r\n"), Mensagem);
    EXPECT_EQ(FalhaCom("[BANCO]\r\nCAMINHO=\r\n"), Mensagem);
    EXPECT_EQ(FalhaCom("[BANCO]\r\nCAMINHO=\"\"\r\n"), Mensagem);
    EXPECT_EQ(FalhaCom(""), Mensagem);
    EXPECT_EQ(FalhaCom(std::string("\x00\xFF\xFE\x01junk\n\x80", 10)), Mensagem);
}

TEST_F(ConnectionTest, PastaNoLugarDoArquivo)
{
    std::filesystem::create_directory(pasta / "Config.ini");
    try {
        TConnection::New({pasta / "Config.ini"});
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.Mensagem(), Mensagem);
    }
}

TEST_F(ConnectionTest, BancoInacessivelNomeiaOCaminho)
{
    const std::string caminho = (pasta / "nao-existe.fdb").string();
    EXPECT_EQ(FalhaCom("[BANCO]\nCAMINHO=" + caminho + "\n"), Mensagem + QString::fromStdString(caminho));
}

TEST_F(ConnectionTest, BibliotecaClienteAusente)
{
    const std::string caminho = (bancos->Caminho() / "local.fdb").string();
    EXPECT_EQ(FalhaCom("[BANCO]\nCAMINHO=" + caminho + "\n", "libfbclient-que-nao-existe.so"),
              Mensagem + QString::fromStdString(caminho));
    // The programs shut the clients down as they end, after such a failure too.
    EncerrarClientesFirebird();
}

TEST_F(ConnectionTest, AbreBancoLocalPeloMotorEmbutido)
{
    const QString caminho = QString::fromStdString((bancos->Caminho() / "local.fdb").string());
    EscreverArquivo(pasta / "Config.ini", "[banco]\r\n caminho = '" + caminho.toStdString() + "' \r\n");
    auto conexao = TConnection::New({pasta / "Config.ini"});
    EXPECT_EQ(conexao->GetCaminhoBanco(), caminho);
    ASSERT_NE(conexao->GetConexao(), nullptr);
    EXPECT_TRUE(conexao->GetConexao()->Conectado());
    EXPECT_EQ(Consultar(*conexao, QStringLiteral("SELECT CURRENT_USER FROM RDB$DATABASE")), QStringLiteral("SYSDBA"));
    // The unknown role is ignored by the server; the dialect is 3.
    EXPECT_EQ(Consultar(*conexao, QStringLiteral("SELECT CURRENT_ROLE FROM RDB$DATABASE")), QStringLiteral("NONE"));
    // Integer division is a dialect 3 rule (dialect 1 gives 0.5).
    EXPECT_EQ(Consultar(*conexao, QStringLiteral("SELECT CAST(1/2 AS VARCHAR(10)) FROM RDB$DATABASE")), QStringLiteral("0"));
}

TEST_F(ConnectionTest, ParametrosDaConexao)
{
    EscreverConfig(pasta / "Config.ini", QString::fromStdString((bancos->Caminho() / "local.fdb").string()));
    auto conexao = TConnection::New({pasta / "Config.ini"});
    const auto& parametros = conexao->GetConexao()->Parametros();
    std::vector<QString> nomes;
    for (const auto& p : parametros)
        nomes.push_back(p.first);
    EXPECT_EQ(nomes, (std::vector<QString>{"ConnectionName", "DriverName", "LoginPrompt", "blobsize", "rolename",
                                           "sqldialect", "commitretain", "waitonlock", "isolationlevel", "trim char",
                                           "Database", "user_name", "Password", "LocaleCode"}));
    EXPECT_EQ(conexao->GetConexao()->Parametro(QStringLiteral("LocaleCode")), QStringLiteral("0000"));
    EXPECT_EQ(conexao->GetConexao()->Parametro(QStringLiteral("rolename")), QStringLiteral("RoleName"));
    EXPECT_EQ(conexao->GetConexao()->Parametro(QStringLiteral("trim char")), QStringLiteral("False"));
}

TEST_F(ConnectionTest, ProcuraAoLadoDoProgramaENaoNaPastaAtual)
{
    // This test program's folder holds no Config.ini; the current folder does.
    EscreverConfig(pasta / "Config.ini", QString::fromStdString((bancos->Caminho() / "local.fdb").string()));
    const auto anterior = std::filesystem::current_path();
    std::filesystem::current_path(pasta.Caminho());
    EXPECT_THROW(TConnection::New(), Erro);
    std::filesystem::current_path(anterior);
}

TEST_F(ConnectionTest, PeloServidor)
{
    QUORVANE_EXIGE_SERVIDOR();
    EscreverConfig(pasta / "Config.ini", CaminhoPeloServidor(bancos->Caminho() / "servidor.fdb"));
    auto conexao = TConnection::New({pasta / "Config.ini"});
    EXPECT_EQ(Consultar(*conexao, QStringLiteral("SELECT MON$REMOTE_PROTOCOL FROM MON$ATTACHMENTS WHERE MON$ATTACHMENT_ID = CURRENT_CONNECTION")),
              QStringLiteral("TCPv4"));
}

TEST_F(ConnectionTest, SenhaErradaNoServidor)
{
    QUORVANE_EXIGE_SERVIDOR();
    // scripts/test-server gives this alias a security database where SYSDBA has another password.
    const QString caminho = QString::fromStdString(*ServidorDeTeste()) + QStringLiteral(":quorvane_senha_errada");
    EXPECT_EQ(FalhaCom("[BANCO]\nCAMINHO=" + caminho.toStdString() + "\n"), Mensagem + caminho);
}

TEST_F(ConnectionTest, ServidorQueNaoResponde)
{
    // Nothing listens on this port of the loopback.
    EXPECT_EQ(FalhaCom("[BANCO]\nCAMINHO=127.0.0.1/1:/x.fdb\n"), Mensagem + QStringLiteral("127.0.0.1/1:/x.fdb"));
    // A server that accepts and never answers is given up after the time limit, not minutes later.
    const PortaMuda muda;
    const QString caminho = QStringLiteral("127.0.0.1/%1:/x.fdb").arg(muda.Porta());
    EscreverConfig(pasta / "Config.ini", caminho);
    OpcoesConexao opcoes{pasta / "Config.ini"};
    opcoes.tempoLimiteConexao = std::chrono::seconds(1);
    const auto inicio = std::chrono::steady_clock::now();
    try {
        TConnection::New(opcoes);
        ADD_FAILURE() << "a conexão não deveria ter sido criada";
    } catch (const Erro& e) {
        EXPECT_EQ(e.Mensagem(), Mensagem + caminho);
    }
    // The client's own default would have waited three minutes.
    EXPECT_LT(std::chrono::steady_clock::now() - inicio, std::chrono::seconds(60));
}

TEST_F(ConnectionTest, ReconexaoPeloMotorDaPrimeiraConexao)
{
    QUORVANE_EXIGE_SERVIDOR();
    // The client's configuration names a relay in front of the test server as this machine's
    // server, read when the client loads (each test runs in a process of its own).
    ProxyTcp proxy;
    const auto raiz = pasta / "cliente";
    std::filesystem::create_directory(raiz);
    for (const char* item : {"firebird.msg", "plugins", "lib"})
        std::filesystem::create_symlink(std::filesystem::path("/usr/lib/x86_64-linux-gnu/firebird/3.0") / item, raiz / item);
    EscreverArquivo(raiz / "firebird.conf", "RemoteServicePort = " + std::to_string(proxy.Porta()) + "\n");
    ::setenv("FIREBIRD", raiz.c_str(), 1);
    EscreverArquivo(pasta / "Config.ini", "[BANCO]\nCAMINHO=" + (bancos->Caminho() / "servidor.fdb").string() + "\n");
    auto conexao = TConnection::New({pasta / "Config.ini"});
    ::unsetenv("FIREBIRD");
    if (conexao->GetConexao()->MotorEmUso() != Motor::Servidor)
        GTEST_SKIP() << "o cliente do Firebird já estava carregado neste processo";
    // The server gone, the reconnection fails rather than let the embedded engine take the file.
    proxy.Derrubar();
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_THROW(conexao->GetConexao()->Reconectar(), ErroBanco);
    EXPECT_FALSE(conexao->GetConexao()->Conectado());
    EXPECT_EQ(conexao->GetConexao()->MotorEmUso(), Motor::Servidor);
}
