#include "BotoesDeTeste.h"
#include "DialogosDeTeste.h"
#include "Erro.h"
#include "LogView.h"
#include "MarcaDaLinhaAtual.h"
#include "BancosDeTeste.h"
#include "Planilhas.h"
#include "RegistroDeTestes.h"
#include "SalvamentoAchados.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QToolTip>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSizeGrip>
#include <QSettings>
#include <QTableView>
#include <QTest>

using namespace Quorvane;

namespace {

TLogAlertasAndErros Alerta(const QString& alerta, const QString& correcao)
{
    TLogAlertasAndErros achado;
    achado.FAlerta = alerta;
    achado.FCorrecao = correcao;
    return achado;
}

TLogAlertasAndErros Buffer(TListaLogAlertasAndErros& lista)
{
    TLogAlertasAndErros buffer;
    buffer.FLista = &lista;
    return buffer;
}

QTableView* Lista(const TLogView& tela)
{
    return tela.findChild<QTableView*>(QStringLiteral("lvAlertasAndErros"));
}

QStringList Coluna(const TLogView& tela, int coluna)
{
    const QAbstractItemModel* modelo = Lista(tela)->model();
    QStringList textos;
    for (int linha = 0; linha < modelo->rowCount(); ++linha)
        textos << modelo->index(linha, coluna).data().toString();
    return textos;
}

QString Total(const TLogView& tela)
{
    return tela.findChild<QLabel*>(QStringLiteral("lblQtdeErros"))->text();
}

QString Atualizar(int numero)
{
    return QStringLiteral("UPDATE ACERTOS SET CONSIDERA_PRECO_INFORMADO = 'N' WHERE NUMERO = %1;").arg(numero);
}

void VerificarColunasIguais(const QTableView& lista)
{
    const int largura = lista.viewport()->width();
    QVERIFY(largura > 0);
    const int terco = largura / 3;
    QCOMPARE(lista.columnWidth(0), largura - 2 * terco);
    QCOMPARE(lista.columnWidth(1), terco);
    QCOMPARE(lista.columnWidth(2), terco);
}

} // namespace

class TesteLogView : public QObject {
    Q_OBJECT

private slots:
    void janelaEColunas()
    {
        TListaLogAlertasAndErros lista;
        TLogView tela(Buffer(lista));
        QCOMPARE(tela.windowTitle(), QStringLiteral("Log - Versão 1.01"));
        QVERIFY(tela.windowFlags().testFlag(Qt::FramelessWindowHint));
        // The design's size, where the screen has room for it (the offscreen screen is smaller).
        QCOMPARE(tela.size(), QSize(1100, 650).boundedTo(tela.screen()->availableGeometry().size()));
        QCOMPARE(tela.findChild<QLabel*>(QStringLiteral("pnlTitulo"))->text(), QStringLiteral("Log - Versão 1.01"));
        QCOMPARE(tela.findChild<QPushButton*>(QStringLiteral("btnExcel"))->text(), QStringLiteral("Excel"));
        QCOMPARE(tela.findChild<QPushButton*>(QStringLiteral("btnClose"))->text(), QStringLiteral("Sair"));
        QVERIFY(FiguraNitidaA200(*tela.findChild<QPushButton*>(QStringLiteral("btnExcel")), "excel"));
        const QAbstractItemModel* modelo = Lista(tela)->model();
        QCOMPARE(modelo->columnCount(), 3);
        QCOMPARE(modelo->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Alerta"));
        QCOMPARE(modelo->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Erro"));
        QCOMPARE(modelo->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Correção"));
        tela.show();
        QCOMPARE(tela.findChild<QLabel*>(QStringLiteral("lblQtdeErros"))->contentsMargins(), QMargins(3, 15, 10, 15));
        // Frameless, yet resized by its corner grip and maximised by a double click on the title.
        QVERIFY(tela.findChild<QSizeGrip*>());
        QTest::mouseDClick(tela.findChild<QLabel*>(QStringLiteral("pnlTitulo")), Qt::LeftButton);
        QVERIFY(tela.windowState().testFlag(Qt::WindowMaximized));
        QTest::mouseDClick(tela.findChild<QLabel*>(QStringLiteral("pnlTitulo")), Qt::LeftButton);
        QVERIFY(!tela.windowState().testFlag(Qt::WindowMaximized));
    }

    void listaVaziaContaZero()
    {
        TListaLogAlertasAndErros lista;
        TLogView tela(Buffer(lista));
        QCOMPARE(Total(tela), QStringLiteral("Total de registros: 0"));
        QCOMPARE(Lista(tela)->model()->rowCount(), 0);
    }

    void umaLinhaPorAchadoComSeusTextos()
    {
        TListaLogAlertasAndErros lista{Alerta(QStringLiteral("alerta"), QStringLiteral("B")), {}};
        lista[1].FErro = QStringLiteral("erro");
        lista[1].FCorrecao = QStringLiteral("A");
        TLogView tela(Buffer(lista));
        QCOMPARE(Total(tela), QStringLiteral("Total de registros: 2"));
        QCOMPARE(Coluna(tela, 0), (QStringList{QString(), QStringLiteral("alerta")}));
        QCOMPARE(Coluna(tela, 1), (QStringList{QStringLiteral("erro"), QString()}));
        QCOMPARE(Coluna(tela, 2), (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    }

    void ordenaPorCorrecaoComoTexto()
    {
        const QString despesas = QStringLiteral("Analisar os documentos, pois faltam lançamentos de despesas de importação");
        const QString terceiro = QStringLiteral("CFOP não pode estar marcada como Terceiro e Beneficiamento ao mesmo tempo na Aba SPeds");
        const QString carga = QStringLiteral("Carga inicial deste produto está sem custo unitário de entrada");
        const QString correcoes = QStringLiteral("Entrar em Correções Fiscais");
        TListaLogAlertasAndErros lista{
            Alerta(QStringLiteral("1"), Atualizar(9)), Alerta(QStringLiteral("2"), carga),
            Alerta(QStringLiteral("3"), Atualizar(1)), Alerta(QStringLiteral("4"), terceiro),
            Alerta(QStringLiteral("5"), Atualizar(10)), Alerta(QStringLiteral("6"), correcoes),
            Alerta(QStringLiteral("7"), despesas),
        };
        TLogView tela(Buffer(lista));
        // "A" before "C"; capital F before small a; UPDATE after the rest, its numbers compared as
        // text and the closing ";" after every digit: 10, then 1, then 9.
        const QStringList esperada{despesas, terceiro, carga, correcoes, Atualizar(10), Atualizar(1), Atualizar(9)};
        QCOMPARE(Coluna(tela, 2), esperada);
        // The list itself was sorted, not a copy of it.
        QStringList daLista;
        for (const TLogAlertasAndErros& achado : lista)
            daLista << achado.FCorrecao;
        QCOMPARE(daLista, esperada);
    }

    void correcoesIguaisMantemAOrdemDaAnalise()
    {
        TListaLogAlertasAndErros lista{Alerta(QStringLiteral("primeiro"), QStringLiteral("X")),
                                       Alerta(QStringLiteral("antes"), QStringLiteral("A")),
                                       Alerta(QStringLiteral("segundo"), QStringLiteral("X")),
                                       Alerta(QStringLiteral("terceiro"), QStringLiteral("X"))};
        TLogView tela(Buffer(lista));
        QCOMPARE(Coluna(tela, 0), (QStringList{QStringLiteral("antes"), QStringLiteral("primeiro"), QStringLiteral("segundo"),
                                               QStringLiteral("terceiro")}));
    }

    void colunasDividemALarguraERecalculamAoRedimensionar()
    {
        TListaLogAlertasAndErros lista{Alerta(QStringLiteral("a"), QStringLiteral("b"))};
        TLogView tela(Buffer(lista));
        tela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tela));
        VerificarColunasIguais(*Lista(tela));

        const int antes = Lista(tela)->viewport()->width();
        tela.resize(1001, 600);
        QTRY_VERIFY(Lista(tela)->viewport()->width() != antes);
        VerificarColunasIguais(*Lista(tela));

        // A border dragged by the user: its widths stay, scroll bar and all.
        QHeaderView* cabecalho = Lista(tela)->horizontalHeader();
        const int borda = cabecalho->sectionViewportPosition(2) + cabecalho->sectionSize(2) - 1;
        const int larga = cabecalho->sectionSize(2) + 300;
        QTest::mousePress(cabecalho->viewport(), Qt::LeftButton, {}, QPoint(borda, 5));
        QTest::mouseMove(cabecalho->viewport(), QPoint(borda + 300, 5));
        QTest::mouseRelease(cabecalho->viewport(), Qt::LeftButton, {}, QPoint(borda + 300, 5));
        QTest::qWait(50); // the scroll bar comes
        QCOMPARE(cabecalho->sectionSize(2), larga);
    }

    void larguraArrastadaFicaComAListaJustaEParaAProximaVez()
    {
        // Rows that just fill the list: the horizontal scroll bar a wider column brings makes
        // room for one row less, and so brings the vertical one, which narrows the list.
        TListaLogAlertasAndErros lista(24, Alerta(QStringLiteral("a"), QStringLiteral("b")));
        QSize tamanho;
        int larga = 0;
        {
            TLogView tela(Buffer(lista));
            tela.show();
            QVERIFY(QTest::qWaitForWindowExposed(&tela));
            QTableView* lv = Lista(tela);
            const int falta = 24 * lv->verticalHeader()->defaultSectionSize() + lv->horizontalHeader()->height() - lv->height();
            tela.resize(700, tela.height() + falta);
            QTRY_COMPARE(lv->viewport()->height(), 24 * lv->verticalHeader()->defaultSectionSize());
            QVERIFY(!lv->verticalScrollBar()->isVisible());
            QHeaderView* cabecalho = lv->horizontalHeader();
            const int borda = cabecalho->sectionViewportPosition(1) + cabecalho->sectionSize(1) - 1;
            larga = cabecalho->sectionSize(1) + 200;
            QTest::mousePress(cabecalho->viewport(), Qt::LeftButton, {}, QPoint(borda, 5));
            QTest::mouseMove(cabecalho->viewport(), QPoint(borda + 200, 5));
            QTest::mouseRelease(cabecalho->viewport(), Qt::LeftButton, {}, QPoint(borda + 200, 5));
            QTRY_VERIFY(lv->verticalScrollBar()->isVisible());
            QCOMPARE(cabecalho->sectionSize(1), larga);
            // A filter or a sort keeps them too.
            tela.findChild<QLineEdit*>(QStringLiteral("edtLocalizar"))->setText(QStringLiteral("a"));
            QCOMPARE(cabecalho->sectionSize(1), larga);
            tamanho = tela.size();
            tela.findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
        }
        TLogView outra(Buffer(lista));
        outra.show();
        QVERIFY(QTest::qWaitForWindowExposed(&outra));
        QCOMPARE(outra.size(), tamanho);
        QTRY_VERIFY(std::abs(Lista(outra)->columnWidth(1) - larga) <= 1);
        outra.findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
        // Back to the design for the next tests.
        QSettings(QStringLiteral("Quorvane"), QStringLiteral("quorvane")).clear();
    }

    void tecladoPassaPelaListaEPelosBotoes()
    {
        TListaLogAlertasAndErros lista{Alerta(QStringLiteral("a"), QStringLiteral("b"))};
        TLogView tela(Buffer(lista));
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        Lista(tela)->setFocus();
        const struct { Qt::Key tecla; Qt::KeyboardModifiers modificadores; const char* destino; } passos[] = {
            {Qt::Key_Tab, {}, "btnExcel"}, {Qt::Key_Tab, {}, "btnClose"}, {Qt::Key_Backtab, Qt::ShiftModifier, "btnExcel"},
            {Qt::Key_Backtab, Qt::ShiftModifier, "lvAlertasAndErros"}, {Qt::Key_Tab, Qt::ControlModifier, "btnExcel"}};
        for (const auto& passo : passos) {
            QTest::keyClick(QApplication::focusWidget(), passo.tecla, passo.modificadores);
            QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(passo.destino));
        }
        // The focused flat button is outlined in the title's blue, the other is not.
        const auto contorno = [&](const char* nome) {
            return tela.findChild<QWidget*>(QLatin1String(nome))->grab().toImage().pixelColor(2, 25) == QColor(0x53, 0x79, 0xDA);
        };
        QVERIFY(contorno("btnExcel") && !contorno("btnClose"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!tela.isVisible());

        // Enter presses the focused button.
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        tela.findChild<QPushButton*>(QStringLiteral("btnClose"))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!tela.isVisible());
    }

    void marcaDaLinhaAtualSeVeSelecionadaOuNao()
    {
        TListaLogAlertasAndErros lista{Alerta(QStringLiteral("a"), QStringLiteral("b")), Alerta(QStringLiteral("c"), QStringLiteral("d"))};
        TLogView tela(Buffer(lista));
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        QTableView* lv = Lista(tela);
        lv->setFocus();
        for (const bool selecionada : {false, true}) {
            lv->selectionModel()->setCurrentIndex(lv->model()->index(1, 1), selecionada ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                                                                                         : QItemSelectionModel::Clear);
            const QRect linha = lv->visualRect(lv->model()->index(1, 1));
            const QImage imagem = lv->viewport()->grab().toImage();
            const double dpr = imagem.devicePixelRatio();
            const auto pixel = [&](int x, int y) { return imagem.pixelColor(QPoint(x, y) * dpr); };
            // The frame's edge against the row's own background, in the middle of the row.
            const QColor marca = pixel(linha.center().x(), linha.top());
            const QColor fundo = pixel(linha.center().x() + 1, linha.center().y());
            QVERIFY2(Contraste(marca, fundo) >= 3.0, qPrintable(marca.name() + u' ' + fundo.name()));
        }
    }

    void copiaLinhasComoTextoComTabulacoes()
    {
        TListaLogAlertasAndErros lista{Alerta(QStringLiteral("NF:\t1"), QStringLiteral("A")), Alerta(QStringLiteral("x"), Atualizar(12))};
        TLogView tela(Buffer(lista));
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        QTableView* lv = Lista(tela);
        QTest::keyClick(lv, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(lv, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("NF: 1\t\tA\nx\t\t") + Atualizar(12) + u'\n');
        // The context menu's "Copiar" takes the row selected; the tip shows the cut-off text whole.
        lv->selectionModel()->select(lv->model()->index(1, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        lv->actions().at(0)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("x\t\t") + Atualizar(12) + u'\n');
        QHelpEvent dica(QEvent::ToolTip, lv->visualRect(lv->model()->index(1, 2)).center(), QPoint());
        QApplication::sendEvent(lv->viewport(), &dica);
        QCOMPARE(QToolTip::text(), Atualizar(12));
    }

    void localizarMostraSoOsAchadosComOTexto()
    {
        TListaLogAlertasAndErros lista{Alerta(QStringLiteral("Operação 1"), QStringLiteral("B")),
                                       Alerta(QStringLiteral("outro"), QStringLiteral("Atualizar a ACAO")),
                                       Alerta(QStringLiteral("nada"), QStringLiteral("C"))};
        QStringList exportadas;
        TLogView tela(Buffer(lista), [&](const TListaLogAlertasAndErros& achados) {
            for (const TLogAlertasAndErros& achado : achados)
                exportadas << achado.FAlerta;
        });
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        auto* localizar = tela.findChild<QLineEdit*>(QStringLiteral("edtLocalizar"));
        QVERIFY(!localizar->isVisible());
        QTest::keyClick(Lista(tela), Qt::Key_F, Qt::ControlModifier);
        QVERIFY(localizar->isVisible() && localizar->hasFocus());
        // Any column, capitals and accents aside: "AcaO" finds "Operação" and "ACAO".
        QTest::keyClicks(localizar, QStringLiteral("AcaO"));
        QCOMPARE(Coluna(tela, 0), (QStringList{QStringLiteral("outro"), QStringLiteral("Operação 1")}));
        QCOMPARE(Total(tela), QStringLiteral("Total de registros: 2 de 3"));
        QTest::keyClick(localizar, Qt::Key_Space);
        QTest::keyClick(localizar, Qt::Key_1);
        QCOMPARE(Coluna(tela, 0), QStringList{QStringLiteral("Operação 1")});
        QTest::keyClick(localizar, Qt::Key_Backspace);
        QTest::keyClick(localizar, Qt::Key_Backspace);
        QCOMPARE(Coluna(tela, 0).size(), 2);
        // Copy and the spreadsheet take the findings shown, and the button says so.
        Lista(tela)->setFocus();
        QTest::keyClick(Lista(tela), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Lista(tela), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text().count(u'\n'), 2);
        QVERIFY(tela.findChild<QPushButton*>(QStringLiteral("btnExcel"))->toolTip().contains(QStringLiteral("2 achados mostrados")));
        QTest::mouseClick(tela.findChild<QPushButton*>(QStringLiteral("btnExcel")), Qt::LeftButton);
        QCOMPARE(exportadas, (QStringList{QStringLiteral("outro"), QStringLiteral("Operação 1")}));
        // Esc puts the whole list back; the next one closes the window.
        QTest::keyClick(localizar, Qt::Key_Escape);
        QCOMPARE(Total(tela), QStringLiteral("Total de registros: 3"));
        QVERIFY(tela.isVisible() && !localizar->isVisible());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!tela.isVisible());
    }

    void cabecalhoOrdenaComNumerosPorValor()
    {
        TListaLogAlertasAndErros lista{Alerta(QString(), QStringLiteral("X")), Alerta(QString(), QStringLiteral("Y")),
                                       Alerta(QString(), QStringLiteral("Z")), Alerta(QString(), QStringLiteral("W"))};
        const QStringList numeros{QStringLiteral("Numero: 99848"), QStringLiteral("Numero: 9984"), QStringLiteral("Numero: 99856"),
                                  QStringLiteral("numero: 09984 b")};
        for (std::size_t i = 0; i < lista.size(); ++i)
            lista[i].FErro = numeros[static_cast<int>(i)];
        TLogView tela(Buffer(lista));
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        QHeaderView* cabecalho = Lista(tela)->horizontalHeader();
        const auto clicar = [&](int coluna) {
            QTest::mouseClick(cabecalho->viewport(), Qt::LeftButton, {}, QPoint(cabecalho->sectionViewportPosition(coluna) + 10, 5));
        };
        clicar(1);
        QCOMPARE(Coluna(tela, 1), (QStringList{numeros[1], numeros[3], numeros[0], numeros[2]}));
        QCOMPARE(cabecalho->sortIndicatorSection(), 1);
        clicar(1);
        QCOMPARE(Coluna(tela, 1), (QStringList{numeros[2], numeros[0], numeros[3], numeros[1]}));
        clicar(1);
        QCOMPARE(Coluna(tela, 2), (QStringList{QStringLiteral("W"), QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("Z")}));
        QVERIFY(!cabecalho->isSortIndicatorShown());
        // The keyboard does the same, and a filter keeps the order.
        QTest::keyClick(Lista(tela), Qt::Key_2, Qt::ControlModifier);
        tela.findChild<QLineEdit*>(QStringLiteral("edtLocalizar"))->setText(QStringLiteral("998"));
        QCOMPARE(Coluna(tela, 1), (QStringList{numeros[1], numeros[3], numeros[0], numeros[2]}));
        tela.findChild<QLineEdit*>(QStringLiteral("edtLocalizar"))->setText(QStringLiteral("9985"));
        QCOMPARE(Coluna(tela, 1), QStringList{numeros[2]});
    }

    void salvarGravaOsAchadosMostradosNoFormatoEscolhido()
    {
        EscopoDialogos dialogos;
        Testes::PastaTemporaria pasta;
        const QString base = QString::fromStdString((pasta / "achados").string());
        TListaLogAlertasAndErros lista{Alerta(QStringLiteral("NF: 1, \"a\""), QStringLiteral("A")), Alerta(QStringLiteral("outro"), QStringLiteral("B"))};
        TLogView tela(Buffer(lista));
        tela.DefinirDataCargaInicial(QStringLiteral("01/03/2023"));
        tela.show();
        QVERIFY(QTest::qWaitForWindowActive(&tela));
        tela.findChild<QLineEdit*>(QStringLiteral("edtLocalizar"))->setText(QStringLiteral("nf"));
        // Ctrl+S, no extension typed: the chosen kind's; only the findings shown, and it says so.
        dialogos->nomeParaSalvar = base;
        dialogos->filtroParaSalvar = QStringLiteral("CSV (*.csv)");
        QTest::keyClick(Lista(tela), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(dialogos->titulosParaSalvar.at(0), QStringLiteral("Salvar os achados mostrados (1 de 2)"));
        QFile csv(base + QStringLiteral(".csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QByteArray gravado = csv.readAll();
        QCOMPARE(QString::fromUtf8(gravado), QStringLiteral("Alerta,Erro,Correção\r\n\"NF: 1, \"\"a\"\"\",,A\r\n"));
        // The list's menu, a workbook; then the report.
        const QList<QAction*> menu = Lista(tela)->actions();
        QAction* salvarDoMenu = *std::find_if(menu.begin(), menu.end(), [](QAction* a) { return a->shortcut() == QKeySequence::Save; });
        dialogos->nomeParaSalvar = base + QStringLiteral(".xlsx");
        salvarDoMenu->trigger();
        QCOMPARE(Testes::CelulasDaPlanilha(pasta / "achados.xlsx").size(), 2);
        dialogos->nomeParaSalvar = base + QStringLiteral(".html");
        salvarDoMenu->trigger();
        QFile html(base + QStringLiteral(".html"));
        QVERIFY(html.open(QIODevice::ReadOnly));
        const QString pagina = QString::fromUtf8(html.readAll());
        QVERIFY(pagina.contains(QStringLiteral("NF: 1, &quot;a&quot;")) && pagina.contains(QStringLiteral("01/03/2023")));
        // A file that cannot be written: the error report, and the old file as it was.
        dialogos->nomeParaSalvar = base + QStringLiteral("-nao-existe/x.csv");
        salvarDoMenu->trigger();
        dialogos->nomeParaSalvar = base + QStringLiteral(".txt");
        salvarDoMenu->trigger();
        QCOMPARE(dialogos->caixas.size(), std::size_t(2));
        QVERIFY(dialogos->caixas[0].erro && dialogos->caixas[1].texto.contains(QStringLiteral(".xlsx, .csv ou .html")));
        csv.seek(0);
        QCOMPARE(csv.readAll(), gravado);
        QVERIFY(tela.isVisible());
    }

    void planilhaSalvaPorCimaGuardaAsPermissoesDoArquivo()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows: a file made in a folder takes the folder's permissions");
#else
        namespace fs = std::filesystem;
        Testes::PastaTemporaria pasta;
        const QString arquivo = QString::fromStdString((pasta / "achados.xlsx").string());
        const TListaLogAlertasAndErros lista{Alerta(QStringLiteral("x"), QStringLiteral("A"))};
        SalvarAchados(arquivo, lista, {});
        fs::permissions(pasta / "achados.xlsx", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
        SalvarAchados(arquivo, lista, {});
        QCOMPARE(fs::status(pasta / "achados.xlsx").permissions(),
                 fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
        // One that cannot take its place leaves nothing beside it.
        fs::create_directory(pasta / "pasta.xlsx");
        QVERIFY_THROWS_EXCEPTION(Erro, SalvarAchados(QString::fromStdString((pasta / "pasta.xlsx").string()), lista, {}));
        QCOMPARE(std::distance(fs::directory_iterator(pasta.Caminho()), fs::directory_iterator()), 2);
#endif
    }

    void milhaoDeAchados()
    {
        // Corrections from a pool of a thousand, given in falling order, alerts numbered by position.
        constexpr int quantidade = 1'000'000;
        std::vector<QString> correcoes;
        for (int i = 0; i < 1000; ++i)
            correcoes.push_back(QStringLiteral("C%1").arg(i, 4, 10, QLatin1Char('0')));
        TListaLogAlertasAndErros lista;
        lista.reserve(quantidade);
        for (int i = 0; i < quantidade; ++i)
            lista.push_back(Alerta(QString::number(i), correcoes[999 - i % 1000]));

        TLogView tela(Buffer(lista));
        QCOMPARE(Total(tela), QStringLiteral("Total de registros: 1000000"));
        const QAbstractItemModel* modelo = Lista(tela)->model();
        QCOMPARE(modelo->rowCount(), quantidade);
        // First: the first finding with the smallest correction; last: the last with the greatest.
        QCOMPARE(modelo->index(0, 0).data().toString(), QStringLiteral("999"));
        QCOMPARE(modelo->index(0, 2).data().toString(), QStringLiteral("C0000"));
        QCOMPARE(modelo->index(quantidade - 1, 0).data().toString(), QStringLiteral("999000"));
        QCOMPARE(modelo->index(quantidade - 1, 2).data().toString(), QStringLiteral("C0999"));

        tela.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tela));
        Lista(tela)->scrollToBottom();
        const QRect ultima = Lista(tela)->visualRect(modelo->index(quantidade - 1, 0));
        QVERIFY(ultima.intersects(Lista(tela)->viewport()->rect()));
    }

    void excelEntregaAsLinhasMostradas()
    {
        TListaLogAlertasAndErros lista{Alerta(QStringLiteral("x"), QStringLiteral("B")), Alerta(QStringLiteral("y"), QStringLiteral("A"))};
        QStringList recebidas;
        TLogView tela(Buffer(lista), [&](const TListaLogAlertasAndErros& achados) {
            for (const TLogAlertasAndErros& achado : achados)
                recebidas << achado.FAlerta;
        });
        tela.show();
        QTest::mouseClick(tela.findChild<QPushButton*>(QStringLiteral("btnExcel")), Qt::LeftButton);
        QCOMPARE(recebidas, (QStringList{QStringLiteral("y"), QStringLiteral("x")}));
    }

    void erroNoExcelVaiParaORelatorioEAJanelaFica()
    {
        EscopoDialogos dialogos;
        TListaLogAlertasAndErros lista;
        TLogView tela(Buffer(lista), [](const TListaLogAlertasAndErros&) { throw Erro(QStringLiteral("Versão do Ms-Excel incompatível")); });
        tela.show();
        QTest::mouseClick(tela.findChild<QPushButton*>(QStringLiteral("btnExcel")), Qt::LeftButton);
        QCOMPARE(dialogos->caixas.size(), std::size_t(1));
        QVERIFY(dialogos->caixas[0].erro);
        QCOMPARE(dialogos->caixas[0].titulo, QStringLiteral("Quorvane"));
        QCOMPARE(dialogos->caixas[0].texto, QStringLiteral("Versão do Ms-Excel incompatível."));
        QVERIFY(tela.isVisible());
    }

    void sairFechaAJanela()
    {
        TListaLogAlertasAndErros lista;
        TLogView tela(Buffer(lista));
        tela.show();
        QTest::mouseClick(tela.findChild<QPushButton*>(QStringLiteral("btnClose")), Qt::LeftButton);
        QVERIFY(!tela.isVisible());
    }

    void captionEmNegritoSobOMouse()
    {
        TListaLogAlertasAndErros lista;
        TLogView tela(Buffer(lista));
        tela.show();
        for (const char* nome : {"btnExcel", "btnClose"}) {
            auto* botao = tela.findChild<QPushButton*>(QString::fromLatin1(nome));
            QVERIFY2(NegritoSobOMouse(*botao), nome);
        }
    }
};

QUORVANE_SUITE(TesteLogView);

#include "LogViewTest.moc"
