#include "EnderecosDaMaquina.h"

#include "Soquetes.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace Quorvane {

namespace {

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
    return AlgumEnderecoDasInterfaces([&e](const sockaddr* endereco) { return Ler(endereco) == e; });
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
    return SoquetesDisponiveis() && ::gethostname(nome, sizeof nome - 1) == 0 ? QString::fromLocal8Bit(nome).toLower() : QString();
}

bool NomeResolveParaEstaMaquina(const QString& nome)
{
    if (!SoquetesDisponiveis())
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
