#include "ProgramaCli.h"

#include <algorithm>
#include <map>

namespace Quorvane::Testes {

std::map<QString, QString> ClienteDoServidorDeTeste()
{
    const QString raiz = qEnvironmentVariable("QUORVANE_SERVIDOR_RAIZ");
    if (raiz.isEmpty() || qEnvironmentVariable("QUORVANE_SERVIDOR_DA_MAQUINA").isEmpty())
        return {};
    return {{QStringLiteral("FIREBIRD"), raiz}};
}

std::filesystem::path BancoDe(const std::string& nome)
{
    static const std::map<std::string, std::vector<std::string>> scripts = {
        {"checks-a", {"tests/fixtures/checks-a.sql"}},
        {"estranho", {"tests/fixtures/checks-a.sql", "tests/fixtures/awkward-text.sql"}},
        {"sem-data", {"tests/fixtures/no-start-date.sql"}},
        {"sem-tb002", {"tests/fixtures/checks-a.sql", "tests/fixtures/missing-table.sql"}},
        {"sem-fim", {"tests/fixtures/checks-a.sql", "tests/fixtures/endless-check.sql"}},
        {"sem-parametro", {"tests/fixtures/tipos.sql"}},
        {"corrigido", {"tests/fixtures/checks-a.sql", "tests/fixtures/mended-and-added.sql"}},
        {"hostil", {"tests/fixtures/checks-a.sql", "tests/fixtures/hostile-text.sql"}},
        {"sem-m6-valor", {"tests/fixtures/checks-a.sql", "tests/fixtures/no-start-date-column.sql"}},
        {"avisos", {"tests/fixtures/checks-a.sql", "tests/fixtures/null-keys.sql", "tests/fixtures/missing-index.sql"}},
        {"controles", {"tests/fixtures/checks-a.sql", "tests/fixtures/control-text.sql"}},
        {"avisos-sem-fim", {"tests/fixtures/checks-a.sql", "tests/fixtures/endless-null-scan.sql"}},
    };
    static PastaTemporaria pasta;
    const auto banco = pasta / (nome + ".fdb");
    if (!std::filesystem::exists(banco)) {
        CriarBanco(scripts.at(nome), banco);
        if (nome == "checks-a")
            TornarSomenteLeitura(banco);
        EscreverConfig(pasta / (nome + ".ini"), QString::fromStdString(banco.string()));
    }
    return banco;
}

QString ConfigDe(const std::string& nome)
{
    return QString::fromStdString(BancoDe(nome).replace_extension(".ini").string());
}

ExecucaoCli RodarNoBanco(const std::string& nome, const QStringList& argumentos, const QString& lang)
{
    return RodarCli(QStringList{QStringLiteral("--config"), ConfigDe(nome)} + argumentos, lang);
}

std::vector<AchadoEsperado> NaOrdemDaTelaDeLog(const std::string& arquivoEsperado)
{
    auto achados = LerAchadosEsperados(arquivoEsperado);
    // The expected files list findings in run order; the log window re-sorts them by correction,
    // ordinal over UTF-16 code units, keeping run order among equals.
    std::stable_sort(achados.begin(), achados.end(), [](const AchadoEsperado& a, const AchadoEsperado& b) {
        return std::lexicographical_compare(a.correcao.begin(), a.correcao.end(), b.correcao.begin(), b.correcao.end(),
                                            [](QChar x, QChar y) { return x.unicode() < y.unicode(); });
    });
    return achados;
}

QStringList TsvEsperado(const std::string& arquivoEsperado)
{
    QStringList linhas{QStringLiteral("Alerta\tErro\tCorreção")};
    for (const auto& a : NaOrdemDaTelaDeLog(arquivoEsperado)) {
        const bool erro = a.tipo == u"Erro";
        linhas << (erro ? QString() : a.texto) + u'\t' + (erro ? a.texto : QString()) + u'\t' + a.correcao;
    }
    return linhas;
}

} // namespace Quorvane::Testes
