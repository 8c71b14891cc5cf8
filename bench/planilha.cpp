// The export at scale: as many findings as asked, written to a workbook.
#include "Erro.h"
#include "PlanilhaAchados.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace Quorvane;

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "uso: bench-planilha ACHADOS ARQUIVO.xlsx\n");
        return 64;
    }
    const long quantidade = std::atol(argv[1]);
    TListaLogAlertasAndErros achados;
    achados.reserve(static_cast<std::size_t>(quantidade));
    const QString correcao = QStringLiteral("Entrar em Correções Fiscais -> Dados Importação -> Atualizar FOB e Frete internacional de CADA item");
    for (long i = 0; i < quantidade; ++i)
        achados.push_back({QStringLiteral("NF: %1 Pedido: %2 Data: 01/03/2024 CFOP: 00002 Valor FOB: 0,00").arg(i, 9, 10, QChar(u'0')).arg(i),
                           correcao, nullptr, QString()});
    try {
        const auto inicio = std::chrono::steady_clock::now();
        GravarPlanilhaAchados(argv[2], achados);
        const double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
        std::printf("%ld linhas em %.2f s: %.0f linhas/s\n", quantidade, s, static_cast<double>(quantidade) / s);
    } catch (const Erro& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
