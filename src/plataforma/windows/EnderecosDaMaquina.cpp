#include "EnderecosDaMaquina.h"

#include <algorithm>
#include <array>
#include <cstring>

#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include <vector>

namespace Quorvane {

namespace {

// Winsock answers nothing until a process has started it; it stays started until the process ends.
bool WinsockIniciado()
{
    static const bool iniciado = [] {
        WSADATA dados{};
        return ::WSAStartup(MAKEWORD(2, 2), &dados) == 0;
    }();
    return iniciado;
}

// An address as 16 bytes, an IPv4 one (or an IPv4-mapped IPv6 one) as ::ffff:a.b.c.d.
using Endereco = std::array<unsigned char, 16>;

std::optional<Endereco> Ler(const sockaddr* endereco)
{
    Endereco bytes{};
    if (endereco->sa_family == AF_INET) {
        bytes[10] = bytes[11] = 0xFF;
        std::memcpy(bytes.data() + 12, &reinterpret_cast<const sockaddr_in*>(endereco)->sin_addr, 4);
        return bytes;
    }
    if (endereco->sa_family == AF_INET6) {
        std::memcpy(bytes.data(), &reinterpret_cast<const sockaddr_in6*>(endereco)->sin6_addr, 16);
        return bytes;
    }
    return std::nullopt;
}

std::optional<Endereco> Ler(const QString& texto)
{
    const QByteArray bytes = texto.toLatin1();
    sockaddr_in v4{};
    sockaddr_in6 v6{};
    if (::inet_pton(AF_INET, bytes.constData(), &v4.sin_addr) == 1) {
        v4.sin_family = AF_INET;
        return Ler(reinterpret_cast<const sockaddr*>(&v4));
    }
    if (::inet_pton(AF_INET6, bytes.constData(), &v6.sin6_addr) == 1) {
        v6.sin6_family = AF_INET6;
        return Ler(reinterpret_cast<const sockaddr*>(&v6));
    }
    return std::nullopt;
}

bool EnderecoDestaMaquina(const Endereco& e)
{
    static constexpr Endereco Loopback6{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1};
    static constexpr Endereco Qualquer6{};
    const bool mapeado = std::all_of(e.begin(), e.begin() + 10, [](unsigned char b) { return b == 0; }) && e[10] == 0xFF && e[11] == 0xFF;
    if (e == Loopback6 || e == Qualquer6 || (mapeado && (e[12] == 127 || (e[12] | e[13] | e[14] | e[15]) == 0)))
        return true;
    ULONG bytes = 16 * 1024;
    std::vector<unsigned char> memoria;
    ULONG resultado = ERROR_BUFFER_OVERFLOW;
    for (int tentativa = 0; tentativa < 3 && resultado == ERROR_BUFFER_OVERFLOW; ++tentativa) {
        memoria.resize(bytes);
        resultado = ::GetAdaptersAddresses(AF_UNSPEC, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
                                           nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(memoria.data()), &bytes);
    }
    if (resultado != NO_ERROR)
        return false;
    bool achou = false;
    for (auto* a = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(memoria.data()); a && !achou; a = a->Next)
        for (const IP_ADAPTER_UNICAST_ADDRESS* u = a->FirstUnicastAddress; u && !achou; u = u->Next)
            achou = Ler(u->Address.lpSockaddr) == e;
    return achou;
}

} // namespace

std::optional<bool> EnderecoEhDestaMaquina(const QString& texto)
{
    const auto endereco = Ler(texto);
    return endereco ? std::optional<bool>(EnderecoDestaMaquina(*endereco)) : std::nullopt;
}

QString NomeDestaMaquina()
{
    char nome[256] = {};
    return WinsockIniciado() && ::gethostname(nome, sizeof nome - 1) == 0 ? QString::fromLocal8Bit(nome).toLower() : QString();
}

bool NomeResolveParaEstaMaquina(const QString& nome)
{
    if (!WinsockIniciado())
        return false;
    addrinfo dica{};
    dica.ai_socktype = SOCK_STREAM;
    addrinfo* enderecos = nullptr;
    if (::getaddrinfo(nome.toUtf8().constData(), nullptr, &dica, &enderecos) != 0)
        return false;
    bool achou = false;
    for (const addrinfo* a = enderecos; a && !achou; a = a->ai_next)
        if (const auto endereco = Ler(a->ai_addr))
            achou = EnderecoDestaMaquina(*endereco);
    ::freeaddrinfo(enderecos);
    return achou;
}

} // namespace Quorvane
