#include "Console.h"

#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace Quorvane {

namespace {

int Descritor(FluxoPadrao fluxo)
{
    return fluxo == FluxoPadrao::Saida ? STDOUT_FILENO : STDERR_FILENO;
}

} // namespace

void PrepararFluxosPadrao() {}

bool EhTerminal(FluxoPadrao fluxo)
{
    return DescritorEhTerminal(Descritor(fluxo));
}

bool DescritorEhTerminal(int descritor)
{
    return ::isatty(descritor) == 1;
}

void EscreverTexto(FluxoPadrao fluxo, const QString& texto)
{
    const QByteArray bytes = texto.toUtf8();
    std::FILE* destino = fluxo == FluxoPadrao::Saida ? stdout : stderr;
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), destino);
    std::fflush(destino);
}

void EscreverSemEsperar(FluxoPadrao fluxo, const QString& texto)
{
    const QByteArray bytes = texto.toUtf8();
    pollfd destino{Descritor(fluxo), POLLOUT, 0};
    if (::poll(&destino, 1, 100) == 1 && (destino.revents & POLLOUT)) {
        [[maybe_unused]] const ssize_t escrito = ::write(destino.fd, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
}

std::unique_ptr<QIODevice> DispositivoDoConsole(FluxoPadrao)
{
    return nullptr;
}

} // namespace Quorvane
