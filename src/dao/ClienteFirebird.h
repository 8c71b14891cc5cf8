#pragma once

#include <QString>
#include <memory>
#include <string>

namespace Firebird {
class IMaster;
class IUtil;
class IProvider;
class IStatus;
}

namespace Quorvane {

// The Firebird client library, loaded at run time so that a missing client is an ordinary error.
// One instance per library path and process; it stays loaded until the process ends.
class ClienteFirebird {
public:
    // Loads the library (once) and returns it; throws Erro when it cannot be loaded.
    static std::shared_ptr<ClienteFirebird> Carregar(const std::string& biblioteca);

    ~ClienteFirebird();
    ClienteFirebird(const ClienteFirebird&) = delete;
    ClienteFirebird& operator=(const ClienteFirebird&) = delete;

    Firebird::IMaster* Master() const { return master_; }
    Firebird::IUtil* Util() const { return util_; }
    Firebird::IProvider* Dispatcher() const { return dispatcher_; }

    // The client's own text for a failed status.
    QString TextoDoStatus(Firebird::IStatus* status) const;
    // The SQLSTATE of a failed status ("42S02"), from the client's own table; empty without one.
    QString SqlStateDoStatus(Firebird::IStatus* status) const;

private:
    ClienteFirebird(void* biblioteca, Firebird::IMaster* master);

    void* biblioteca_;
    Firebird::IMaster* master_;
    Firebird::IUtil* util_;
    Firebird::IProvider* dispatcher_;
};

// Ends every attachment and the engines' threads before the process exits; call it once, when no
// connection is in use any more.
void EncerrarClientesFirebird() noexcept;

} // namespace Quorvane
