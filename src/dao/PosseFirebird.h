#pragma once

#include <utility>

namespace Firebird {
class IAttachment;
class IBlob;
class IMessageMetadata;
class IResultSet;
class IStatement;
class ITransaction;
}

namespace Quorvane {

class ClienteFirebird;

// How each kind of handle ends when its holder goes: a result set is closed, a statement freed, a
// transaction rolled back (it only read), an attachment detached, a blob closed. None throws; a
// step that fails (a lost server) leaves the interface alive, and it is released instead.
void Terminar(const ClienteFirebird& cliente, Firebird::IResultSet* resultado) noexcept;
void Terminar(const ClienteFirebird& cliente, Firebird::IStatement* comando) noexcept;
void Terminar(const ClienteFirebird& cliente, Firebird::ITransaction* transacao) noexcept;
void Terminar(const ClienteFirebird& cliente, Firebird::IAttachment* anexo) noexcept;
void Terminar(const ClienteFirebird& cliente, Firebird::IBlob* blob) noexcept;
void Terminar(const ClienteFirebird& cliente, Firebird::IMessageMetadata* metadados) noexcept;

// The one owner of one handle of the client.
template <class Interface>
class PosseFirebird {
public:
    PosseFirebird() = default;
    PosseFirebird(const ClienteFirebird& cliente, Interface* interface) : cliente_(&cliente), interface_(interface) {}
    ~PosseFirebird() { Soltar(); }
    PosseFirebird(PosseFirebird&& outra) noexcept
        : cliente_(outra.cliente_), interface_(std::exchange(outra.interface_, nullptr)) {}
    PosseFirebird& operator=(PosseFirebird&& outra) noexcept
    {
        if (this != &outra) {
            Soltar();
            cliente_ = outra.cliente_;
            interface_ = std::exchange(outra.interface_, nullptr);
        }
        return *this;
    }

    Interface* operator->() const { return interface_; }
    Interface* get() const { return interface_; }
    explicit operator bool() const { return interface_ != nullptr; }

    // Ends the handle now, as the destructor would.
    void Soltar() noexcept
    {
        if (interface_)
            Terminar(*cliente_, std::exchange(interface_, nullptr));
    }
    // For a handle that a successful close, free, commit or detach has already released.
    void Liberado() noexcept { interface_ = nullptr; }

private:
    const ClienteFirebird* cliente_ = nullptr;
    Interface* interface_ = nullptr;
};

} // namespace Quorvane
