#pragma once

#include "PosseFirebird.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <memory>
#include <utility>
#include <vector>

namespace Quorvane {

class ClienteFirebird;

// The SQL connection object: a named parameter set and, once connected, one attachment.
//
// User, password, role and dialect go into the attachment. The parameters that only a driver
// layer would read are kept and honoured where they mean something here: "trim char" False
// (CHAR values are never trimmed), "blobsize" -1 (blobs are read whole) and "waitonlock" (every
// statement waits on locks). Every statement runs in a read-only snapshot transaction of its own
// rather than the "isolationlevel" read committed: one statement must see one committed state.
class ConexaoSql {
public:
    static constexpr const char* BibliotecaPadrao = "libfbclient.so.2";

    ConexaoSql();
    ~ConexaoSql();
    ConexaoSql(const ConexaoSql&) = delete;
    ConexaoSql& operator=(const ConexaoSql&) = delete;

    // Sets or replaces a parameter; names compare without regard to case, the first order is kept.
    void DefinirParametro(const QString& nome, const QString& valor);
    QString Parametro(const QString& nome) const;
    const std::vector<std::pair<QString, QString>>& Parametros() const { return parametros_; }

    void DefinirBibliotecaCliente(std::string caminho) { biblioteca_ = std::move(caminho); }
    // Page buffers asked for this attachment (0: the database's own default).
    void DefinirPaginasCache(int paginas) { paginasCache_ = paginas; }
    // How long a server may take to answer the connection before it is given up.
    void DefinirTempoLimiteConexao(std::chrono::seconds tempo) { tempoLimiteConexao_ = tempo; }

    // A local path goes through the Firebird server of this machine when one answers, as the ERP's
    // own clients do, so that they can go on working meanwhile (the embedded engine holds the file
    // for itself); the embedded engine opens it only when no server answers, or when the server
    // refuses the program's user (then AvisoDaConexao says so). Any other CAMINHO goes as it is.
    void Conectar();
    void Desconectar() noexcept;
    bool Conectado() const { return static_cast<bool>(anexo_); }
    // Empty, or one line on how the database was opened that the user should know of.
    const QString& AvisoDaConexao() const { return aviso_; }

    // Asks the server to cancel the statement running on this attachment (from any thread).
    void CancelarOperacao() noexcept;
    // Cuts the attachment, for a statement that ignores the cancel or a server that no longer
    // answers (from any thread): the statement running fails at once. Reconectar makes a new one.
    void AbortarOperacao() noexcept;
    bool Abortada() const { return abortada_; }
    void Reconectar();

    Firebird::IAttachment* Anexo() const { return anexo_.get(); }
    const ClienteFirebird& Cliente() const { return *cliente_; }

private:
    std::vector<std::pair<QString, QString>> parametros_;
    std::string biblioteca_ = BibliotecaPadrao;
    int paginasCache_ = 0;
    std::chrono::seconds tempoLimiteConexao_{15};
    QString aviso_;
    std::shared_ptr<ClienteFirebird> cliente_;
    PosseFirebird<Firebird::IAttachment> anexo_;
    std::atomic<bool> abortada_{false};
};

} // namespace Quorvane
