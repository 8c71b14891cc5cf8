#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace Quorvane::Testes {

// A TCP relay on 127.0.0.1 in front of the test server, that a test can cut to make the
// server vanish from the client's point of view in the middle of a statement.
class ProxyTcp {
public:
    // portaDestino 0: the test server's port.
    explicit ProxyTcp(std::uint16_t portaDestino = 0);
    ~ProxyTcp();
    ProxyTcp(const ProxyTcp&) = delete;
    ProxyTcp& operator=(const ProxyTcp&) = delete;

    std::uint16_t Porta() const { return porta_; }
    // Closes every relayed connection and refuses new ones.
    void Derrubar();
    // The connections relayed so far stop relaying, as if the server had frozen; new ones still work.
    void Congelar();

private:
    void Aceitar();
    void Encaminhar(int de, int para, int geracao);

    std::uint16_t portaDestino_;
    std::uint16_t porta_ = 0;
    int escuta_ = -1; // after porta_: made with it
    std::atomic<bool> derrubado_{false};
    std::atomic<int> geracao_{0}; // connections accepted before Congelar hold their data
    std::mutex trava_;
    std::vector<int> sockets_;
    std::vector<std::thread> threads_;
    std::thread aceitador_;
};

// A port on 127.0.0.1 that accepts connections and never answers, like a hung server.
class PortaMuda {
public:
    PortaMuda();
    ~PortaMuda();
    PortaMuda(const PortaMuda&) = delete;
    PortaMuda& operator=(const PortaMuda&) = delete;
    std::uint16_t Porta() const { return porta_; }

private:
    std::uint16_t porta_ = 0;
    int escuta_ = -1; // after porta_: made with it
};

} // namespace Quorvane::Testes
