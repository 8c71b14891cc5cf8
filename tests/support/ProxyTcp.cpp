#include "ProxyTcp.h"

#include "BancosDeTeste.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>

namespace Quorvane::Testes {

namespace {

sockaddr_in Loopback(std::uint16_t porta)
{
    sockaddr_in endereco{};
    endereco.sin_family = AF_INET;
    endereco.sin_port = htons(porta);
    endereco.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return endereco;
}

// A socket listening on a free port of 127.0.0.1; the port is returned through `porta`.
int Escutar(std::uint16_t& porta)
{
    const int escuta = ::socket(AF_INET, SOCK_STREAM, 0);
    if (escuta < 0)
        throw std::runtime_error("não foi possível criar um socket");
    sockaddr_in endereco = Loopback(0);
    socklen_t tamanho = sizeof endereco;
    if (::bind(escuta, reinterpret_cast<sockaddr*>(&endereco), sizeof endereco) != 0 || ::listen(escuta, 16) != 0 ||
        ::getsockname(escuta, reinterpret_cast<sockaddr*>(&endereco), &tamanho) != 0) {
        ::close(escuta);
        throw std::runtime_error("não foi possível escutar em 127.0.0.1");
    }
    porta = ntohs(endereco.sin_port);
    return escuta;
}

} // namespace

ProxyTcp::ProxyTcp(std::uint16_t portaDestino)
    : portaDestino_(portaDestino ? portaDestino : PortaDoServidorDeTeste()), escuta_(Escutar(porta_))
{
    aceitador_ = std::thread([this] { Aceitar(); });
}

ProxyTcp::~ProxyTcp()
{
    Derrubar();
    aceitador_.join();
    for (auto& t : threads_)
        t.join();
    for (const int s : sockets_)
        ::close(s);
}

void ProxyTcp::Aceitar()
{
    for (;;) {
        const int cliente = ::accept(escuta_, nullptr, nullptr);
        if (cliente < 0)
            return;
        const int servidor = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in destino = Loopback(portaDestino_);
        std::lock_guard trava(trava_);
        if (derrubado_ || servidor < 0 || ::connect(servidor, reinterpret_cast<const sockaddr*>(&destino), sizeof destino) != 0) {
            ::close(cliente);
            if (servidor >= 0)
                ::close(servidor);
            continue;
        }
        sockets_.push_back(cliente);
        sockets_.push_back(servidor);
        const int geracao = geracao_;
        threads_.emplace_back([this, cliente, servidor, geracao] { Encaminhar(cliente, servidor, geracao); });
        threads_.emplace_back([this, cliente, servidor, geracao] { Encaminhar(servidor, cliente, geracao); });
    }
}

void ProxyTcp::Encaminhar(int de, int para, int geracao)
{
    char dados[65536];
    for (;;) {
        const ssize_t lidos = ::recv(de, dados, sizeof dados, 0);
        if (lidos <= 0)
            break;
        while (geracao != geracao_ && !derrubado_)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (ssize_t enviados = 0; enviados < lidos;) {
            const ssize_t n = ::send(para, dados + enviados, static_cast<std::size_t>(lidos - enviados), MSG_NOSIGNAL);
            if (n <= 0)
                return;
            enviados += n;
        }
    }
    ::shutdown(para, SHUT_RDWR);
}

void ProxyTcp::Congelar()
{
    ++geracao_;
}

// Listening is enough: the system completes the connections, and nobody ever reads them.
PortaMuda::PortaMuda() : escuta_(Escutar(porta_)) {}

PortaMuda::~PortaMuda()
{
    ::close(escuta_);
}

void ProxyTcp::Derrubar()
{
    std::lock_guard trava(trava_);
    if (derrubado_.exchange(true))
        return;
    ::shutdown(escuta_, SHUT_RDWR);
    ::close(escuta_);
    for (const int s : sockets_)
        ::shutdown(s, SHUT_RDWR);
}

} // namespace Quorvane::Testes
