#include "ProgramaCli.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Quorvane::Testes;

namespace {

const QStringList SemData{QStringLiteral("CargaInicialSemCustoUnitarioEntrada"), QStringLiteral("CFOPBeneficiamentoTerceiroAoMesmoTempo"),
                          QStringLiteral("CFOPConsumoMovimentandoEstoque"), QStringLiteral("PrimeiroLancamentoSaidaMovimentaEstoque")};
const QStringList Json{QStringLiteral("--format"), QStringLiteral("json")};
const QStringList Tsv{QStringLiteral("--format"), QStringLiteral("tsv")};

QStringList Checks(const QStringList& nomes)
{
    QStringList argumentos;
    for (const QString& nome : nomes)
        argumentos << QStringLiteral("--check") << nome;
    return argumentos;
}

// For each check of the JSON, in order: its name and how it went.
QStringList Situacoes(const ExecucaoCli& r)
{
    QStringList situacoes;
    for (const QJsonValue& v : QJsonDocument::fromJson(r.saida)[u"verificacoes"].toArray())
        situacoes << v[u"nome"].toString() + u' ' + v[u"situacao"].toString();
    return situacoes;
}

qsizetype Achados(const ExecucaoCli& r)
{
    return QJsonDocument::fromJson(r.saida)[u"achados"].toArray().size();
}

} // namespace

TEST(CliExecucao, CodigoDeSaidaPeloAchadoMaisGrave)
{
    ExecucaoCli r = RodarNoBanco("sem-data", Checks(SemData) + Tsv);
    EXPECT_EQ(r.codigo, 0) << r.Erros().toStdString();
    EXPECT_EQ(r.Linhas(), QStringList{QStringLiteral("Alerta\tErro\tCorreção")});

    r = RodarNoBanco("checks-a", Checks({QStringLiteral("CFOPConsumoMovimentandoEstoque"), QStringLiteral("ImportacaoSemDespesas")}));
    EXPECT_EQ(r.codigo, 1) << r.Erros().toStdString();
    EXPECT_TRUE(r.Saida().endsWith(QStringLiteral("Total de registros: 9\n")));
    // Exit status 2 (an error finding): CliFormatos.
}

TEST(CliExecucao, VerificacaoQueFalhaNaoImpedeAsOutras)
{
    const ExecucaoCli r = RodarNoBanco("sem-tb002", Json);
    EXPECT_EQ(r.codigo, 3);
    // The database's own message, on standard error and in the JSON.
    EXPECT_TRUE(r.Erros().startsWith(QStringLiteral("CFOPConsumoMovimentandoEstoque: não executada: "))) << r.Erros().toStdString();
    EXPECT_TRUE(r.Erros().contains(QStringLiteral("TB002"))) << r.Erros().toStdString();
    const QJsonObject falhou = QJsonDocument::fromJson(r.saida)[u"verificacoes"][2].toObject();
    EXPECT_EQ(falhou[u"situacao"].toString(), QStringLiteral("falhou"));
    EXPECT_TRUE(falhou[u"erro"].toString().contains(QStringLiteral("TB002")));
    EXPECT_EQ(falhou[u"codigo"].toInteger(), 335544569);
    EXPECT_EQ(falhou[u"sqlstate"].toString(), QStringLiteral("42S02"));
    EXPECT_EQ(falhou[u"achados"].toInt(-1), 0);
    // Every other check ran and reports as on checks-a.
    EXPECT_EQ(Situacoes(r).filter(QStringLiteral(" executada")).size(), 6);
    EXPECT_EQ(Achados(r), 33 - 3);
}

TEST(CliExecucao, SemDataCargaAsVerificacoesComDataNaoRodam)
{
    const ExecucaoCli r = RodarNoBanco("sem-data", Json);
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.Erros(), QStringLiteral("ImportacaoSemDespesas: não executada: Não tem Custo Inicial rodado..\n"
                                        "ImportacaoSemFOB: não executada: Não tem Custo Inicial rodado..\n"
                                        "AcertoEntradaSemValorUnitario: não executada: Não tem Custo Inicial rodado..\n"));
    EXPECT_TRUE(QJsonDocument::fromJson(r.saida)[u"dataCargaInicial"].isNull());
    EXPECT_EQ(Situacoes(r).filter(QStringLiteral(" semDataCarga")).size(), 3);
    // Run without a date, they would have reported every dated row.
    EXPECT_EQ(Achados(r), 0);
}

TEST(CliExecucao, SemTabelaOuColunaDaDataRodamAsQueNaoPrecisamDela)
{
    ExecucaoCli r = RodarNoBanco("sem-m6-valor", Json);
    EXPECT_EQ(r.codigo, 3);
    EXPECT_TRUE(r.Erros().startsWith(QStringLiteral("Aviso: Data Carga Inicial não lida: "))) << r.Erros().toStdString();
    EXPECT_TRUE(QJsonDocument::fromJson(r.saida)[u"avisos"][0].toString().contains(QStringLiteral("M6_VALOR")));
    EXPECT_EQ(Situacoes(r).filter(QStringLiteral(" executada")).size(), 4);
    EXPECT_EQ(Situacoes(r).filter(QStringLiteral(" semDataCarga")).size(), 3);
    EXPECT_EQ(Achados(r), 6 + 3 + 3 + 3);
    r = RodarNoBanco("sem-parametro", Json);
    EXPECT_EQ(r.codigo, 3);
    EXPECT_TRUE(r.Erros().contains(QStringLiteral("PARAMETRO"))) << r.Erros().toStdString();
}

TEST(CliExecucao, AvisosAntesDasVerificacoes)
{
    const ExecucaoCli r = RodarNoBanco("avisos", Json);
    EXPECT_EQ(r.codigo, 2);
    const QStringList avisos{
        QStringLiteral("ImportacaoSemDespesas pode levar horas: a tabela CUSTO_AQUISICAO_LCT_DESP_IMP não tem índice em "
                       "ZB_PEDNUM. Um DBA pode criá-lo com: CREATE INDEX IDX_ZB_PEDNUM ON CUSTO_AQUISICAO_LCT_DESP_IMP (ZB_PEDNUM);"),
        QStringLiteral("A tabela CUSTO_AQUISICAO_LCT_DESP_IMP tem 1 registro com ZB_PEDNUM nulo (NULL): esse registro é um "
                       "problema nos dados por si só, que nenhuma verificação aponta."),
        QStringLiteral("A tabela CUSTO_AQUISICAO_HISTORICO tem 1 registro com ZA_PROCOD nulo (NULL): esse registro é um "
                       "problema nos dados por si só, que nenhuma verificação aponta.")};
    EXPECT_EQ(r.Erros(), QStringLiteral("Aviso: ") + avisos.join(QStringLiteral("\nAviso: ")) + u'\n');
    EXPECT_EQ(QJsonDocument::fromJson(r.saida)[u"avisos"].toArray(), QJsonArray::fromStringList(avisos));
    EXPECT_EQ(Achados(r), 33);
}

TEST(CliExecucao, CheckEscolheAsVerificacoesNaOrdemDeExecucao)
{
    const ExecucaoCli r = RodarNoBanco("checks-a", Checks({QStringLiteral("AcertoEntradaSemValorUnitario"),
                                                           QStringLiteral("CFOPBeneficiamentoTerceiroAoMesmoTempo"),
                                                           QStringLiteral("AcertoEntradaSemValorUnitario")}) + Json);
    EXPECT_EQ(r.codigo, 2);
    EXPECT_EQ(Situacoes(r), (QStringList{QStringLiteral("CFOPBeneficiamentoTerceiroAoMesmoTempo executada"),
                                         QStringLiteral("AcertoEntradaSemValorUnitario executada")}));
    EXPECT_EQ(Achados(r), 3 + 5);
}

TEST(CliExecucao, TempoLimiteCancelaAVerificacaoEAsOutrasContinuam)
{
    const ExecucaoCli r = RodarNoBanco("sem-fim", QStringList{QStringLiteral("--timeout"), QStringLiteral("3")} + Json);
    EXPECT_EQ(r.codigo, 3);
    EXPECT_EQ(r.Erros(), QStringLiteral("CFOPConsumoMovimentandoEstoque: não executada: Tempo limite de 3 s esgotado: a "
                                        "verificação foi cancelada\n"));
    EXPECT_EQ(Situacoes(r)[2], QStringLiteral("CFOPConsumoMovimentandoEstoque tempoEsgotado"));
    EXPECT_EQ(Situacoes(r).filter(QStringLiteral(" executada")).size(), 6);
    EXPECT_EQ(Achados(r), 33 - 3);

    // The count of NULL keys before the checks never ends here: it is stopped as a check is.
    const ExecucaoCli avisos = RodarNoBanco("avisos-sem-fim", QStringList{QStringLiteral("--timeout"), QStringLiteral("1")} + Json);
    EXPECT_EQ(avisos.codigo, 3);
    EXPECT_EQ(QJsonDocument::fromJson(avisos.saida)[u"avisos"].toArray().last().toString(),
              QStringLiteral("Tempo limite esgotado: a leitura dos avisos foi cancelada, e eles podem estar incompletos."));
    EXPECT_EQ(Situacoes(avisos)[4], QStringLiteral("ImportacaoSemDespesas tempoEsgotado"));
}

TEST(CliExecucao, ProgressoUmaLinhaPorVerificacao)
{
    const ExecucaoCli r = RodarNoBanco("sem-tb002", QStringList{QStringLiteral("--progress")} + Tsv);
    const QStringList linhas = r.Erros().split(u'\n', Qt::SkipEmptyParts);
    // The failing check's message spans several lines, as the database writes it.
    ASSERT_GE(linhas.size(), 7) << r.Erros().toStdString();
    EXPECT_TRUE(linhas[0].startsWith(QStringLiteral("CargaInicialSemCustoUnitarioEntrada: 6 achados em "))) << linhas[0].toStdString();
    EXPECT_TRUE(linhas[0].endsWith(QStringLiteral(" ms")));
    EXPECT_TRUE(linhas[2].startsWith(QStringLiteral("CFOPConsumoMovimentandoEstoque: não executada ("))) << linhas[2].toStdString();
    EXPECT_TRUE(linhas.last().startsWith(QStringLiteral("AcertoEntradaSemValorUnitario: 5 achados em "))) << linhas.last().toStdString();
}

TEST(CliExecucao, OutputGravaOArquivoENadaNaSaidaPadrao)
{
    PastaTemporaria pasta;
    const QString arquivo = QString::fromStdString((pasta / "achados.tsv").string());
    const ExecucaoCli r = RodarNoBanco("checks-a", Tsv + QStringList{QStringLiteral("--output"), arquivo});
    EXPECT_EQ(r.codigo, 2);
    EXPECT_TRUE(r.saida.isEmpty());
    QFile gravado(arquivo);
    ASSERT_TRUE(gravado.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(gravado.readAll()), TsvEsperado("tests/fixtures/expected-checks-a.tsv").join(u'\n') + u'\n');
}

TEST(CliExecucao, FalhaDeConexaoSaiComQuatro)
{
    // The connection's one message and nothing else.
    PastaTemporaria pasta;
    const QString inexistente = QString::fromStdString((pasta / "nao-existe.fdb").string());
    EscreverConfig(pasta / "Config.ini", inexistente);
    ExecucaoCli r = RodarCli({QStringLiteral("--config"), QString::fromStdString((pasta / "Config.ini").string())});
    EXPECT_EQ(r.codigo, 4);
    // Then, for the technician, the client's own reason.
    EXPECT_TRUE(r.Erros().startsWith(QStringLiteral("Não foi possível criar uma conexão com o banco ") + inexistente + u'\n'));
    EXPECT_TRUE(r.Erros().endsWith(QStringLiteral("No such file or directory\n"))) << r.Erros().toStdString();
    EXPECT_EQ(r.Erros().count(u'\n'), 2);
    EXPECT_TRUE(r.saida.isEmpty());

    r = RodarCli({QStringLiteral("--config"), QString::fromStdString((pasta / "outro.ini").string())});
    EXPECT_EQ(r.codigo, 4);
    EXPECT_EQ(r.Erros(), QStringLiteral("Não foi possível criar uma conexão com o banco \n%1 não existe\n")
                             .arg(QString::fromStdString((pasta / "outro.ini").string())));

    // An output file that cannot be created: nothing runs.
    r = RodarNoBanco("checks-a", {QStringLiteral("--output"), QString::fromStdString((pasta / "nao" / "existe.txt").string())});
    EXPECT_EQ(r.codigo, 4);
    EXPECT_TRUE(r.Erros().startsWith(QStringLiteral("Não foi possível gravar o arquivo "))) << r.Erros().toStdString();
}

TEST(CliExecucao, SemConfigUsaOConfigIniAoLadoDoPrograma)
{
    PastaTemporaria pasta;
    std::filesystem::copy_file(QUORVANE_CLI, pasta / "quorvane-cli");
    EscreverConfig(pasta / "Config.ini", QString::fromStdString(BancoDe("checks-a").string()));
    const ExecucaoCli r = RodarCli(Tsv, QStringLiteral("pt_BR.UTF-8"), pasta / "quorvane-cli");
    EXPECT_EQ(r.codigo, 2) << r.Erros().toStdString();
    EXPECT_EQ(r.Linhas(), TsvEsperado("tests/fixtures/expected-checks-a.tsv"));
}

TEST(CliExecucao, PeloServidorDeTeste)
{
    QUORVANE_EXIGE_SERVIDOR();
    // The server locks the files it opens: this database is its own.
    PastaTemporaria pasta;
    CriarBanco({"tests/fixtures/checks-a.sql"}, pasta / "checks-a.fdb");
    EscreverConfig(pasta / "Config.ini", CaminhoPeloServidor(pasta / "checks-a.fdb"));
    const ExecucaoCli r = RodarCli(QStringList{QStringLiteral("--config"), QString::fromStdString((pasta / "Config.ini").string())} + Tsv);
    EXPECT_EQ(r.codigo, 2) << r.Erros().toStdString();
    EXPECT_EQ(r.Linhas(), TsvEsperado("tests/fixtures/expected-checks-a.tsv"));
}

TEST(CliExecucao, SaidasQueNaoSaoArquivosComunsRecebemOsAchadosDireto)
{
    // A device, a FIFO, standard output by name: written into, never replaced by a file.
    PastaTemporaria pasta;
    const auto fifo = pasta / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(fifo, pasta / "link-para-fifo");
    // Held open here for reading (and writing, so that neither end waits): the pipe keeps what
    // the runner writes.
    const int leitura = ::open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ExecucaoCli r = RodarNoBanco("checks-a", Tsv + QStringList{QStringLiteral("--output"), QString::fromStdString((pasta / "link-para-fifo").string())});
    std::string lidos(1 << 16, '\0');
    lidos.resize(static_cast<std::size_t>(std::max<ssize_t>(0, ::read(leitura, lidos.data(), lidos.size()))));
    ::close(leitura);
    EXPECT_EQ(r.codigo, 2) << r.Erros().toStdString();
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    EXPECT_EQ(QString::fromStdString(lidos).split(u'\n', Qt::SkipEmptyParts), TsvEsperado("tests/fixtures/expected-checks-a.tsv"));

    for (const QString& saida : {QStringLiteral("/dev/null"), QStringLiteral("-"), QStringLiteral("/dev/stdout")}) {
        r = RodarNoBanco("checks-a", Tsv + QStringList{QStringLiteral("--output"), saida});
        EXPECT_EQ(r.codigo, 2) << saida.toStdString() << r.Erros().toStdString();
        EXPECT_EQ(r.Linhas().size(), saida == u"/dev/null" ? 0 : 34) << saida.toStdString();
    }
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    EXPECT_TRUE(std::filesystem::is_symlink("/dev/stdout"));

    // A regular file under /dev (/dev/shm is a tmpfs folder) is created, then replaced whole.
    const QString emShm = QStringLiteral("/dev/shm/quorvane-teste-%1.tsv").arg(::getpid());
    EXPECT_EQ(RodarNoBanco("checks-a", Json + QStringList{QStringLiteral("--output"), emShm}).codigo, 2);
    EXPECT_EQ(RodarNoBanco("checks-a", Tsv + QStringList{QStringLiteral("--output"), emShm}).codigo, 2);
    QFile gravado(emShm);
    EXPECT_TRUE(gravado.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(gravado.readAll()).split(u'\n', Qt::SkipEmptyParts), TsvEsperado("tests/fixtures/expected-checks-a.tsv"));
    gravado.remove();
}

TEST(CliExecucao, SaidaNoBancoOuNoConfigEhRecusadaAntesDeConectar)
{
    // By its path, through a link, or both outputs into one file: refused, and nothing touched.
    PastaTemporaria pasta;
    const auto banco = pasta / "erp.fdb";
    std::filesystem::copy_file(BancoDe("checks-a"), banco);
    std::filesystem::create_symlink(banco, pasta / "link.fdb");
    const auto config = pasta / "Config.ini";
    EscreverConfig(config, QString::fromStdString(banco.string()));
    const auto tamanhoBanco = std::filesystem::file_size(banco);
    const auto texto = [](const std::filesystem::path& p) { return QString::fromStdString(p.string()); };
    for (const QStringList& saidas : {QStringList{QStringLiteral("--xlsx"), texto(banco)},
                                      QStringList{QStringLiteral("--output"), texto(pasta / "link.fdb")},
                                      QStringList{QStringLiteral("--output"), texto(config)},
                                      QStringList{QStringLiteral("--output"), texto(pasta / "a"), QStringLiteral("--xlsx"), texto(pasta / "a")}}) {
        const ExecucaoCli r = RodarCli(QStringList{QStringLiteral("--config"), texto(config)} + saidas);
        EXPECT_EQ(r.codigo, 64) << saidas.join(u' ').toStdString();
        EXPECT_EQ(r.Erros().count(u'\n'), 1) << r.Erros().toStdString();
        EXPECT_TRUE(r.saida.isEmpty());
    }
    EXPECT_EQ(std::filesystem::file_size(banco), tamanhoBanco);
    EXPECT_EQ(RodarCli({QStringLiteral("--config"), texto(config), QStringLiteral("--format"), QStringLiteral("tsv")}).codigo, 2);
    EXPECT_FALSE(std::filesystem::exists(pasta / "a"));

    // The database by any spelling of a connection to this machine, any other database by its
    // header page, the baseline, and one file by a relative and an absolute path.
    const auto recusada = [&](const QString& caminho, const QStringList& saidas, const QString& motivo) {
        EscreverArquivo(pasta / "outro.ini", "[BANCO]\nCAMINHO=" + caminho.toStdString() + "\n");
        const ExecucaoCli r = RodarCli(QStringList{QStringLiteral("--config"), texto(pasta / "outro.ini")} + saidas);
        EXPECT_EQ(r.codigo, 64) << caminho.toStdString() << ": " << r.Erros().toStdString();
        EXPECT_TRUE(r.Erros().contains(motivo)) << r.Erros().toStdString();
    };
    char nome[256] = {};
    ::gethostname(nome, sizeof nome - 1);
    for (const QString& caminho : {QStringLiteral("inet://127.0.0.1:3050/") + texto(banco), QStringLiteral("inet4://localhost/") + texto(banco),
                                   QStringLiteral("[::ffff:127.0.0.1]/3050:") + texto(banco), QString::fromLatin1(nome) + u':' + texto(banco)})
        recusada(caminho, {QStringLiteral("--output"), texto(banco)}, QStringLiteral("é o banco de dados auditado"));
    std::filesystem::copy_file(banco, pasta / "relatorio.tsv");
    recusada(texto(banco), {QStringLiteral("--output"), texto(pasta / "relatorio.tsv")}, QStringLiteral("guarda um banco de dados Firebird"));
    EXPECT_EQ(std::filesystem::file_size(pasta / "relatorio.tsv"), tamanhoBanco);
    EscreverArquivo(pasta / "base.json", "{}");
    recusada(texto(banco), {QStringLiteral("--baseline"), texto(pasta / "base.json"), QStringLiteral("--xlsx"), texto(pasta / "base.json")},
             QStringLiteral("é a linha de base"));
    const auto anterior = std::filesystem::current_path();
    std::filesystem::current_path(pasta.Caminho());
    recusada(texto(banco), {QStringLiteral("--output"), QStringLiteral("x.tsv"), QStringLiteral("--xlsx"), texto(pasta / "." / "x.tsv")},
             QStringLiteral("apontam para o mesmo arquivo"));
    std::filesystem::current_path(anterior);

    // Paths that cannot be resolved (a loop of links) are not taken for one file.
    std::filesystem::create_symlink(pasta / "laco", pasta / "laco");
    EscreverConfig(pasta / "laco.ini", texto(pasta / "laco" / "erp.fdb"));
    const ExecucaoCli r = RodarCli({QStringLiteral("--config"), texto(pasta / "laco.ini"), QStringLiteral("--output"), texto(pasta / "laco" / "a")});
    EXPECT_EQ(r.codigo, 4) << r.Erros().toStdString();
}
