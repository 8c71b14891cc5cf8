#include "ExecucaoCli.h"

#include <QProcess>
#include <QProcessEnvironment>

namespace Quorvane::Testes {

QStringList ExecucaoCli::Linhas() const
{
    QStringList linhas = Saida().split(u'\n');
    if (!linhas.isEmpty() && linhas.last().isEmpty())
        linhas.removeLast();
    return linhas;
}

ExecucaoCli RodarCli(const QStringList& argumentos, const QString& lang, const std::filesystem::path& programa,
                     const std::map<QString, QString>& variaveis)
{
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* variavel : {"LANG", "LC_ALL", "LC_CTYPE"})
        ambiente.remove(QString::fromLatin1(variavel));
    if (!lang.isEmpty()) {
        ambiente.insert(QStringLiteral("LANG"), lang);
        ambiente.insert(QStringLiteral("LC_ALL"), lang);
    }
    for (const auto& [nome, valor] : variaveis)
        ambiente.insert(nome, valor);
    QProcess processo;
    processo.setProcessEnvironment(ambiente);
    processo.start(QString::fromStdString(programa.string()), argumentos);
    ExecucaoCli execucao;
    if (!processo.waitForFinished(180000)) {
        processo.kill();
        processo.waitForFinished();
        ADD_FAILURE() << "quorvane-cli não terminou: " << argumentos.join(u' ').toStdString();
        return execucao;
    }
    execucao.saida = processo.readAllStandardOutput();
    execucao.erros = processo.readAllStandardError();
    if (execucao.erros.startsWith("Motor: ")) {
        const qsizetype fim = execucao.erros.indexOf('\n') + 1;
        execucao.motor = QString::fromUtf8(execucao.erros.left(fim > 0 ? fim - 1 : execucao.erros.size()));
        execucao.erros.remove(0, fim > 0 ? fim : execucao.erros.size());
    }
    execucao.codigo = processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1;
    return execucao;
}

QString EsperarFalha(const ExecucaoCli& r, const QString& caminho)
{
    EXPECT_EQ(r.codigo, 4) << r.Erros().toStdString();
    EXPECT_TRUE(r.saida.isEmpty());
    const QStringList linhas = r.Erros().split(u'\n');
    EXPECT_EQ(linhas.value(0), QStringLiteral("Não foi possível criar uma conexão com o banco ") + caminho);
    EXPECT_EQ(linhas.size(), 3) << r.Erros().toStdString();
    EXPECT_TRUE(linhas.last().isEmpty());
    return linhas.value(1);
}

} // namespace Quorvane::Testes
