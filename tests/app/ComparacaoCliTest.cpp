#include "Planilhas.h"
#include "ProgramaCli.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <sys/stat.h>

using namespace Quorvane::Testes;

namespace {

const QStringList Json{QStringLiteral("--format"), QStringLiteral("json")};
const QString AlertaNovo = QStringLiteral("CFOP: 1407 Movimentar Estoque: S");
const QString ErroMendado = QStringLiteral("NF: 000201 Pedido: 6001 Data: 15/03/2023 CFOP: 3102 Valor FOB: 0,00");

QString Gravar(const PastaTemporaria& pasta, const std::string& nome, const QByteArray& conteudo)
{
    EscreverArquivo(pasta / nome, conteudo.toStdString());
    return QString::fromStdString((pasta / nome).string());
}

QStringList ComLinhaDeBase(const QString& arquivo, const QStringList& outros)
{
    return QStringList{QStringLiteral("--baseline"), arquivo} + outros;
}

// Each finding's text and how it compares, in output order.
QStringList Marcas(const QJsonArray& achados)
{
    QStringList marcas;
    for (const QJsonValue& a : achados)
        marcas << a[u"alerta"].toString() + a[u"erro"].toString() + u' ' + a[u"comparacao"].toString();
    return marcas;
}

} // namespace

TEST(CliComparacao, NovoPersistenteEResolvidoContraUmaAuditoriaAnterior)
{
    PastaTemporaria pasta;
    const ExecucaoCli antes = RodarNoBanco("checks-a", Json);
    const QString base = Gravar(pasta, "antes.json", antes.saida);

    // One error mended (one of two identical ones), one alert added: the run's status counts only the new.
    const ExecucaoCli depois = RodarNoBanco("corrigido", ComLinhaDeBase(base, Json));
    EXPECT_EQ(depois.codigo, 1) << depois.Erros().toStdString();
    EXPECT_TRUE(depois.Erros().startsWith(QStringLiteral("Aviso: a linha de base %1 é do banco %2").arg(base, QJsonDocument::fromJson(antes.saida)[u"banco"].toString())))
        << depois.Erros().toStdString();
    const QJsonObject raiz = QJsonDocument::fromJson(depois.saida).object();
    const QStringList marcas = Marcas(raiz[u"achados"].toArray());
    EXPECT_EQ(marcas.size(), 33);
    EXPECT_EQ(marcas.filter(QStringLiteral(" persistente")).size(), 32);
    EXPECT_EQ(marcas.filter(QStringLiteral(" novo")), QStringList{AlertaNovo + QStringLiteral(" novo")});
    EXPECT_TRUE(marcas.contains(ErroMendado + QStringLiteral(" persistente")));
    EXPECT_EQ(Marcas(raiz[u"resolvidos"].toArray()), QStringList{ErroMendado + QStringLiteral(" resolvido")});
    EXPECT_EQ(raiz[u"resolvidos"][0][u"verificacao"].toString(), QStringLiteral("ImportacaoSemFOB"));
    const QJsonObject resumo = raiz[u"comparacao"].toObject();
    EXPECT_EQ(resumo[u"novos"].toInt(), 1);
    EXPECT_EQ(resumo[u"persistentes"].toInt(), 32);
    EXPECT_EQ(resumo[u"resolvidos"].toInt(), 1);
    EXPECT_EQ(resumo[u"verificacoesNaoComparadas"].toArray().size(), 0);

    // The other way round (from a baseline that was itself compared): the error is back, as new.
    const ExecucaoCli deVolta = RodarNoBanco("checks-a", ComLinhaDeBase(Gravar(pasta, "depois.json", depois.saida), Json));
    EXPECT_EQ(deVolta.codigo, 2);
    EXPECT_EQ(Marcas(QJsonDocument::fromJson(deVolta.saida)[u"achados"].toArray()).filter(QStringLiteral(" novo")),
              QStringList{ErroMendado + QStringLiteral(" novo")});

    // Nothing changed: status 0, and no warning; so too against an earlier version's baseline,
    // whose findings have no key and are compared by their texts.
    const QString semChave = Gravar(pasta, "sem-chave.json", QString::fromUtf8(antes.saida).remove(QRegularExpression(QStringLiteral(",\"chave\":\"[0-9a-f]+\""))).toUtf8());
    for (const QString& linhaDeBase : {base, semChave}) {
        const ExecucaoCli igual = RodarNoBanco("checks-a", ComLinhaDeBase(linhaDeBase, {QStringLiteral("--format=tsv")}));
        EXPECT_EQ(igual.codigo, 0);
        EXPECT_TRUE(igual.erros.isEmpty()) << igual.Erros().toStdString();
        EXPECT_EQ(igual.Linhas().filter(QStringLiteral("\tpersistente")).size(), 33);
    }
}

// A finding is the same in every locale: its key, not its formatted text, is compared.
TEST(CliComparacao, LinhaDeBaseDeOutroLocalComparaIgual)
{
    PastaTemporaria pasta;
    const QStringList semData{QStringLiteral("--check=CargaInicialSemCustoUnitarioEntrada"), QStringLiteral("--check=CFOPConsumoMovimentandoEstoque"),
                              QStringLiteral("--format=json")};
    const QString base = Gravar(pasta, "antes.json", RodarNoBanco("checks-a", semData, QStringLiteral("pt_BR.UTF-8")).saida);
    const ExecucaoCli r = RodarNoBanco("checks-a", ComLinhaDeBase(base, semData), QStringLiteral("en_US.UTF-8"));
    EXPECT_EQ(r.codigo, 0) << r.Erros().toStdString();
    const QJsonObject raiz = QJsonDocument::fromJson(r.saida).object();
    EXPECT_TRUE(Marcas(raiz[u"achados"].toArray()).contains(QStringLiteral("Referencia: OLE-002 Qtde Entrada: 2.5 Custo Unitario Entrada: 0.00 persistente")));
    EXPECT_EQ(raiz[u"comparacao"][u"persistentes"].toInt(), 6 + 3);
    EXPECT_EQ(raiz[u"resolvidos"].toArray().size(), 0);
}

TEST(CliComparacao, TabelasComAColunaComparacaoEOsResolvidosNoFim)
{
    PastaTemporaria pasta;
    const QString base = Gravar(pasta, "antes.json", RodarNoBanco("checks-a", Json).saida);
    const auto planilha = pasta / "achados.xlsx";
    const ExecucaoCli tsv = RodarNoBanco("corrigido", ComLinhaDeBase(base, {QStringLiteral("--format=tsv"), QStringLiteral("--xlsx"),
                                                                            QString::fromStdString(planilha.string())}));
    const QStringList linhas = tsv.Linhas();
    ASSERT_EQ(linhas.size(), 1 + 33 + 1);
    EXPECT_EQ(linhas[0], QStringLiteral("Alerta\tErro\tCorreção\tComparação"));
    EXPECT_TRUE(linhas.last().startsWith(u'\t' + ErroMendado + u'\t')) << linhas.last().toStdString();
    EXPECT_TRUE(linhas.last().endsWith(QStringLiteral("\tresolvido")));
    const auto celulas = CelulasDaPlanilha(planilha);
    ASSERT_EQ(static_cast<qsizetype>(celulas.size()), linhas.size());
    for (qsizetype i = 0; i < linhas.size(); ++i)
        EXPECT_EQ(celulas[static_cast<std::size_t>(i)].join(u'\t'), linhas[i]) << "linha " << i;

    const ExecucaoCli csv = RodarNoBanco("corrigido", ComLinhaDeBase(base, {QStringLiteral("--format=csv")}));
    EXPECT_TRUE(csv.Saida().startsWith(QStringLiteral("Alerta,Erro,Correção,Comparação\r\n")));
    EXPECT_TRUE(csv.Saida().endsWith(QStringLiteral(",resolvido\r\n")));

    const ExecucaoCli texto = RodarNoBanco("corrigido", ComLinhaDeBase(base, {}));
    EXPECT_TRUE(texto.Saida().endsWith(QStringLiteral("Total de registros: 33\nNovos: 1\nPersistentes: 32\nResolvidos: 1\n")));
    EXPECT_EQ(texto.Linhas().filter(QRegularExpression(QStringLiteral("^novo +Alerta +") + QRegularExpression::escape(AlertaNovo))).size(), 1);
}

TEST(CliComparacao, VerificacoesQueNaoRodaramNasDuasNaoSaoComparadas)
{
    PastaTemporaria pasta;
    // CFOPConsumoMovimentandoEstoque fails here: its three alerts of checks-a are not resolved.
    const QString completa = Gravar(pasta, "completa.json", RodarNoBanco("checks-a", Json).saida);
    ExecucaoCli r = RodarNoBanco("sem-tb002", ComLinhaDeBase(completa, Json));
    EXPECT_EQ(r.codigo, 3);
    QJsonObject raiz = QJsonDocument::fromJson(r.saida).object();
    EXPECT_EQ(raiz[u"resolvidos"].toArray().size(), 0);
    EXPECT_EQ(raiz[u"comparacao"][u"verificacoesNaoComparadas"].toArray(), QJsonArray{QStringLiteral("CFOPConsumoMovimentandoEstoque")});

    // A baseline of one check: the findings of the others are not new.
    const QString parcial = Gravar(pasta, "parcial.json", RodarNoBanco("checks-a", QStringList{QStringLiteral("--check"),
                                                                      QStringLiteral("ImportacaoSemFOB")} + Json).saida);
    r = RodarNoBanco("corrigido", ComLinhaDeBase(parcial, Json));
    EXPECT_EQ(r.codigo, 0) << r.Erros().toStdString();
    raiz = QJsonDocument::fromJson(r.saida).object();
    EXPECT_EQ(Marcas(raiz[u"achados"].toArray()).filter(QStringLiteral(" naoComparado")).size(), 33 - 6);
    EXPECT_EQ(raiz[u"comparacao"][u"verificacoesNaoComparadas"].toArray().size(), 6);
    EXPECT_EQ(raiz[u"resolvidos"].toArray().size(), 1);
}

TEST(CliComparacao, LinhaDeBaseInutilizavelSaiCom64)
{
    PastaTemporaria pasta;
    const QByteArray json = RodarNoBanco("checks-a", Json).saida;
    const std::vector<std::pair<QString, QString>> casos = {
        {QString::fromStdString((pasta / "nao-existe.json").string()), QStringLiteral("Não foi possível ler a linha de base ")},
        {Gravar(pasta, "cortada.json", json.left(json.size() / 2)), QStringLiteral(" não é um JSON válido: ")},
        {Gravar(pasta, "achados.tsv", RodarNoBanco("checks-a", {QStringLiteral("--format=tsv")}).saida), QStringLiteral(" não é um JSON válido: ")},
        {Gravar(pasta, "outro.json", "{\"banco\": \"/dados/erp.fdb\", \"itens\": []}"),
         QStringLiteral(" não é uma saída --format json do quorvane-cli: falta a lista \"verificacoes\"")},
        {Gravar(pasta, "sem-texto.json", QByteArray(json).replace("\"correcao\"", "\"corr\"")),
         QStringLiteral(" não é uma saída --format json do quorvane-cli: o achado 1 não tem o texto \"correcao\"")},
        {Gravar(pasta, "vazia.json", "{\"banco\": \"/dados/erp.fdb\", \"verificacoes\": [], \"achados\": []}"),
         QStringLiteral(" não nomeia nenhuma verificação desta versão do quorvane-cli")},
        {QStringLiteral("/dev/zero"), QStringLiteral(": não é um arquivo comum")},
        {QString::fromStdString((pasta / "fifo").string()), QStringLiteral(": não é um arquivo comum")},
        {QString::fromStdString((pasta / "enorme.json").string()), QStringLiteral(": tem 1024 MB, mais que o limite de 1024 MB")},
    };
    ASSERT_EQ(::mkfifo((pasta / "fifo").c_str(), 0600), 0);
    EscreverArquivo(pasta / "enorme.json", "{");
    std::filesystem::resize_file(pasta / "enorme.json", (std::uintmax_t(1) << 30) + 1);
    for (const auto& [arquivo, mensagem] : casos) {
        const ExecucaoCli r = RodarNoBanco("checks-a", ComLinhaDeBase(arquivo, {}));
        EXPECT_EQ(r.codigo, 64) << arquivo.toStdString();
        EXPECT_TRUE(r.Erros().contains(arquivo) && r.Erros().contains(mensagem)) << r.Erros().toStdString();
        EXPECT_TRUE(r.saida.isEmpty());
    }
}
