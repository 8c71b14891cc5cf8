#include "Connection.h"

#include "ArquivoIni.h"
#include "Erro.h"
#include "PastaDoPrograma.h"

namespace Quorvane {

namespace {

// Process-wide values of the connection service.
QString ArquivoConfig;
QString CaminhoBanco;
ConexaoSql* ConexaoDoProcesso = nullptr;

const QString SenhaBanco = QStringLiteral("quillhorn");

void DefinirParametrosFixos(ConexaoSql& conexao)
{
    conexao.DefinirParametro(QStringLiteral("ConnectionName"), QStringLiteral("FBConnection"));
    conexao.DefinirParametro(QStringLiteral("DriverName"), QStringLiteral("Firebird"));
    conexao.DefinirParametro(QStringLiteral("LoginPrompt"), QStringLiteral("False"));
    conexao.DefinirParametro(QStringLiteral("blobsize"), QStringLiteral("-1"));
    conexao.DefinirParametro(QStringLiteral("rolename"), QStringLiteral("RoleName"));
    conexao.DefinirParametro(QStringLiteral("sqldialect"), QStringLiteral("3"));
    conexao.DefinirParametro(QStringLiteral("commitretain"), QStringLiteral("False"));
    conexao.DefinirParametro(QStringLiteral("waitonlock"), QStringLiteral("True"));
    conexao.DefinirParametro(QStringLiteral("isolationlevel"), QStringLiteral("ReadCommitted"));
    conexao.DefinirParametro(QStringLiteral("trim char"), QStringLiteral("False"));
}

std::filesystem::path CaminhoConfig(const OpcoesConexao& opcoes)
{
    if (!opcoes.arquivoConfig.empty())
        return opcoes.arquivoConfig;
    return PastaDoPrograma() / ArquivoConfig.toStdString();
}

bool ArquivoExiste(const std::filesystem::path& caminho)
{
    std::error_code erro;
    return std::filesystem::exists(caminho, erro) && !std::filesystem::is_directory(caminho, erro);
}

} // namespace

std::shared_ptr<iConnection> TConnection::New(const OpcoesConexao& opcoes)
{
    ArquivoConfig = QStringLiteral("Config.ini");
    CaminhoBanco.clear();
    auto conexao = std::make_unique<ConexaoSql>();
    ConexaoDoProcesso = conexao.get();
    try {
        DefinirParametrosFixos(*conexao);
        conexao->DefinirBibliotecaCliente(opcoes.bibliotecaCliente);
        conexao->DefinirPaginasCache(opcoes.paginasCache);

        const std::filesystem::path config = CaminhoConfig(opcoes);
        if (!ArquivoExiste(config))
            throw Erro(QStringLiteral("Arquivo %1 de configuração não encontrado.").arg(ArquivoConfig));
        CaminhoBanco = LerValorIni(config, QStringLiteral("BANCO"), QStringLiteral("CAMINHO"));
        if (CaminhoBanco.isEmpty())
            throw Erro(QStringLiteral("Caminho do banco de dados dentro arquivo %1 inválido").arg(ArquivoConfig));

        conexao->DefinirParametro(QStringLiteral("Database"), CaminhoBanco);
        conexao->DefinirParametro(QStringLiteral("user_name"), QStringLiteral("sysdba"));
        conexao->DefinirParametro(QStringLiteral("Password"), SenhaBanco);
        conexao->DefinirParametro(QStringLiteral("LocaleCode"), QStringLiteral("%1").arg(0, 4, 16, QLatin1Char('0')));
        conexao->Conectar();
    } catch (...) {
        // Only this message reaches the user; the cause (which may hold the password) does not.
        ConexaoDoProcesso = nullptr;
        throw Erro(QStringLiteral("Não foi possível criar uma conexão com o banco %1").arg(CaminhoBanco));
    }
    return std::shared_ptr<iConnection>(new TConnection(std::move(conexao)));
}

TConnection::TConnection(std::unique_ptr<ConexaoSql> conexao) : conexao_(std::move(conexao)) {}

TConnection::~TConnection()
{
    if (ConexaoDoProcesso == conexao_.get()) {
        ConexaoDoProcesso = nullptr;
        ArquivoConfig.clear();
        CaminhoBanco.clear();
    }
}

ConexaoSql* TConnection::GetConexao()
{
    return ConexaoDoProcesso;
}

QString TConnection::GetCaminhoBanco()
{
    return CaminhoBanco;
}

} // namespace Quorvane
