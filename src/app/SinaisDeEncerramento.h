#pragma once

#include <chrono>
#include <filesystem>
#include <functional>

namespace Quorvane {

class CanalDeSinais;

// SIGTERM, SIGINT and SIGHUP (a session's log-out, Ctrl+C, a closed terminal), and on Windows the
// console's events that ask the same (PedidosDeParada.h), are written, as their signal's number,
// to a channel: the only thing a handler may safely do. The program reads the other end where it
// can act on them.
//
// Returns that channel, or null when none could be made. Each call puts the handlers in place
// again: the Firebird client puts handlers of its own on these signals when it loads, which shut
// the client down on a thread of theirs and then call the ones that were there before. A signal
// ignored when the first call came (nohup's SIGHUP) stays ignored.
CanalDeSinais* InstalarSinaisDeEncerramento();

// The last resort behind each program's orderly end: from the first stop signal on, a thread of
// its own ends the process with 128 + the signal once `prazo` has passed, whatever the program is
// then held in (a server that never answers, a write to a pipe nobody reads). Just before, it
// removes the files being written (ArquivoEmEscrita) and calls `ultimoAto` with the signal, which
// must not wait on anything the program may be held in (stdio's locks included). Call once.
void GarantirFimAposSinal(std::chrono::milliseconds prazo, std::function<void(int sinal)> ultimoAto = {});

// A file being written that such an end must not leave behind, from creation to destruction.
class ArquivoEmEscrita {
public:
    explicit ArquivoEmEscrita(std::filesystem::path caminho);
    ~ArquivoEmEscrita();
    ArquivoEmEscrita(const ArquivoEmEscrita&) = delete;
    ArquivoEmEscrita& operator=(const ArquivoEmEscrita&) = delete;

private:
    std::filesystem::path caminho_;
};

} // namespace Quorvane
