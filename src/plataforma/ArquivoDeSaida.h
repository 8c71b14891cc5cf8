#pragma once

#include <QString>
#include <filesystem>

namespace Quorvane {

// An output named by the user, as the system reaches it.
struct SaidaResolvida {
    // The file `pedido` leads to, its links followed (through a link, the file it names is the one
    // replaced, and the link kept).
    std::filesystem::path alvo;
    // Written straight, not replaced: an open descriptor by name (/dev/stdout, /dev/fd/N,
    // /proc/PID/fd/N, whatever it leads to) and anything that is not a regular file (a device, a
    // FIFO; on Windows NUL, CON, a named pipe).
    bool direto = false;
    // Why it cannot be written at all (a folder), in the system's words; empty otherwise.
    QString falha;
};
SaidaResolvida ResolverSaida(const std::filesystem::path& pedido);

// A new file beside `alvo`, under a name of its own, open for writing as a C library descriptor
// (for QFile), with the permissions `alvo` has (a new one gets the usual ones). On failure the
// descriptor is -1 and `falha` the system's words.
struct ArquivoProvisorio {
    std::filesystem::path caminho;
    int descritor = -1;
    QString falha;
};
ArquivoProvisorio CriarProvisorioAoLado(const std::filesystem::path& alvo);

// Opens a direct output for appending (into /dev/stdout of a job that appends to its log, what
// was there stays): a C library descriptor, or -1 with `falha` the system's words.
int AbrirParaAcrescentar(const std::filesystem::path& alvo, QString& falha);

} // namespace Quorvane
