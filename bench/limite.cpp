// The limit: the seven statements prepared in turn and every row fetched through the client,
// nothing decoded or formatted. Prints the rows fetched and the time of each statement.
#include "ConexaoSql.h"
#include "ConsultaSql.h"
#include "Erro.h"
#include "ExecucaoVerificacao.h"
#include "Verificacoes.h"

#include <QDate>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace Quorvane;

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "uso: bench-limite BANCO [PAGINAS_CACHE]\n       bench-limite --sql   (os sete comandos, para o isql)\n");
        return 64;
    }
    if (std::string(argv[1]) == "--sql") {
        for (const Verificacao* v : VerificacoesNaOrdemDeExecucao())
            std::printf("%s;\n", LinhasDoComando(*v, QDate(2024, 1, 1)).join(QStringLiteral("\r\n")).toUtf8().constData());
        return 0;
    }
    try {
        ConexaoSql conexao;
        conexao.DefinirParametro(QStringLiteral("Database"), QString::fromLocal8Bit(argv[1]));
        conexao.DefinirParametro(QStringLiteral("user_name"), QStringLiteral("sysdba"));
        conexao.DefinirParametro(QStringLiteral("Password"), QStringLiteral("quillhorn"));
        if (argc > 2)
            conexao.DefinirPaginasCache(std::atoi(argv[2]));
        conexao.Conectar();

        ConsultaSql consulta(&conexao);
        long total = 0;
        for (const Verificacao* v : VerificacoesNaOrdemDeExecucao()) {
            const auto inicio = std::chrono::steady_clock::now();
            consulta.LimparSQL();
            for (const QString& linha : LinhasDoComando(*v, QDate(2024, 1, 1)))
                consulta.AdicionarLinha(linha);
            long linhas = 0;
            for (consulta.Abrir(); !consulta.Eof(); consulta.Proximo())
                ++linhas;
            const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inicio).count();
            std::printf("%s\t%ld\t%.0f\n", v->nome.toUtf8().constData(), linhas, ms);
            total += linhas;
        }
        std::printf("total\t%ld\n", total);
    } catch (const Erro& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
