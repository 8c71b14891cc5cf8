#include "CaminhoDoBanco.h"

#include <optional>

namespace Quorvane {

namespace {

struct Remoto {
    QString host;
    QString arquivo;
};

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
    return Remoto{host, caminho.mid(doisPontos + 1)};
}

bool TemProtocolo(const QString& caminho)
{
    return caminho.contains(QStringLiteral("://")) || caminho.startsWith(QStringLiteral("\\\\"));
}

bool EhEstaMaquina(QString host)
{
    host = host.toLower();
    if (host.startsWith(u'[') && host.endsWith(u']'))
        host = host.mid(1, host.size() - 2);
    return host == u"localhost" || host == u"::1" || host.startsWith(QStringLiteral("127."));
}

} // namespace

bool EhCaminhoLocal(const QString& caminho)
{
    return !caminho.isEmpty() && !TemProtocolo(caminho) && !LerRemoto(caminho);
}

QString ArquivoDoBancoNestaMaquina(const QString& caminho)
{
    if (EhCaminhoLocal(caminho))
        return caminho;
    if (TemProtocolo(caminho))
        return {};
    const auto remoto = LerRemoto(caminho);
    return remoto && EhEstaMaquina(remoto->host) ? remoto->arquivo : QString();
}

} // namespace Quorvane
