#include "CaminhoDoBanco.h"

#include "EnderecosDaMaquina.h"

#include <optional>

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

// "C:\dados\erp.fdb", "c:/dados/erp.fdb": a drive letter, not a server named "C", as the client
// on Windows reads it (no server is ever named by one letter).
bool ComecaComUnidade(const QString& caminho)
{
    return caminho.size() >= 2 && caminho[1] == u':' && caminho[0].isLetter() && caminho[0].unicode() < 0x80;
}

// "\\servidor\pasta\erp.fdb": a file on a Windows share, which the client opens as a file.
bool EhCompartilhamento(const QString& caminho)
{
    return caminho.startsWith(QStringLiteral("\\\\")) || caminho.startsWith(QStringLiteral("//"));
}

// A file path that names its folder from the root: "/dados", "C:\dados", "\\servidor\dados".
bool EhCaminhoAbsoluto(const QString& arquivo)
{
    return arquivo.startsWith(u'/') || arquivo.startsWith(u'\\') ||
           (ComecaComUnidade(arquivo) && arquivo.size() > 2 && (arquivo[2] == u'\\' || arquivo[2] == u'/'));
}

// "host:arquivo", "host/porta:arquivo", "[ipv6]:arquivo", "[ipv6]/porta:arquivo". A path that
// begins with "/" or a drive letter is a file of this machine even when a colon follows.
std::optional<Remoto> LerRemoto(const QString& caminho)
{
    if (caminho.startsWith(u'/') || caminho.startsWith(u'\\') || ComecaComUnidade(caminho))
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
    return caminho.contains(QStringLiteral("://")) && !EhCompartilhamento(caminho) && !ComecaComUnidade(caminho);
}

std::optional<Remoto> LerServidor(const QString& caminho)
{
    if (TemProtocolo(caminho))
        return LerUrl(caminho);
    return LerRemoto(caminho);
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
    if (const auto destaMaquina = EnderecoEhDestaMaquina(host))
        return *destaMaquina;
    const QString estaMaquina = NomeDestaMaquina();
    if (!estaMaquina.isEmpty() &&
        (host == estaMaquina || host.section(u'.', 0, 0) == estaMaquina.section(u'.', 0, 0)))
        return true;
    return resolverNomes && NomeResolveParaEstaMaquina(servidor);
}

QString ArquivoDoBancoNestaMaquina(const QString& caminho)
{
    if (EhCaminhoLocal(caminho))
        return caminho;
    const auto remoto = LerServidor(caminho);
    // A name with no folder is an alias of the server's databases.conf: the server alone knows it.
    return remoto && EhEstaMaquina(remoto->host) && EhCaminhoAbsoluto(remoto->arquivo) ? remoto->arquivo : QString();
}

} // namespace Quorvane
