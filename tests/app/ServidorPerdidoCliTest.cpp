#include "ProgramaCli.h"
#include "ProxyTcp.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <chrono>
#include <thread>

using namespace Quorvane::Testes;

// The server vanishes while a check runs: that check and the ones after it are reported as not
// run, the ones before keep their findings, and the runner ends with status 3.
TEST(ServidorPerdidoCli, ChecagensQueFalhamSaoRelatadasESaiCom3)
{
    QUORVANE_EXIGE_SERVIDOR();
    PastaTemporaria pasta;
    ProxyTcp proxy;
    const auto config = ConfigSemFim(pasta.Caminho(), proxy.Porta());
    std::thread derrubar([&] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        proxy.Derrubar();
    });
    const ExecucaoCli r = RodarCli({QStringLiteral("--config"), QString::fromStdString(config.string()),
                                    QStringLiteral("--format"), QStringLiteral("json")});
    derrubar.join();
    EXPECT_EQ(r.codigo, 3) << r.Erros().toStdString();
    QStringList situacoes;
    for (const QJsonValue& v : QJsonDocument::fromJson(r.saida)[u"verificacoes"].toArray())
        situacoes << v[u"situacao"].toString();
    ASSERT_EQ(situacoes.size(), 7) << r.Saida().toStdString();
    EXPECT_EQ(situacoes.mid(0, 2), QStringList({"executada", "executada"}));
    for (const QString& s : situacoes.mid(2))
        EXPECT_EQ(s, QStringLiteral("falhou"));
    EXPECT_TRUE(r.Erros().contains(QStringLiteral("CFOPConsumoMovimentandoEstoque: não executada"))) << r.Erros().toStdString();
    // A lost connection, told apart from a refused statement by its SQLSTATE class.
    EXPECT_TRUE(QJsonDocument::fromJson(r.saida)[u"verificacoes"][2][u"sqlstate"].toString().startsWith(u"08")) << r.Saida().toStdString();
}
