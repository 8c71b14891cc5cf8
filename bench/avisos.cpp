// The warnings read before a run (system tables, then the NULLs of the key columns), timed on
// their own: the target is under 100 ms on the scale-1 database.
#include "Analises.h"
#include "Erro.h"
#include "Interfaces.h"
#include "Verificacoes.h"

#include <chrono>
#include <cstdio>

using namespace Quorvane;

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "uso: bench-avisos CONFIG.ini\n");
        return 64;
    }
    try {
        OpcoesConexao opcoes;
        opcoes.arquivoConfig = argv[1];
        EscopoConexao conexao(opcoes);
        const auto analises = TAnalises::New();
        const auto inicio = std::chrono::steady_clock::now();
        const QStringList avisos = analises->LerAvisos(analises->Verificacoes());
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
        std::printf("avisos\t%lld\t%.1f\n", static_cast<long long>(avisos.size()), ms);
        for (const QString& aviso : avisos)
            std::printf("%s\n", aviso.toUtf8().constData());
    } catch (const Erro& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
