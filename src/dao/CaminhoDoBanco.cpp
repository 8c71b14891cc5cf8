#include "CaminhoDoBanco.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <netdb.h>
#include <sys/socket.h>
#include <unistd.h>

namespace Quorvane {

namespace {

struct Remoto {
    QString host;
    QString arquivo;
};

// "host:porta" or "[ipv6]:porta" to the host alone, without brackets.
QString SemPorta(QString host)
{
    if (host.startsWith(u'[')) {
        const qsizetype fecha = host.indexOf(u']');
        return fecha < 0 ? host.mid(1) : host.mid(1, fecha - 1);
    }
    if (host.count(u':') == 1)
        host.truncate(host.indexOf(u':'));
    return host;
}

// "inet://host:porta/arquivo" (also inet4, inet6): an absolute file is written after a second
// slash ("inet://host//dados/erp.fdb"); without a host, the server of this machine.
std::optional<Remoto> LerUrl(const QString& caminho)
{
    const qsizetype protocolo = caminho.indexOf(QStringLiteral("://"));
    if (protocolo < 0)
        return std::nullopt;
    const QString nome = caminho.left(protocolo).toLower();
    if (nome != u"inet" && nome != u"inet4" && nome != u"inet6")
        return std::nullopt;
    const QString resto = caminho.mid(protocolo + 3);
    const qsizetype barra = resto.indexOf(u'/', resto.startsWith(u'[') ? resto.indexOf(u']') : 0);
    if (barra < 0)
        return Remoto{SemPorta(resto), QString()};
    const QString host = SemPorta(resto.left(barra));
    return Remoto{host.isEmpty() ? QStringLiteral("localhost") : host, resto.mid(barra + 1)};
}

// "host:arquivo", "host/porta:arquivo", "[ipv6]:arquivo", "[ipv6]/porta:arquivo". A path that
// begins with "/" is a file of this machine even when a colon follows.
std::optional<Remoto> LerRemoto(const QString& caminho)
{
    if (caminho.startsWith(u'/'))
        return std::nullopt;
    qsizetype inicioBusca = 0;
    if (caminho.startsWith(u'[')) {
        inicioBusca = caminho.indexOf(u']');
        if (inicioBusca < 0)
            return std::nullopt;
    }
    const qsizetype doisPontos = caminho.indexOf(u':', inicioBusca);
    if (doisPontos <= 0)
        return std::nullopt;
    QString host = caminho.left(doisPontos);
    const qsizetype barra = host.indexOf(u'/', inicioBusca);
    if (barra >= 0)
        host.truncate(barra);
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    return Remoto{host, caminho.mid(doisPontos + 1)};
}

bool TemProtocolo(const QString& caminho)
{
    return caminho.contains(QStringLiteral("://")) || caminho.startsWith(QStringLiteral("\\\\"));
}

std::optional<Remoto> LerServidor(const QString& caminho)
{
    if (caminho.contains(QStringLiteral("://")))
        return LerUrl(caminho);
    if (TemProtocolo(caminho))
        return std::nullopt;
    return LerRemoto(caminho);
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
    ifaddrs* interfaces = nullptr;
    if (::getifaddrs(&interfaces) != 0)
        return false;
    bool achou = false;
    for (const ifaddrs* i = interfaces; i && !achou; i = i->ifa_next)
        if (i->ifa_addr)
            achou = Ler(i->ifa_addr) == e;
    ::freeifaddrs(interfaces);
    return achou;
}

QString NomeDestaMaquina()
{
    char nome[256] = {};
    return ::gethostname(nome, sizeof nome - 1) == 0 ? QString::fromLocal8Bit(nome).toLower() : QString();
}

bool ResolveParaEstaMaquina(const QString& nome)
{
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

} // namespace

bool EhCaminhoLocal(const QString& caminho)
{
    return !caminho.isEmpty() && !TemProtocolo(caminho) && !LerRemoto(caminho);
}

QString ServidorDoCaminho(const QString& caminho)
{
    const auto remoto = LerServidor(caminho);
    return remoto ? remoto->host : QString();
}

bool EhEstaMaquina(const QString& servidor, bool resolverNomes)
{
    const QString host = servidor.toLower();
    if (host.isEmpty())
        return false;
    if (host == u"localhost" || host.endsWith(QStringLiteral(".localhost")))
        return true;
    if (const auto endereco = Ler(host))
        return EnderecoDestaMaquina(*endereco);
    const QString estaMaquina = NomeDestaMaquina();
    if (!estaMaquina.isEmpty() &&
        (host == estaMaquina || host.section(u'.', 0, 0) == estaMaquina.section(u'.', 0, 0)))
        return true;
    return resolverNomes && ResolveParaEstaMaquina(servidor);
}

QString ArquivoDoBancoNestaMaquina(const QString& caminho)
{
    if (EhCaminhoLocal(caminho))
        return caminho;
    const auto remoto = LerServidor(caminho);
    // A name with no folder is an alias of the server's databases.conf: the server alone knows it.
    return remoto && EhEstaMaquina(remoto->host) && remoto->arquivo.startsWith(u'/') ? remoto->arquivo : QString();
}

} // namespace Quorvane
