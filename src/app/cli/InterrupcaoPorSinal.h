#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace Quorvane {
class CanalDeSinais;
}

namespace Quorvane::Cli {

// Stops a run when the process is asked to (SIGTERM, SIGINT, SIGHUP, and on Windows the
// console's events). Made once the connection is open, so that it takes the signals back from the
// Firebird client. At the first signal it calls `cancelar` (the engine's, which sees the check
// through), and Sinal() tells the run to start no other check.
class InterrupcaoPorSinal {
public:
    explicit InterrupcaoPorSinal(std::function<void()> cancelar);
    ~InterrupcaoPorSinal();
    InterrupcaoPorSinal(const InterrupcaoPorSinal&) = delete;
    InterrupcaoPorSinal& operator=(const InterrupcaoPorSinal&) = delete;

    // The signal that came (the first), or 0.
    int Sinal() const { return sinal_; }

private:
    void Vigiar();

    const std::function<void()> cancelar_;
    CanalDeSinais* const sinais_;
    std::unique_ptr<CanalDeSinais> despertar_;
    std::atomic<int> sinal_{0};
    std::thread thread_;
};

} // namespace Quorvane::Cli
