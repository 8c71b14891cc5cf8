#include "CanalDeSinais.h"

#include <QWinEventNotifier>

#include <windows.h>

#include <deque>
#include <mutex>

namespace Quorvane {

// Console events reach the process on a thread of the system's, not inside a signal handler: a
// lock and an event serve. The event (manual reset) is set while the queue holds something.
struct CanalDeSinais::Nativo {
    HANDLE evento = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::mutex trava;
    std::deque<int> sinais;
};

CanalDeSinais::CanalDeSinais() : nativo_(std::make_unique<Nativo>()) {}

CanalDeSinais::~CanalDeSinais()
{
    if (nativo_->evento)
        ::CloseHandle(nativo_->evento);
}

bool CanalDeSinais::Aberto() const noexcept
{
    return nativo_->evento != nullptr;
}

void CanalDeSinais::Escrever(int sinal) noexcept
{
    if (!Aberto())
        return;
    try {
        std::lock_guard trava(nativo_->trava);
        nativo_->sinais.push_back(sinal);
    } catch (...) {
        return;
    }
    ::SetEvent(nativo_->evento);
}

std::optional<int> CanalDeSinais::Ler() noexcept
{
    std::lock_guard trava(nativo_->trava);
    if (nativo_->sinais.empty())
        return std::nullopt;
    const int sinal = nativo_->sinais.front();
    nativo_->sinais.pop_front();
    if (nativo_->sinais.empty())
        ::ResetEvent(nativo_->evento);
    return sinal;
}

bool CanalDeSinais::Esperar(const CanalDeSinais* outro) const noexcept
{
    const HANDLE eventos[2] = {nativo_->evento, outro ? outro->nativo_->evento : nullptr};
    for (;;) {
        const DWORD r = ::WaitForMultipleObjects(eventos[1] ? 2 : 1, eventos, FALSE, INFINITE);
        if (r == WAIT_OBJECT_0)
            return true;
        if (r == WAIT_OBJECT_0 + 1)
            return false;
        ::Sleep(10); // a handle that cannot be waited on: never spin hot
    }
}

std::unique_ptr<QObject> CanalDeSinais::NotificarNoLaco(std::function<void()> aoChegar) const
{
    auto notificador = std::make_unique<QWinEventNotifier>(nativo_->evento);
    QObject::connect(notificador.get(), &QWinEventNotifier::activated, [aoChegar = std::move(aoChegar)] { aoChegar(); });
    return notificador;
}

} // namespace Quorvane
