#include "AplicativoDoDesktop.h"

#include "AplicativoPadrao.h"
#include "TextoDeCaminho.h"

#include <QCoreApplication>
#include <QProcess>

namespace Quorvane {

namespace {

// The kinds of file this program hands to the desktop.
QString TipoMime(const std::filesystem::path& arquivo)
{
    if (arquivo.extension() == ".xlsx")
        return QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet");
    return {};
}

} // namespace

std::optional<AplicativoDoDesktop> ProcurarAplicativoDoDesktop(const std::filesystem::path& arquivo)
{
    std::error_code erro;
    const std::filesystem::path absoluto = std::filesystem::absolute(arquivo, erro);
    const QString tipo = TipoMime(arquivo);
    if (tipo.isEmpty())
        return std::nullopt;
    AplicativoDoDesktop aplicativo{erro ? arquivo : absoluto, {}};
    aplicativo.comando = ComandoDoAplicativoPadrao(tipo, NomeParaExibir(aplicativo.arquivo));
    if (aplicativo.comando.isEmpty())
        return std::nullopt;
    return aplicativo;
}

bool AbrirNoAplicativo(const AplicativoDoDesktop& aplicativo, std::function<void()> falhou)
{
    // Not "gio open" nor QDesktopServices: both answer once the application has started, and
    // never hear that it failed. A shell starts it and reports how it ended, if that is within
    // the first seconds; after that it is the user's, and goes on when this program ends.
    const QString vigiar = QStringLiteral(
        "\"$@\" </dev/null & p=$!; i=0\n"
        "while [ $i -lt %1 ]; do\n"
        "  if ! kill -0 $p 2>/dev/null; then wait $p; exit $?; fi\n"
        "  sleep 0.1; i=$((i+1))\n"
        "done\n").arg(SegundosParaFalhar * 10);
    auto* vigia = new QProcess(QCoreApplication::instance());
    vigia->setProcessChannelMode(QProcess::ForwardedChannels);
    vigia->setStandardInputFile(QProcess::nullDevice());
    QObject::connect(vigia, &QProcess::finished, vigia, [vigia, falhou = std::move(falhou)](int codigo, QProcess::ExitStatus estado) {
        vigia->deleteLater();
        if (estado != QProcess::NormalExit || codigo != 0)
            falhou();
    });
    vigia->start(QStringLiteral("/bin/sh"), QStringList{QStringLiteral("-c"), vigiar, QStringLiteral("sh")} + aplicativo.comando);
    if (!vigia->waitForStarted()) {
        delete vigia;
        return false;
    }
    return true;
}

} // namespace Quorvane
