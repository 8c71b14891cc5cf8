#include "Analises.h"
#include "BancosDeTeste.h"
#include "Verificacoes.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <map>

using namespace Quorvane;
using namespace Quorvane::Testes;

// The benchmark's generator plants problems on purpose; at a tiny scale the engine must find
// exactly what it says it planted, check by check.
TEST(GeradorErp, AchadosPorVerificacaoSaoOsPlantados)
{
    PastaTemporaria pasta;
    QProcess gerador;
    gerador.start(QString::fromStdString((RaizDoProjeto() / "bench/make-erp").string()),
                  {QString::fromStdString((pasta / "erp.fdb").string()), QStringLiteral("--scale"), QStringLiteral("0.002")});
    ASSERT_TRUE(gerador.waitForFinished(300000));
    ASSERT_EQ(gerador.exitCode(), 0) << gerador.readAllStandardError().toStdString();
    std::map<QString, std::size_t> plantados;
    for (const QByteArray& linha : gerador.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> campos = linha.split('\t');
        if (campos.size() == 2)
            plantados[QString::fromUtf8(campos[0])] = campos[1].toULong();
    }
    ASSERT_EQ(plantados.size(), 7u);

    ConexaoDeTeste conexao(QString::fromStdString((pasta / "erp.fdb").string()));
    auto analises = TAnalises::New(FormatoPtBr());
    ASSERT_EQ(analises->GetDataCargaInicial(), QStringLiteral("01/01/2024"));
    const auto& lista = *analises->LimparLog().GetLogAlertasAndErros().FLista;
    for (const Verificacao* v : VerificacoesNaOrdemDeExecucao()) {
        const std::size_t antes = lista.size();
        analises->Executar(*v);
        EXPECT_EQ(lista.size() - antes, plantados[v->nome]) << v->nome.toStdString();
        EXPECT_GT(plantados[v->nome], 0u) << v->nome.toStdString();
    }
}
