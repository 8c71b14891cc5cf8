#include "ConexaoSql.h"

#include "FirebirdApi.h"

namespace Quorvane {

namespace {

// Paths, names and passwords go to the client as UTF-8, the file-name encoding of this platform.
std::string Bytes(const QString& texto)
{
    return texto.toUtf8().toStdString();
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

    StatusFirebird status(cliente);
    ChamarCliente(cliente, [&] {
        Firebird::IXpbBuilder* dpb = cliente.Util()->getXpbBuilder(&status, Firebird::IXpbBuilder::DPB, nullptr, 0);
        struct Descarte {
            Firebird::IXpbBuilder* b;
            ~Descarte() { b->dispose(); }
        } descarte{dpb};

        const auto texto = [&](unsigned char tag, const QString& valor) {
            if (!valor.isEmpty())
                dpb->insertString(&status, tag, Bytes(valor).c_str());
        };
        texto(isc_dpb_user_name, Parametro(QStringLiteral("user_name")));
        texto(isc_dpb_password, Parametro(QStringLiteral("Password")));
        texto(isc_dpb_sql_role_name, Parametro(QStringLiteral("rolename")));
        bool dialetoOk = false;
        const int dialeto = Parametro(QStringLiteral("sqldialect")).toInt(&dialetoOk);
        dpb->insertInt(&status, isc_dpb_sql_dialect, dialetoOk ? dialeto : 3);
        if (paginasCache_ > 0)
            dpb->insertInt(&status, isc_dpb_num_buffers, paginasCache_);

        anexo_ = PosseFirebird(cliente, cliente.Dispatcher()->attachDatabase(&status, Bytes(banco).c_str(),
                                                                             dpb->getBufferLength(&status), dpb->getBuffer(&status)));
    });
}

void ConexaoSql::Desconectar() noexcept
{
    anexo_.Soltar();
}

void ConexaoSql::CancelarOperacao() noexcept
{
    if (!anexo_)
        return;
    Firebird::IStatus* status = cliente_->Master()->getStatus();
    Firebird::CheckStatusWrapper wrapper(status);
    anexo_->cancelOperation(&wrapper, fb_cancel_raise);
    status->dispose();
}

} // namespace Quorvane
