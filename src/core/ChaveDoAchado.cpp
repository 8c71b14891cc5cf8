#include "ChaveDoAchado.h"

#include <QtEndian>

namespace Quorvane {

void ChaveDoAchado::Juntar(const QString& valor)
{
    // Each value with its length before it: no two lists of values give the same bytes.
    const QByteArray bytes = valor.toUtf8();
    const quint32 tamanho = qToBigEndian(static_cast<quint32>(bytes.size()));
    hash_.addData(QByteArrayView(reinterpret_cast<const char*>(&tamanho), sizeof tamanho));
    hash_.addData(bytes);
}

std::uint64_t ChaveDoAchado::Resultado()
{
    const QByteArray resumo = hash_.result();
    hash_.reset();
    return qFromBigEndian<quint64>(resumo.constData());
}

std::uint64_t ChaveDoAchado::DosValores(const QString& verificacao, const std::vector<QString>& valores)
{
    Juntar(verificacao);
    for (const QString& valor : valores)
        Juntar(valor);
    return Resultado();
}

std::uint64_t ChaveDoAchado::DosTextos(const QString& verificacao, const TLogAlertasAndErros& achado)
{
    // Another first value than any check's values can give: the two kinds of key never meet.
    Juntar(QStringLiteral("textos"));
    Juntar(verificacao);
    Juntar(achado.FAlerta);
    Juntar(achado.FErro);
    Juntar(achado.FCorrecao);
    return Resultado();
}

QString ChaveEmTexto(std::uint64_t chave)
{
    return QStringLiteral("%1").arg(chave, 16, 16, QChar(u'0'));
}

std::optional<std::uint64_t> LerChave(const QString& texto)
{
    bool ok = false;
    const std::uint64_t chave = texto.toULongLong(&ok, 16);
    if (!ok || texto.size() != 16)
        return std::nullopt;
    return chave;
}

} // namespace Quorvane
