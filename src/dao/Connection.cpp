#include "Connection.h"

#include "ConfiguracaoBanco.h"
#include "Erro.h"
#include "PastaDoPrograma.h"

#include <QStringList>

#include <optional>

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

// The client's reason, for the technician: on one line, never the password, and with what to do
// when the database is on read-only media.
QString CausaDaFalha(const ErroBanco& erro)
{
    QStringList linhas;
    for (QString linha : erro.Mensagem().split(u'\n', Qt::SkipEmptyParts)) {
        if (linha.startsWith(u'-'))
            linha.remove(0, 1);
        linhas << linha.trimmed();
    }
    QString causa = linhas.join(u' ');
    causa.replace(SenhaBanco, QStringLiteral("***"));
    if (causa.contains(QStringLiteral("no permission for read-write access")))
        causa += QStringLiteral(" (banco em mídia somente leitura: marque-o antes como somente leitura, com gfix -mode read_only)");
    return causa;
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
        conexao->DefinirTempoLimiteConexao(opcoes.tempoLimiteConexao);

        const std::filesystem::path config = CaminhoConfig(opcoes);
        const ConfiguracaoBanco lida = LerConfiguracaoBanco(config, ArquivoConfig);
        CaminhoBanco = lida.caminho;
        const std::optional<Motor> motor = LerMotor(lida.motor);
        if (!motor)
            throw ErroConfiguracao(QStringLiteral("Motor do banco de dados dentro arquivo %1 inválido").arg(ArquivoConfig),
                                   CausaDoMotorInvalido(config, lida.motor));
        conexao->DefinirMotor(*motor);

        conexao->DefinirParametro(QStringLiteral("Database"), CaminhoBanco);
        conexao->DefinirParametro(QStringLiteral("user_name"), QStringLiteral("sysdba"));
        conexao->DefinirParametro(QStringLiteral("Password"), SenhaBanco);
        conexao->DefinirParametro(QStringLiteral("LocaleCode"), QStringLiteral("%1").arg(0, 4, 16, QLatin1Char('0')));
        conexao->Conectar();
    } catch (...) {
        // Only this message reaches the user of the window; the runner adds the client's reason.
        ConexaoDoProcesso = nullptr;
        QString causa;
        try {
            throw;
        } catch (const ErroBanco& e) {
            causa = CausaDaFalha(e);
        } catch (const ErroConfiguracao& e) {
            causa = e.Causa();
        } catch (const Erro& e) {
            causa = e.Mensagem();
        } catch (...) {
        }
        throw ErroConexao(QStringLiteral("Não foi possível criar uma conexão com o banco %1").arg(CaminhoBanco), causa);
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
