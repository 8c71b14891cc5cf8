#include "AplicativoPadrao.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>

namespace Quorvane {

namespace {

// "gio mime TYPE" in the C locale: the default, or the applications registered for the type.
QString IdDoAplicativo(const QString& tipoMime)
{
    QProcess gio;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    ambiente.remove(QStringLiteral("LANGUAGE"));
    gio.setProcessEnvironment(ambiente);
    gio.setStandardInputFile(QProcess::nullDevice());
    gio.start(QStringLiteral("gio"), {QStringLiteral("mime"), tipoMime});
    if (!gio.waitForFinished(10000) || gio.exitStatus() != QProcess::NormalExit || gio.exitCode() != 0) {
        gio.kill();
        gio.waitForFinished();
        return {};
    }
    const QStringList linhas = QString::fromUtf8(gio.readAllStandardOutput()).split(u'\n');
    static const QRegularExpression padrao(QStringLiteral("^Default application for .*: (\\S+\\.desktop)$"));
    for (const QString& linha : linhas)
        if (const auto achado = padrao.match(linha.trimmed()); achado.hasMatch())
            return achado.captured(1);
    // No default: the first application listed after a heading, as gio open takes it.
    for (qsizetype i = 0; i + 1 < linhas.size(); ++i)
        if (linhas[i].endsWith(u':') && linhas[i + 1].trimmed().endsWith(QStringLiteral(".desktop")))
            return linhas[i + 1].trimmed();
    return {};
}

// The Exec key of the [Desktop Entry] group, its string escapes undone.
QString ExecDaEntrada(const QString& arquivoDesktop)
{
    QFile arquivo(arquivoDesktop);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    bool naEntrada = false;
    for (const QByteArray& bruta : arquivo.readAll().split('\n')) {
        const QString linha = QString::fromUtf8(bruta).trimmed();
        if (linha.startsWith(u'['))
            naEntrada = linha == QStringLiteral("[Desktop Entry]");
        else if (naEntrada && linha.startsWith(QStringLiteral("Exec")) && linha.mid(4).trimmed().startsWith(u'=')) {
            QString valor = linha.mid(linha.indexOf(u'=') + 1).trimmed();
            QString sem;
            for (qsizetype i = 0; i < valor.size(); ++i) {
                if (valor[i] != u'\\' || i + 1 == valor.size()) {
                    sem += valor[i];
                    continue;
                }
                const QChar c = valor[++i];
                sem += c == u's' ? QChar(u' ') : c == u'n' ? QChar(u'\n') : c == u't' ? QChar(u'\t') : c == u'r' ? QChar(u'\r') : c;
                if (c != u's' && c != u'n' && c != u't' && c != u'r' && c != u'\\')
                    sem.insert(sem.size() - 1, u'\\');
            }
            return sem;
        }
    }
    return {};
}

} // namespace

QStringList ArgumentosDoExec(const QString& exec, const QString& arquivo)
{
    QStringList argumentos;
    QString atual;
    bool temArgumento = false;
    bool aspas = false;
    bool nomeado = false;
    const QString url = QUrl::fromLocalFile(arquivo).toString(QUrl::FullyEncoded);
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (aspas) {
            if (c == u'"')
                aspas = false;
            else if (c == u'\\' && i + 1 < exec.size())
                atual += exec[++i];
            else
                atual += c;
        } else if (c == u'"') {
            aspas = temArgumento = true;
        } else if (c == u' ' || c == u'\t') {
            if (temArgumento)
                argumentos << atual;
            atual.clear();
            temArgumento = false;
        } else if (c == u'%' && i + 1 < exec.size()) {
            const QChar codigo = exec[++i];
            if (codigo == u'%') {
                atual += u'%';
                temArgumento = true;
            } else if (codigo == u'f' || codigo == u'F') {
                atual += arquivo;
                temArgumento = nomeado = true;
            } else if (codigo == u'u' || codigo == u'U') {
                atual += url;
                temArgumento = nomeado = true;
            }
        } else {
            atual += c;
            temArgumento = true;
        }
    }
    if (aspas)
        return {};
    if (temArgumento)
        argumentos << atual;
    if (argumentos.isEmpty())
        return {};
    if (!nomeado)
        argumentos << arquivo;
    return argumentos;
}

QStringList ComandoDoAplicativoPadrao(const QString& tipoMime, const QString& arquivo)
{
    const QString id = IdDoAplicativo(tipoMime);
    if (id.isEmpty())
        return {};
    const QString entrada = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
    if (entrada.isEmpty())
        return {};
    return ArgumentosDoExec(ExecDaEntrada(entrada), arquivo);
}

} // namespace Quorvane
