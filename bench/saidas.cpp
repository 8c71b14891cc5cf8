// The runner's writers at scale: one real run's findings, written again and again in each format,
// the writing alone timed (the checks are run once, before). Prints, per format, the median time
// and the file's size.
#include "Analises.h"
#include "Auditoria.h"
#include "Erro.h"
#include "Formatos.h"
#include "Interfaces.h"
#include "Verificacoes.h"

#include <QFile>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace Quorvane;
using namespace Quorvane::Cli;

namespace {

class SemAcompanhamento final : public iAcompanhamento {
public:
    void VerificacaoConcluida(const ResultadoVerificacao&) override {}
};

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "uso: bench-saidas CONFIG.ini PASTA [REPETICOES]\n");
        return 64;
    }
    const int repeticoes = argc > 3 ? std::max(3, std::atoi(argv[3])) : 5;
    try {
        EscopoConexao conexao(OpcoesConexao{argv[1]});
        const FormatoLocal local = FormatoLocal::DoSistema();
        auto analises = TAnalises::New(local);
        SemAcompanhamento nada;
        const ResultadoAuditoria resultado = Auditar(*analises, VerificacoesNaOrdemDeExecucao(), std::nullopt, nada);
        const MomentoDaAuditoria momento{QDateTime::currentDateTime(), 0};
        const std::vector<std::pair<const char*, FormatoSaida>> formatos = {
            {"text", FormatoSaida::Texto}, {"tsv", FormatoSaida::Tsv},   {"html", FormatoSaida::Html},
            {"csv", FormatoSaida::Csv},    {"json", FormatoSaida::Json}};
        std::vector<std::vector<double>> tempos(formatos.size());
        // Formats in turn, round after round, so that a slower moment of the machine hits them all.
        for (int r = 0; r < repeticoes; ++r)
            for (std::size_t f = 0; f < formatos.size(); ++f) {
                QFile arquivo(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/achados.") + QString::fromLatin1(formatos[f].first));
                if (!arquivo.open(QIODevice::WriteOnly))
                    throw Erro(arquivo.errorString());
                const auto inicio = std::chrono::steady_clock::now();
                EscreverNoFormato(formatos[f].second, resultado, arquivo, nullptr, momento, local);
                arquivo.flush();
                tempos[f].push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count());
            }
        std::printf("%zu achados, %d repetições, mediana\n", resultado.Achados().size(), repeticoes);
        for (std::size_t f = 0; f < formatos.size(); ++f) {
            std::sort(tempos[f].begin(), tempos[f].end());
            const auto tamanho = QFile(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/achados.") + QString::fromLatin1(formatos[f].first)).size();
            std::printf("%-5s %8.3f s  (min %.3f, max %.3f)  %10lld bytes\n", formatos[f].first, tempos[f][tempos[f].size() / 2],
                        tempos[f].front(), tempos[f].back(), static_cast<long long>(tamanho));
        }
    } catch (const Erro& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
