#include "BancosDeTeste.h"

#include "CaminhoDoBanco.h"
#include "ClienteFirebird.h"
#include "ConexaoSql.h"
#include "ConsultaSql.h"

#include <QCryptographicHash>
#include <QFile>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <random>
#include <stdexcept>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace Quorvane::Testes {

namespace {

// Every test program ends as the programs do: the Firebird client shut down before exit, so that
// no engine thread is still running when the process (and LeakSanitizer) winds up.
class EncerramentoDoCliente : public ::testing::Environment {
public:
    void TearDown() override { EncerrarClientesFirebird(); }
};

[[maybe_unused]] ::testing::Environment* const Encerramento = ::testing::AddGlobalTestEnvironment(new EncerramentoDoCliente);

} // namespace

std::filesystem::path RaizDoProjeto()
{
    return QUORVANE_RAIZ;
}

namespace {

void Executar(const QString& programa, const QStringList& argumentos)
{
    QProcess processo;
    processo.start(programa, argumentos);
    if (!processo.waitForFinished(120000) || processo.exitStatus() != QProcess::NormalExit || processo.exitCode() != 0)
        throw std::runtime_error((programa + u' ' + argumentos.join(u' ') + QStringLiteral(" falhou: ") +
                                  QString::fromUtf8(processo.readAllStandardError()))
                                     .toStdString());
}

} // namespace

namespace {

// Holds an exclusive lock on a file for the life of the holder (between test processes).
class TravaDeArquivo {
public:
    explicit TravaDeArquivo(const std::filesystem::path& arquivo)
        : fd_(::open(arquivo.c_str(), O_CREAT | O_RDWR, 0600))
    {
        if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0)
            throw std::runtime_error("não foi possível travar " + arquivo.string());
    }
    ~TravaDeArquivo() { ::close(fd_); }
    TravaDeArquivo(const TravaDeArquivo&) = delete;
    TravaDeArquivo& operator=(const TravaDeArquivo&) = delete;

private:
    int fd_;
};

// The scripts' contents name the model database they make, so an edited script makes a new one.
std::string NomeDoModelo(const std::vector<std::string>& scripts)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const std::string& s : scripts) {
        QFile arquivo(QString::fromStdString((RaizDoProjeto() / s).string()));
        if (!arquivo.open(QIODevice::ReadOnly))
            throw std::runtime_error("script não encontrado: " + s);
        hash.addData(arquivo.readAll());
        hash.addData(QByteArrayView("\n"));
    }
    return std::filesystem::path(scripts.back()).stem().string() + "-" + hash.result().toHex().left(16).toStdString() + ".fdb";
}

} // namespace

void CriarBanco(const std::vector<std::string>& scripts, const std::filesystem::path& banco)
{
    // Each model database is made once for all test processes and copied for each test, which
    // then owns its file (the embedded engine and the server each lock the files they open).
    const std::filesystem::path modelos = QUORVANE_BANCOS_MODELO;
    std::filesystem::create_directories(modelos);
    const std::filesystem::path modelo = modelos / NomeDoModelo(scripts);
    {
        TravaDeArquivo trava(modelos / ".trava");
        if (!std::filesystem::exists(modelo)) {
            const std::filesystem::path novo = modelo.string() + ".novo";
            QStringList argumentos;
            for (const std::string& s : scripts)
                argumentos << QString::fromStdString((RaizDoProjeto() / s).string());
            argumentos << QString::fromStdString(novo.string());
            Executar(QString::fromStdString((RaizDoProjeto() / "scripts/make-db").string()), argumentos);
            std::filesystem::rename(novo, modelo);
        }
    }
    std::filesystem::copy_file(modelo, banco, std::filesystem::copy_options::overwrite_existing);
}

void TornarSomenteLeitura(const std::filesystem::path& banco)
{
    Executar(QStringLiteral("gfix"), {QStringLiteral("-mode"), QStringLiteral("read_only"), QStringLiteral("-user"),
                                      QStringLiteral("sysdba"), QString::fromStdString(banco.string())});
}

TravaDeOutroProcesso::TravaDeOutroProcesso(const std::filesystem::path& arquivo) : processo_(std::make_unique<QProcess>())
{
    // flock(1) holds the lock while its command runs; the command says when it has it and then
    // waits for its standard input to close.
    processo_->start(QStringLiteral("flock"), {QStringLiteral("--exclusive"), QString::fromStdString(arquivo.string()),
                                              QStringLiteral("-c"), QStringLiteral("echo travado; exec cat")});
    if (!processo_->waitForReadyRead(30000) || !processo_->readAll().startsWith("travado"))
        throw std::runtime_error("não foi possível travar " + arquivo.string());
}

TravaDeOutroProcesso::~TravaDeOutroProcesso()
{
    processo_->closeWriteChannel();
    if (!processo_->waitForFinished(30000))
        processo_->kill();
}

void EscreverConfig(const std::filesystem::path& arquivo, const QString& caminhoBanco)
{
    // A file of this machine is the embedded engine's: the tests never wait on a server for it.
    EscreverArquivo(arquivo, "[BANCO]\r\nCAMINHO=" + caminhoBanco.toStdString() + "\r\n" +
                                 (EhCaminhoLocal(caminhoBanco) ? "MOTOR=embutido\r\n" : ""));
}

std::optional<std::string> ServidorDeTeste()
{
    const char* servidor = std::getenv("QUORVANE_SERVIDOR_TESTE");
    if (!servidor || !*servidor)
        return std::nullopt;
    return std::string(servidor);
}

std::uint16_t PortaDoServidorDeTeste()
{
    // Never a default port: 3050 would reach the machine's own server, not the private one.
    const auto servidor = ServidorDeTeste();
    const auto barra = servidor ? servidor->find('/') : std::string::npos;
    std::uint16_t porta = 0;
    if (barra != std::string::npos) {
        const char* fim = servidor->data() + servidor->size();
        const auto [onde, erro] = std::from_chars(servidor->data() + barra + 1, fim, porta);
        if (erro != std::errc() || onde != fim)
            porta = 0;
    }
    if (porta == 0)
        throw std::runtime_error("QUORVANE_SERVIDOR_TESTE não dá a porta do servidor de teste (127.0.0.1/porta): " +
                                 servidor.value_or(std::string()));
    return porta;
}

std::vector<std::string> ServidoresDeTodasAsVersoes()
{
    std::vector<std::string> servidores;
    for (const QString& s : qEnvironmentVariable("QUORVANE_SERVIDORES").split(u' ', Qt::SkipEmptyParts))
        servidores.push_back(s.toStdString());
    return servidores;
}

BancoNoServidor::BancoNoServidor(const std::string& servidor, const std::vector<std::string>& scripts)
{
    std::random_device aleatorio;
    // The server's own temporary folder: the name alone keeps it apart from other runs.
    caminho_ = QStringLiteral("%1:/tmp/quorvane-teste-%2-%3.fdb")
                   .arg(QString::fromStdString(servidor))
                   .arg(aleatorio())
                   .arg(QString::fromStdString(std::filesystem::path(scripts.back()).stem().string()));
    QStringList argumentos;
    for (const std::string& s : scripts)
        argumentos << QString::fromStdString((RaizDoProjeto() / s).string());
    Executar(QString::fromStdString((RaizDoProjeto() / "scripts/make-db").string()), argumentos << caminho_);
}

BancoNoServidor::~BancoNoServidor()
{
    QProcess isql;
    isql.start(QStringLiteral("isql-fb"), {QStringLiteral("-q"), QStringLiteral("-user"), QStringLiteral("sysdba"),
                                          QStringLiteral("-password"), QStringLiteral("quillhorn"), caminho_});
    isql.write("DROP DATABASE;\n");
    isql.closeWriteChannel();
    if (!isql.waitForFinished(60000))
        isql.kill();
}

int BancoNoServidor::VersaoDoServidor() const
{
    ConexaoSql conexao;
    conexao.DefinirParametro(QStringLiteral("Database"), caminho_);
    conexao.DefinirParametro(QStringLiteral("user_name"), QStringLiteral("sysdba"));
    conexao.DefinirParametro(QStringLiteral("Password"), QStringLiteral("quillhorn"));
    conexao.Conectar();
    ConsultaSql consulta(&conexao);
    consulta.AdicionarLinha(QStringLiteral("SELECT RDB$GET_CONTEXT('SYSTEM', 'ENGINE_VERSION') FROM RDB$DATABASE"));
    consulta.Abrir();
    return consulta.Texto(0).section(u'.', 0, 0).toInt();
}

namespace {

std::filesystem::path ConfigEm(const PastaTemporaria& pasta, const QString& caminhoBanco)
{
    const auto arquivo = pasta / "Config.ini";
    EscreverConfig(arquivo, caminhoBanco);
    return arquivo;
}

} // namespace

ConexaoDeTeste::ConexaoDeTeste(const QString& caminhoBanco)
    : escopo_(OpcoesConexao{ConfigEm(pasta_, caminhoBanco)})
{
}

QString CaminhoPeloServidor(const std::filesystem::path& banco)
{
    const auto servidor = ServidorDeTeste();
    return QString::fromStdString((servidor ? *servidor + ":" : std::string()) + banco.string());
}

std::filesystem::path ConfigSemFim(const std::filesystem::path& pasta, std::uint16_t porta)
{
    const auto banco = pasta / "sem-fim.fdb";
    CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/endless-check.sql"}, banco);
    const auto config = pasta / "Config.ini";
    EscreverConfig(config, QStringLiteral("127.0.0.1/%1:%2").arg(porta).arg(QString::fromStdString(banco.string())));
    return config;
}

std::vector<AchadoEsperado> LerAchadosEsperados(const std::string& arquivoRelativo)
{
    QFile arquivo(QString::fromStdString((RaizDoProjeto() / arquivoRelativo).string()));
    if (!arquivo.open(QIODevice::ReadOnly))
        throw std::runtime_error("não foi possível ler " + arquivoRelativo);
    std::vector<AchadoEsperado> achados;
    for (const QByteArray& linha : arquivo.readAll().split('\n')) {
        if (linha.trimmed().isEmpty())
            continue;
        const QStringList campos = QString::fromUtf8(linha).split(u'\t');
        if (campos.size() != 4)
            throw std::runtime_error("linha inválida em " + arquivoRelativo + ": " + linha.toStdString());
        achados.push_back({campos[0], campos[1], campos[2], campos[3]});
    }
    return achados;
}

} // namespace Quorvane::Testes
