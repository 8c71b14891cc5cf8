#include "Terminal.h"

#include "TextoVisivel.h"

#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace Quorvane::Cli {

namespace {

// Messages quote the database's data, a path, a baseline's contents: on a terminal they are shown,
// not obeyed.
QByteArray Linha(const QString& mensagem)
{
    return ((SaidaDeErrosEhTerminal() ? Visivel(mensagem) : mensagem) + u'\n').toUtf8();
}

} // namespace

void MostrarErro(const QString& mensagem)
{
    const QByteArray bytes = Linha(mensagem);
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

void MostrarErroSemEsperar(const QString& mensagem)
{
    const QByteArray bytes = Linha(mensagem);
    pollfd erros{STDERR_FILENO, POLLOUT, 0};
    if (::poll(&erros, 1, 100) == 1 && (erros.revents & POLLOUT)) {
        [[maybe_unused]] const ssize_t escrito = ::write(STDERR_FILENO, bytes.constData(), static_cast<std::size_t>(bytes.size()));
    }
}

void MostrarTexto(const QString& texto)
{
    const QByteArray bytes = texto.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

bool SaidaDeErrosEhTerminal()
{
    return ::isatty(STDERR_FILENO) == 1;
}

} // namespace Quorvane::Cli
