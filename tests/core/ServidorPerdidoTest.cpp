#include "Analises.h"
#include "BancosDeTeste.h"
#include "Erro.h"
#include "ProxyTcp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace Quorvane;
using namespace Quorvane::Testes;

// The server goes away in the middle of a statement that would never end: the check fails with
// the client's message instead of hanging, and so does every check after it.
TEST(ServidorPerdido, VerificacaoFalhaComAMensagemDoClienteESemTravar)
{
    QUORVANE_EXIGE_SERVIDOR();
    PastaTemporaria pasta;
    CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/endless-check.sql"}, pasta / "sem-fim.fdb");
    ProxyTcp proxy;
    {
        ConexaoDeTeste conexao(QStringLiteral("127.0.0.1/%1:%2").arg(proxy.Porta()).arg(QString::fromStdString((pasta / "sem-fim.fdb").string())));
        auto analises = TAnalises::New(FormatoPtBr());
        analises->LimparLog().CargaInicialSemCustoUnitarioEntrada();
        const std::size_t antes = analises->GetLogAlertasAndErros().FLista->size();
        ASSERT_GT(antes, 0u);

        std::thread derrubar([&] {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            proxy.Derrubar();
        });
        try {
            analises->CFOPConsumoMovimentandoEstoque();
            ADD_FAILURE() << "a verificação não pode terminar sem o servidor";
        } catch (const ErroBanco& e) {
            EXPECT_FALSE(e.Mensagem().isEmpty());
        }
        derrubar.join();
        EXPECT_EQ(analises->GetLogAlertasAndErros().FLista->size(), antes);
        EXPECT_THROW(analises->ImportacaoSemFOB(), ErroBanco);
    }
    // The engine and the connection were released over a dead link without a hang or a crash.
}
