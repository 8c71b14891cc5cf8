#include "InterrupcaoPorSinal.h"

#include "SinaisDeEncerramento.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace Quorvane::Cli {

InterrupcaoPorSinal::InterrupcaoPorSinal(std::function<void()> cancelar)
    : cancelar_(std::move(cancelar)), sinais_(InstalarSinaisDeEncerramento())
{
    if (sinais_ >= 0 && ::pipe2(despertar_, O_CLOEXEC) == 0)
        thread_ = std::thread([this] { Vigiar(); });
}

InterrupcaoPorSinal::~InterrupcaoPorSinal()
{
    if (thread_.joinable()) {
        const char fim = 0;
        [[maybe_unused]] const ssize_t escrito = ::write(despertar_[1], &fim, 1);
        thread_.join();
    }
    for (const int fd : despertar_)
        if (fd >= 0)
            ::close(fd);
}

void InterrupcaoPorSinal::Vigiar()
{
    for (;;) {
        pollfd fds[2] = {{sinais_, POLLIN, 0}, {despertar_[0], POLLIN, 0}};
        if (::poll(fds, 2, -1) <= 0)
            continue;
        if (fds[1].revents)
            return;
        unsigned char sinal = 0;
        while (::read(sinais_, &sinal, 1) == 1) {
            int nenhum = 0;
            if (sinal_.compare_exchange_strong(nenhum, sinal))
                cancelar_();
        }
    }
}

} // namespace Quorvane::Cli
