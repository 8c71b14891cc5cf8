// The engine alone: a whole run with every value formatted, no output. For profiling.
#include "Analises.h"
#include "Erro.h"
#include "Interfaces.h"
#include "Verificacoes.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace Quorvane;

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "uso: bench-motor CONFIG.ini [PAGINAS_CACHE]\n");
        return 64;
    }
    try {
        OpcoesConexao opcoes;
        opcoes.arquivoConfig = argv[1];
        if (argc > 2)
            opcoes.paginasCache = std::atoi(argv[2]);
        EscopoConexao conexao(opcoes);
        auto analises = TAnalises::New(FormatoLocal::De(QLocale(QLocale::Portuguese, QLocale::Brazil)));
        const auto& lista = *analises->LimparLog().GetLogAlertasAndErros().FLista;
        for (const Verificacao* v : VerificacoesNaOrdemDeExecucao()) {
            const auto inicio = std::chrono::steady_clock::now();
            const std::size_t antes = lista.size();
            analises->Executar(*v);
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
            std::printf("%s\t%zu\t%.0f\n", v->nome.toUtf8().constData(), lista.size() - antes, ms);
        }
        std::printf("total\t%zu\n", lista.size());
    } catch (const Erro& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
