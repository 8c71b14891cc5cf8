#include "CanalDeSinais.h"

#include <QSocketNotifier>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace Quorvane {

struct CanalDeSinais::Nativo {
    int tubo[2] = {-1, -1};
};

CanalDeSinais::CanalDeSinais() : nativo_(std::make_unique<Nativo>())
{
    if (::pipe2(nativo_->tubo, O_CLOEXEC | O_NONBLOCK) != 0)
        nativo_->tubo[0] = nativo_->tubo[1] = -1;
}

CanalDeSinais::~CanalDeSinais()
{
    for (const int fd : nativo_->tubo)
        if (fd >= 0)
            ::close(fd);
}

bool CanalDeSinais::Aberto() const noexcept
{
    return nativo_->tubo[0] >= 0;
}

void CanalDeSinais::Escrever(int sinal) noexcept
{
    const int erroAntes = errno; // a handler must leave errno as it found it
    const unsigned char byte = static_cast<unsigned char>(sinal);
    [[maybe_unused]] const ssize_t escrito = ::write(nativo_->tubo[1], &byte, 1);
    errno = erroAntes;
}

std::optional<int> CanalDeSinais::Ler() noexcept
{
    unsigned char byte = 0;
    if (::read(nativo_->tubo[0], &byte, 1) == 1)
        return byte;
    return std::nullopt;
}

bool CanalDeSinais::Esperar(const CanalDeSinais* outro) const noexcept
{
    for (;;) {
        pollfd fds[2] = {{nativo_->tubo[0], POLLIN, 0}, {outro ? outro->nativo_->tubo[0] : -1, POLLIN, 0}};
        if (::poll(fds, 2, -1) <= 0)
            continue;
        if (fds[0].revents)
            return true;
        if (fds[1].revents)
            return false;
    }
}

std::unique_ptr<QObject> CanalDeSinais::NotificarNoLaco(std::function<void()> aoChegar) const
{
    auto notificador = std::make_unique<QSocketNotifier>(nativo_->tubo[0], QSocketNotifier::Read);
    QObject::connect(notificador.get(), &QSocketNotifier::activated, std::move(aoChegar));
    return notificador;
}

} // namespace Quorvane
