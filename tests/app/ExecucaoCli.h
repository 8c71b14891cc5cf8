#pragma once

#include "ArquivosDeTeste.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& texto, std::ostream* os)
{
    *os << '"' << texto.toStdString() << '"';
}

namespace Quorvane::Testes {

struct ExecucaoCli {
    int codigo = -1;
    QByteArray saida;
    QByteArray erros;
    // The line a connected run begins its standard error with (how the database was reached),
    // kept apart from `erros`.
    QString motor;

    QString Saida() const { return QString::fromUtf8(saida); }
    QString Erros() const { return QString::fromUtf8(erros); }
    // Standard output split at line feeds, without the empty piece after the last one.
    QStringList Linhas() const;
};

// Runs quorvane-cli (the one just built, or `programa`) to its end, in the given locale (empty:
// none set), with `variaveis` added to its environment.
ExecucaoCli RodarCli(const QStringList& argumentos, const QString& lang = QStringLiteral("pt_BR.UTF-8"),
                     const std::filesystem::path& programa = QUORVANE_CLI,
                     const std::map<QString, QString>& variaveis = {});

// What the runner must say for a configuration it cannot use: the single message naming the
// CAMINHO read (empty when none), nothing on standard output, status 4, and on a second line the
// reason, which is returned.
QString EsperarFalha(const ExecucaoCli& r, const QString& caminho = QString());

} // namespace Quorvane::Testes
