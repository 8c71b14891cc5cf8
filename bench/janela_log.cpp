// The log window at scale: N findings sorted and shown, timed until the list's first paint; then
// the find field and the column sorts on them, each timed until the list holds its new rows.
#include "Aplicacao.h"
#include "ComparacaoDeTextos.h"
#include "LogView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <string>

using namespace Quorvane;

namespace {

// Ends the event loop at the list's first paint.
class PrimeiraPintura : public QObject {
public:
    bool eventFilter(QObject* objeto, QEvent* evento) override
    {
        if (evento->type() == QEvent::Paint && !pintou) {
            pintou = true;
            QApplication::exit(0);
        }
        return QObject::eventFilter(objeto, evento);
    }
    bool pintou = false;
};

} // namespace

int main(int argc, char* argv[])
{
    const long quantidade = argc > 1 ? std::atol(argv[1]) : 1000000;
    TAplicacao aplicacao(argc, argv);

    // The findings as a run leaves them: the checks' groups one after another, unsorted.
    TListaLogAlertasAndErros lista;
    lista.reserve(static_cast<std::size_t>(quantidade));
    const QString corrigirFob = QStringLiteral("Entrar em Correções Fiscais -> Dados Importação -> Atualizar FOB e Frete internacional de CADA item");
    const QString analisar = QStringLiteral("Analisar os documentos, pois faltam lançamentos de despesas de importação");
    for (long i = 0; i < quantidade; ++i) {
        TLogAlertasAndErros achado;
        if (i % 3 == 0) {
            achado.FErro = QStringLiteral("Numero: %1 Data: 01/03/2024 Referência: REF-%1 Qtde: 2 Unitário: 0,00").arg(i);
            achado.FCorrecao = QStringLiteral("UPDATE ACERTOS SET CONSIDERA_PRECO_INFORMADO = 'N' WHERE NUMERO = %1;").arg(i);
        } else if (i % 3 == 1) {
            achado.FErro = QStringLiteral("NF: %1 Pedido: %1 Data: 01/03/2024 CFOP: 00002 Valor FOB: 0,00").arg(i);
            achado.FCorrecao = corrigirFob;
        } else {
            achado.FAlerta = QStringLiteral("NF: %1 Pedido: %1 Data: 01/03/2024 CFOP: 3102 Valor: 1.234,50").arg(i);
            achado.FCorrecao = analisar;
        }
        lista.push_back(std::move(achado));
    }
    TLogAlertasAndErros buffer;
    buffer.FLista = &lista;

    QElapsedTimer relogio;
    relogio.start();
    TLogView tela(buffer);
    PrimeiraPintura filtro;
    tela.findChild<QTableView*>(QStringLiteral("lvAlertasAndErros"))->viewport()->installEventFilter(&filtro);
    tela.show();
    aplicacao.exec();
    std::printf("%ld achados: janela pronta em %.3f s\n", quantidade, static_cast<double>(relogio.nsecsElapsed()) / 1e9);

    auto* lv = tela.findChild<QTableView*>(QStringLiteral("lvAlertasAndErros"));
    auto* localizar = tela.findChild<QLineEdit*>(QStringLiteral("edtLocalizar"));
    // The processor time too (every thread's): on a machine shared with other work the wall clock
    // says little.
    const auto cpu = [] {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
    };
    std::printf("  %-44s %9s %9s\n", "", "relógio", "processador");
    const auto medir = [&](const char* oQue, const std::function<void()>& passo) {
        const double inicio = cpu();
        relogio.restart();
        passo();
        std::printf("  %-44s %7.3f s %7.3f s  (%d linhas)\n", oQue, static_cast<double>(relogio.nsecsElapsed()) / 1e9,
                    cpu() - inicio, lv->model()->rowCount());
    };
    // Typed one key at a time, as a user does: the first key searches everything.
    medir("localizar \"a\" (tudo)", [&] { localizar->setText(QStringLiteral("a")); });
    medir("localizar \"acao\" (acha \"ação\")", [&] { localizar->setText(QStringLiteral("acao")); });
    medir("localizar \"99848\" (do zero)", [&] { localizar->setText(QStringLiteral("99848")); });
    medir("localizar \"REF-99\" (do zero)", [&] { localizar->setText(QStringLiteral("REF-99")); });
    medir("limpar", [&] { localizar->setText(QString()); });
    const char* colunas[] = {"Alerta", "Erro", "Correção"};
    for (int coluna = 0; coluna < 3; ++coluna) {
        const std::string nome = colunas[coluna];
        medir(("ordenar por " + nome).c_str(), [&] { emit lv->horizontalHeader()->sectionClicked(coluna); });
        // Not timed: the rows are in order.
        const QAbstractItemModel& modelo = *lv->model();
        for (int linha = 1; linha < modelo.rowCount(); ++linha)
            if (CompararNatural(modelo.index(linha - 1, coluna).data().toString(), modelo.index(linha, coluna).data().toString()) > 0) {
                std::printf("fora de ordem na linha %d\n", linha);
                return 1;
            }
        medir(("ordenar por " + nome + ", ao contrário").c_str(), [&] { emit lv->horizontalHeader()->sectionClicked(coluna); });
        medir("voltar à ordem da correção", [&] { emit lv->horizontalHeader()->sectionClicked(coluna); });
    }
    emit lv->horizontalHeader()->sectionClicked(1);
    medir("ordenado por Erro: localizar \"NF\"", [&] { localizar->setText(QStringLiteral("NF")); });
    medir("ordenado por Erro: limpar", [&] { localizar->setText(QString()); });
    return filtro.pintou ? 0 : 1;
}
