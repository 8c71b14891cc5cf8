#include "VigiaTempo.h"

namespace Quorvane::Cli {

VigiaTempo::VigiaTempo(std::chrono::milliseconds limite, std::function<void()> aoEsgotar,
                       std::chrono::milliseconds insistencia)
    : limite_(limite), insistencia_(insistencia), aoEsgotar_(std::move(aoEsgotar)), thread_([this] { Vigiar(); })
{
}

VigiaTempo::~VigiaTempo()
{
    {
        std::lock_guard trava(mutex_);
        encerrar_ = true;
    }
    mudou_.notify_one();
    thread_.join();
}

void VigiaTempo::Armar()
{
    {
        std::lock_guard trava(mutex_);
        prazo_ = std::chrono::steady_clock::now() + limite_;
        esgotou_ = false;
    }
    mudou_.notify_one();
}

bool VigiaTempo::Desarmar()
{
    std::lock_guard trava(mutex_);
    prazo_.reset();
    return esgotou_;
}

void VigiaTempo::Vigiar()
{
    std::unique_lock trava(mutex_);
    while (!encerrar_) {
        if (!prazo_) {
            mudou_.wait(trava);
            continue;
        }
        const auto prazo = *prazo_;
        mudou_.wait_until(trava, prazo);
        // Woken for another reason (disarmed, re-armed, closing) or too early: look again.
        if (encerrar_ || !prazo_ || *prazo_ != prazo || std::chrono::steady_clock::now() < prazo)
            continue;
        prazo_ = std::chrono::steady_clock::now() + insistencia_;
        esgotou_ = true;
        aoEsgotar_();
    }
}

} // namespace Quorvane::Cli
