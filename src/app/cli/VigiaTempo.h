#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace Quorvane::Cli {

// A watchdog thread: once armed, calls aoEsgotar if it is not disarmed within the limit, and
// again every `insistencia` until it is (the server drops a cancel that arrives between two
// calls, so one may not be enough). aoEsgotar runs under the watchdog's lock: once Desarmar has
// returned it does not run any more for that arming.
class VigiaTempo {
public:
    VigiaTempo(std::chrono::milliseconds limite, std::function<void()> aoEsgotar,
               std::chrono::milliseconds insistencia = std::chrono::milliseconds(200));
    ~VigiaTempo();
    VigiaTempo(const VigiaTempo&) = delete;
    VigiaTempo& operator=(const VigiaTempo&) = delete;

    void Armar();
    // True when the limit ran out since Armar.
    bool Desarmar();

private:
    void Vigiar();

    const std::chrono::milliseconds limite_;
    const std::chrono::milliseconds insistencia_;
    const std::function<void()> aoEsgotar_;
    std::mutex mutex_;
    std::condition_variable mudou_;
    std::optional<std::chrono::steady_clock::time_point> prazo_;
    bool esgotou_ = false;
    bool encerrar_ = false;
    std::thread thread_;
};

} // namespace Quorvane::Cli
