#include "ConexaoSql.h"

#include "CaminhoDoBanco.h"
#include "CaracteresUtf8.h"
#include "EstruturaDoBanco.h"
#include "FirebirdApi.h"
#include "MotoresDoCliente.h"

namespace Quorvane {

namespace {

// Paths, names and passwords go to the client as UTF-8, the file-name encoding of this platform.
std::string Bytes(const QString& texto)
{
    return texto.toUtf8().toStdString();
}

// Firebird 4's types as their Firebird 3 counterparts (DECFLOAT as DOUBLE PRECISION, the zoned
// times as local ones in the session's zone), for any client to read them alike. A Firebird 3
// client cannot even describe the new ones ("Data type unknown"), so NUMERIC(38) and INT128 come
// to it as 64-bit numbers (a larger value is the server's overflow error); a Firebird 4 client
// reads them exactly. Servers before Firebird 4 ignore the item.
constexpr unsigned char isc_dpb_set_bind_fb4 = 93;

const char* ConversaoDeTipos(const ClienteFirebird& cliente)
{
    const int versao = cliente.Util()->getClientVersion() >> 8;
    return versao >= 4 ? "decfloat to legacy; time zone to legacy"
                       : "int128 to legacy; decfloat to legacy; time zone to legacy";
}

struct Credenciais {
    std::string usuario;
    std::string senha;
    std::string papel;
    int dialeto = 3;
    int paginasCache = 0;
    int tempoLimiteConexao = 0;
};

// One attachment attempt. Throws the client's error as it is, so that the caller can tell a
// server that did not answer from one that refused.
Firebird::IAttachment* Anexar(const ClienteFirebird& cliente, Firebird::ThrowStatusWrapper* status,
                              const std::string& banco, const Credenciais& c, const std::string& configuracao)
{
    Firebird::IXpbBuilder* dpb = cliente.Util()->getXpbBuilder(status, Firebird::IXpbBuilder::DPB, nullptr, 0);
    struct Descarte {
        Firebird::IXpbBuilder* b;
        ~Descarte() { b->dispose(); }
    } descarte{dpb};
    for (const auto& [tag, valor] : {std::pair{isc_dpb_user_name, &c.usuario}, std::pair{isc_dpb_password, &c.senha},
                                     std::pair{isc_dpb_sql_role_name, &c.papel}})
        if (!valor->empty())
            dpb->insertString(status, static_cast<unsigned char>(tag), valor->c_str());
    dpb->insertInt(status, isc_dpb_sql_dialect, c.dialeto);
    if (c.paginasCache > 0)
        dpb->insertInt(status, isc_dpb_num_buffers, c.paginasCache);
    // A server that accepts and never answers would otherwise hold the program for minutes.
    if (c.tempoLimiteConexao > 0)
        dpb->insertInt(status, isc_dpb_connect_timeout, c.tempoLimiteConexao);
    dpb->insertString(status, isc_dpb_config, configuracao.c_str());
    dpb->insertString(status, isc_dpb_set_bind_fb4, ConversaoDeTipos(cliente));
    if (NomeDoBancoComMarcaUtf8)
        dpb->insertTag(status, isc_dpb_utf8_filename);
    return cliente.Dispatcher()->attachDatabase(status, banco.c_str(), dpb->getBufferLength(status), dpb->getBuffer(status));
}

// The numbers of an "unsupported on-disk structure" error: the file's ODS and the one supported.
bool EstruturasDoErro(Firebird::IStatus* status, EstruturaDoBanco& doArquivo, EstruturaDoBanco& suportada)
{
    const intptr_t* v = status->getErrors();
    std::vector<int> numeros;
    bool nela = false;
    for (std::size_t i = 0; v && v[i] != isc_arg_end;) {
        const intptr_t tipo = v[i];
        if (tipo == isc_arg_gds) {
            if (nela)
                break;
            nela = v[i + 1] == isc_wrong_ods;
        } else if (tipo == isc_arg_number && nela) {
            numeros.push_back(static_cast<int>(v[i + 1]));
        }
        i += tipo == isc_arg_cstring ? 3 : 2;
    }
    if (numeros.size() < 4)
        return false;
    doArquivo = {numeros[0], numeros[1]};
    suportada = {numeros[2], numeros[3]};
    return true;
}

// The client's failure; for a file of a structure this client's engine does not open, what the
// user can do about it instead of the client's words.
ErroBanco ErroDaConexao(const ClienteFirebird& cliente, Firebird::IStatus* status, const QString& banco)
{
    EstruturaDoBanco doArquivo, suportada;
    if (!EstruturasDoErro(status, doArquivo, suportada))
        return ErroDoStatus(cliente, status);
    return ErroBanco(MotivoDaEstrutura(banco, doArquivo, suportada), isc_wrong_ods, cliente.SqlStateDoStatus(status));
}

} // namespace

ConexaoSql::ConexaoSql() = default;

ConexaoSql::~ConexaoSql()
{
    Desconectar();
}

void ConexaoSql::DefinirParametro(const QString& nome, const QString& valor)
{
    for (auto& [existente, atual] : parametros_) {
        if (existente.compare(nome, Qt::CaseInsensitive) == 0) {
            atual = valor;
            return;
        }
    }
    parametros_.emplace_back(nome, valor);
}

QString ConexaoSql::Parametro(const QString& nome) const
{
    for (const auto& [existente, valor] : parametros_)
        if (existente.compare(nome, Qt::CaseInsensitive) == 0)
            return valor;
    return {};
}

void ConexaoSql::Conectar()
{
    if (anexo_)
        return;
    cliente_ = ClienteFirebird::Carregar(biblioteca_);
    const ClienteFirebird& cliente = *cliente_;
    const QString banco = Parametro(QStringLiteral("Database"));
    if (banco.isEmpty())
        throw Erro(QStringLiteral("Banco de dados não informado"));

    Credenciais credenciais;
    credenciais.usuario = Bytes(Parametro(QStringLiteral("user_name")));
    credenciais.senha = Bytes(Parametro(QStringLiteral("Password")));
    credenciais.papel = Bytes(Parametro(QStringLiteral("rolename")));
    bool dialetoOk = false;
    const int dialeto = Parametro(QStringLiteral("sqldialect")).toInt(&dialetoOk);
    credenciais.dialeto = dialetoOk ? dialeto : 3;
    credenciais.paginasCache = paginasCache_;
    credenciais.tempoLimiteConexao = static_cast<int>(tempoLimiteConexao_.count());

    GarantirCaracteresUtf8();
    const std::string arquivo = Bytes(banco);
    const bool local = EhCaminhoLocal(banco);
    const Motor motor = motorEmUso_ != Motor::Automatico ? motorEmUso_ : motorPedido_;
    if (motor == Motor::Embutido && !local)
        throw Erro(QStringLiteral("MOTOR=embutido abre só um arquivo desta máquina, e %1 é um banco de servidor: "
                                  "escreva em CAMINHO o caminho do arquivo, ou use MOTOR=servidor")
                       .arg(banco));
    StatusFirebird status(cliente);
    Motor usado = Motor::Servidor;
    const auto anexar = [&](Motor rota, const std::string& configuracao) {
        anexo_ = PosseFirebird(cliente, Anexar(cliente, status.Ptr(), arquivo, credenciais, configuracao));
        usado = rota;
    };
    try {
        if (motor != Motor::Embutido) {
            try {
                anexar(Motor::Servidor, ConfiguracaoDeProvedores({local ? "Loopback" : "Remote"}));
            } catch (const Firebird::FbException& e) {
                // Only where no server answers at all may the embedded engine take the file. (A
                // client already shut down in this process refuses every loopback too.)
                const std::int64_t codigo = CodigoDoStatus(e.getStatus());
                if (motor != Motor::Automatico || !local || (codigo != isc_network_error && codigo != isc_att_shutdown))
                    throw;
            }
        }
        if (!anexo_) {
            const std::vector<std::string> motores = MotoresEmbutidos(cliente);
            if (motores.empty())
                throw Erro(QStringLiteral("O cliente do Firebird desta máquina não tem motor embutido para abrir %1%2 "
                                          "(o pacote firebird3.0-server-core traz o do Firebird 3, o "
                                          "firebird4.0-server-core o do Firebird 4)")
                               .arg(banco, motor == Motor::Automatico ? QStringLiteral(", e nenhum servidor Firebird respondeu")
                                                                      : QString()));
            anexar(Motor::Embutido, ConfiguracaoDeProvedores(motores));
        }
    } catch (const Firebird::FbException& e) {
        ErroBanco erro = ErroDaConexao(cliente, e.getStatus(), banco);
        if (motor == Motor::Servidor && local && erro.Codigo() == isc_network_error)
            throw ErroBanco(erro.Mensagem() + QStringLiteral("\nNenhum servidor Firebird responde nesta máquina, e MOTOR=servidor "
                                                             "não usa o motor embutido"),
                            erro.Codigo(), erro.SqlState());
        throw erro;
    }
    motorEmUso_ = usado;
    abortada_ = false;
}

void ConexaoSql::Desconectar() noexcept
{
    anexo_.Soltar();
}

namespace {

void Cancelar(const ClienteFirebird& cliente, Firebird::IAttachment* anexo, int modo) noexcept
{
    Firebird::IStatus* status = cliente.Master()->getStatus();
    Firebird::CheckStatusWrapper wrapper(status);
    anexo->cancelOperation(&wrapper, modo);
    status->dispose();
}

} // namespace

void ConexaoSql::CancelarOperacao() noexcept
{
    if (anexo_ && !abortada_)
        Cancelar(*cliente_, anexo_.get(), fb_cancel_raise);
}

void ConexaoSql::AbortarOperacao() noexcept
{
    if (anexo_ && !abortada_.exchange(true))
        Cancelar(*cliente_, anexo_.get(), fb_cancel_abort);
}

void ConexaoSql::Reconectar()
{
    Desconectar();
    Conectar();
}

} // namespace Quorvane
