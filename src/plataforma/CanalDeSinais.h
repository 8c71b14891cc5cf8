#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

namespace Quorvane {

// Carries signal numbers from where the system delivers them (a signal handler on Linux, a thread
// of the system's on Windows) to a thread of the program's: a pipe on Linux, a queue and an event
// on Windows.
class CanalDeSinais {
public:
    CanalDeSinais();
    ~CanalDeSinais();
    CanalDeSinais(const CanalDeSinais&) = delete;
    CanalDeSinais& operator=(const CanalDeSinais&) = delete;

    // False when the system gave no pipe or event: then nothing is ever carried.
    bool Aberto() const noexcept;

    // Safe inside a signal handler.
    void Escrever(int sinal) noexcept;
    // The next number, without waiting; none when nothing is there.
    std::optional<int> Ler() noexcept;
    // Waits until this channel or `outro` has something to read; true when this one has.
    bool Esperar(const CanalDeSinais* outro = nullptr) const noexcept;

    // Calls `aoChegar` on the calling thread's event loop whenever something is there to read; the
    // returned object stops it when destroyed.
    std::unique_ptr<QObject> NotificarNoLaco(std::function<void()> aoChegar) const;

private:
    struct Nativo;
    const std::unique_ptr<Nativo> nativo_;
};

} // namespace Quorvane
