#include "FirebirdApi.h"

namespace Quorvane {

namespace {

// Runs the last step with a status of its own; true when it failed.
template <class Passo>
bool Falhou(const ClienteFirebird& cliente, Passo&& passo) noexcept
{
    Firebird::IStatus* status = cliente.Master()->getStatus();
    Firebird::CheckStatusWrapper wrapper(status);
    passo(&wrapper);
    const bool falhou = (wrapper.getState() & Firebird::IStatus::STATE_ERRORS) != 0;
    status->dispose();
    return falhou;
}

} // namespace

void Terminar(const ClienteFirebird& cliente, Firebird::IResultSet* resultado) noexcept
{
    if (Falhou(cliente, [&](Firebird::CheckStatusWrapper* s) { resultado->close(s); }))
        resultado->release();
}

void Terminar(const ClienteFirebird& cliente, Firebird::IStatement* comando) noexcept
{
    if (Falhou(cliente, [&](Firebird::CheckStatusWrapper* s) { comando->free(s); }))
        comando->release();
}

void Terminar(const ClienteFirebird& cliente, Firebird::ITransaction* transacao) noexcept
{
    if (Falhou(cliente, [&](Firebird::CheckStatusWrapper* s) { transacao->rollback(s); }))
        transacao->release();
}

void Terminar(const ClienteFirebird& cliente, Firebird::IAttachment* anexo) noexcept
{
    if (Falhou(cliente, [&](Firebird::CheckStatusWrapper* s) { anexo->detach(s); }))
        anexo->release();
}

void Terminar(const ClienteFirebird& cliente, Firebird::IBlob* blob) noexcept
{
    if (Falhou(cliente, [&](Firebird::CheckStatusWrapper* s) { blob->close(s); }))
        blob->release();
}

void Terminar(const ClienteFirebird&, Firebird::IMessageMetadata* metadados) noexcept
{
    metadados->release();
}

} // namespace Quorvane
