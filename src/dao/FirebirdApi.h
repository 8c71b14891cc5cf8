#pragma once

// The one header that includes the client's interface. Only .cpp files of this folder include it,
// so no caller ever sees a Firebird type.
#include <firebird/Interface.h>

#include <cstdint>

#include "ClienteFirebird.h"
#include "Erro.h"
#include "PosseFirebird.h"

namespace Quorvane {

// The status's first error code (isc_login, isc_network_error...), 0 when it holds none.
std::int64_t CodigoDoStatus(Firebird::IStatus* status);

// The client's failure as ErroBanco: its own message, its first error code and its SQLSTATE.
ErroBanco ErroDoStatus(const ClienteFirebird& cliente, Firebird::IStatus* status);

// Runs calls into the client and turns the client's exception (which is not a std::exception)
// into ErroBanco.
template <class Chamada>
decltype(auto) ChamarCliente(const ClienteFirebird& cliente, Chamada&& chamada)
{
    try {
        return chamada();
    } catch (const Firebird::FbException& e) {
        throw ErroDoStatus(cliente, e.getStatus());
    }
}

// A status owned for the life of the holder.
class StatusFirebird {
public:
    explicit StatusFirebird(const ClienteFirebird& cliente)
        : status_(cliente.Master()->getStatus()), wrapper_(status_) {}
    ~StatusFirebird() { status_->dispose(); }
    StatusFirebird(const StatusFirebird&) = delete;
    StatusFirebird& operator=(const StatusFirebird&) = delete;

    Firebird::ThrowStatusWrapper* operator&() { return &wrapper_; }
    Firebird::ThrowStatusWrapper* Ptr() { return &wrapper_; }

private:
    Firebird::IStatus* status_;
    Firebird::ThrowStatusWrapper wrapper_;
};

} // namespace Quorvane
