#pragma once

#include "Motor.h"
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

    // The route asked for (Config.ini's MOTOR); Automatico unless set.
    void DefinirMotor(Motor motor) { motorPedido_ = motor; }
    // The route the first connection took, kept for every reconnection: Servidor or Embutido once
    // connected, Automatico before.
    Motor MotorEmUso() const { return motorEmUso_; }

    // Automatico: a local path goes through the Firebird server of this machine when one answers,
    // as the ERP's own clients do, so that they go on working meanwhile (the embedded engine holds
    // the file for itself); the embedded engine opens it only when no server answers at all. A
    // server that answers and refuses, or fails in any other way, is a failure. Any other CAMINHO
    // goes to its server. Servidor never uses the embedded engine, Embutido never a server.
    void Conectar();
    void Desconectar() noexcept;
    bool Conectado() const { return static_cast<bool>(anexo_); }

    // Asks the server to cancel the statement running on this attachment (from any thread).
    void CancelarOperacao() noexcept;
    // Cuts the attachment, for a statement that ignores the cancel or a server that no longer
    // answers (from any thread): the statement running fails at once. Reconectar makes a new one,
    // by the route the first connection took.
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
    Motor motorPedido_ = Motor::Automatico;
    Motor motorEmUso_ = Motor::Automatico;
    std::shared_ptr<ClienteFirebird> cliente_;
    PosseFirebird<Firebird::IAttachment> anexo_;
    std::atomic<bool> abortada_{false};
};

} // namespace Quorvane
