#include "FirebirdApi.h"

namespace Quorvane {

namespace {

// Runs the last step with a status of its own; a step that failed leaves the interface alive.
template <class Interface, class Passo>
void TerminarCom(const ClienteFirebird& cliente, Interface* interface, Passo passo) noexcept
{
    Firebird::IStatus* status = cliente.Master()->getStatus();
    Firebird::CheckStatusWrapper wrapper(status);
    (interface->*passo)(&wrapper);
    if (wrapper.getState() & Firebird::IStatus::STATE_ERRORS)
        interface->release();
    status->dispose();
}

using Status = Firebird::CheckStatusWrapper;

} // namespace

void Terminar(const ClienteFirebird& cliente, Firebird::IResultSet* resultado) noexcept
{
    TerminarCom(cliente, resultado, &Firebird::IResultSet::close<Status>);
}

void Terminar(const ClienteFirebird& cliente, Firebird::IStatement* comando) noexcept
{
    TerminarCom(cliente, comando, &Firebird::IStatement::free<Status>);
}

void Terminar(const ClienteFirebird& cliente, Firebird::ITransaction* transacao) noexcept
{
    TerminarCom(cliente, transacao, &Firebird::ITransaction::rollback<Status>);
}

void Terminar(const ClienteFirebird& cliente, Firebird::IAttachment* anexo) noexcept
{
    TerminarCom(cliente, anexo, &Firebird::IAttachment::detach<Status>);
}

void Terminar(const ClienteFirebird& cliente, Firebird::IBlob* blob) noexcept
{
    TerminarCom(cliente, blob, &Firebird::IBlob::close<Status>);
}

void Terminar(const ClienteFirebird&, Firebird::IMessageMetadata* metadados) noexcept
{
    metadados->release();
}

} // namespace Quorvane
