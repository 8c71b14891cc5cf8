#include "PreferenciasJanelaLog.h"

#include <QSettings>
#include <QVariantList>

namespace Quorvane {

namespace {

QSettings Configuracao()
{
    return QSettings(QStringLiteral("Quorvane"), QStringLiteral("quorvane"));
}

} // namespace

PreferenciasJanelaLog PreferenciasJanelaLog::Ler()
{
    const QSettings configuracao = Configuracao();
    PreferenciasJanelaLog preferencias;
    const QSize tamanho = configuracao.value(QStringLiteral("JanelaLog/tamanho")).toSize();
    if (tamanho.width() >= 200 && tamanho.height() >= 150)
        preferencias.tamanho = tamanho;
    preferencias.maximizada = configuracao.value(QStringLiteral("JanelaLog/maximizada")).toBool();
    const QVariantList colunas = configuracao.value(QStringLiteral("JanelaLog/colunas")).toList();
    for (const QVariant& coluna : colunas) {
        bool ok = false;
        const double parte = coluna.toDouble(&ok);
        if (!ok || !(parte > 0.01 && parte < 10.0))
            return {preferencias.tamanho, preferencias.maximizada, {}};
        preferencias.colunas.push_back(parte);
    }
    if (preferencias.colunas.size() != 3)
        preferencias.colunas.clear();
    return preferencias;
}

void PreferenciasJanelaLog::Gravar() const
{
    QSettings configuracao = Configuracao();
    configuracao.setValue(QStringLiteral("JanelaLog/tamanho"), tamanho);
    configuracao.setValue(QStringLiteral("JanelaLog/maximizada"), maximizada);
    QVariantList partes;
    for (const double parte : colunas)
        partes << parte;
    if (partes.isEmpty())
        configuracao.remove(QStringLiteral("JanelaLog/colunas"));
    else
        configuracao.setValue(QStringLiteral("JanelaLog/colunas"), partes);
}

} // namespace Quorvane
