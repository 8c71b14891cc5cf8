#include "Planilhas.h"

#include "BancosDeTeste.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include <stdexcept>

namespace Quorvane::Testes {

QJsonObject LerPlanilha(const std::filesystem::path& arquivo)
{
    QProcess leitor;
    leitor.start(QStringLiteral("/usr/bin/python3"),
                 {QString::fromStdString((RaizDoProjeto() / "tests/tools/ler-planilha.py").string()),
                  QString::fromStdString(arquivo.string())});
    if (!leitor.waitForFinished(120000) || leitor.exitCode() != 0)
        throw std::runtime_error("openpyxl não leu " + arquivo.string() + ": " + leitor.readAllStandardError().toStdString());
    return QJsonDocument::fromJson(leitor.readAllStandardOutput()).object();
}

std::vector<QStringList> CelulasDaPlanilha(const std::filesystem::path& arquivo)
{
    std::vector<QStringList> linhas;
    for (const auto& linha : LerPlanilha(arquivo)[QStringLiteral("linhas")].toArray()) {
        QStringList celulas;
        for (const auto& c : linha.toArray())
            celulas << c.toString();
        while (celulas.size() < 3)
            celulas << QString();
        linhas.push_back(celulas);
    }
    return linhas;
}

} // namespace Quorvane::Testes
