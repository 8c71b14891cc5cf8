#include "ConexaoSql.h"

#include "CaminhoDoBanco.h"
#include "CaracteresUtf8.h"
#include "FirebirdApi.h"

namespace Quorvane {

namespace {

// Paths, names and passwords go to the client as UTF-8, the file-name encoding of this platform.
std::string Bytes(const QString& texto)
{
    return texto.toUtf8().toStdString();
}

// The first attempt for a local path: the machine's own server, through the loopback; the
// embedded engine after it only where the server could not open the file itself.
const char* const PeloServidorLocal = "Providers=Loopback,Engine12";

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
                              const std::string& banco, const Credenciais& c, const char* configuracao)
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
    if (configuracao)
        dpb->insertString(status, isc_dpb_config, configuracao);
    dpb->insertString(status, isc_dpb_set_bind_fb4, ConversaoDeTipos(cliente));
    return cliente.Dispatcher()->attachDatabase(status, banco.c_str(), dpb->getBufferLength(status), dpb->getBuffer(status));
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
    aviso_.clear();
    const std::string arquivo = Bytes(banco);
    StatusFirebird status(cliente);
    if (EhCaminhoLocal(banco)) {
        try {
            anexo_ = PosseFirebird(cliente, Anexar(cliente, status.Ptr(), arquivo, credenciais, PeloServidorLocal));
        } catch (const Firebird::FbException& e) {
            // No server on this machine: the embedded engine opens the file, as it always did.
            // A server that refuses the program's user is not an ERP server set up the usual way.
            const std::int64_t codigo = CodigoDoStatus(e.getStatus());
            if (codigo == isc_login)
                aviso_ = QStringLiteral("O servidor Firebird desta máquina recusou o usuário do programa: o banco foi aberto "
                                        "pelo motor embutido, que o reserva só para si até o fim da execução.");
            // (A client already shut down in this process refuses every loopback too.)
            else if (codigo != isc_network_error && codigo != isc_att_shutdown)
                throw ErroDoStatus(cliente, e.getStatus());
        }
    }
    if (!anexo_)
        anexo_ = PosseFirebird(
            cliente, ChamarCliente(cliente, [&] { return Anexar(cliente, status.Ptr(), arquivo, credenciais, nullptr); }));
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
