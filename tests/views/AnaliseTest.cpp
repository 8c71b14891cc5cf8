#include "Analises.h"
#include "BancosDeTeste.h"
#include "ConexaoSql.h"
#include "MarcaDaLinhaAtual.h"
#include "Verificacoes.h"
#include "DialogosDeTeste.h"
#include "Erro.h"
#include "MenuPrincipalView.h"
#include "ProxyTcp.h"
#include "RegistroDeTestes.h"
#include "TelaEsperaView.h"
#include "TelaLogModal.h"

#include <QAbstractItemModel>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <optional>

using namespace Quorvane;
using namespace Quorvane::Testes;

namespace {

bool OrdenadaPorCorrecao(const TListaLogAlertasAndErros& lista)
{
    return std::is_sorted(lista.begin(), lista.end(),
                          [](const TLogAlertasAndErros& a, const TLogAlertasAndErros& b) { return a.FCorrecao < b.FCorrecao; });
}

// The program's way to the log window, watched: what the engine hands it and in which order.
class TelaLogObservada final : public iTelaLog {
public:
    void Mostrar(TLogAlertasAndErros& log, const QString& dataCargaInicial) override
    {
        lista = log.FLista;
        ordenadaAntes = lista && OrdenadaPorCorrecao(*lista);
        real.Mostrar(log, dataCargaInicial);
    }
    TListaLogAlertasAndErros* lista = nullptr;
    bool ordenadaAntes = true;

private:
    TTelaLogModal real;
};

// What the test saw while the log window was open, in the middle of the run.
struct DuranteAJanela {
    bool analisarHabilitado = true;
    bool sairHabilitado = true;
    bool esperaVisivel = false;
    QString tituloEspera;
    QString textoEspera;
    QColor corEspera;
    QString progresso;
    QString avisos;
    bool avisosSelecionaveis = false;
    QColor corAvisos;
    bool esperaAcimaDaPrincipal = false;
    bool janelaPrincipalFechou = true;
    QString total;
    QStringList correcoes;
};

struct Execucao {
    explicit Execucao(const QString& banco) : conexao(banco), janela(FormatoPtBr(), telaLog)
    {
        janela.show();
        dialogos->enquantoModal = [this](QDialog& tela) { Observar(tela); };
    }

    QPushButton* Botao(const char* nome) { return janela.findChild<QPushButton*>(QString::fromLatin1(nome)); }

    void Analisar() { QTest::mouseClick(Botao("btnAnalisar"), Qt::LeftButton); }

    void Observar(QDialog& tela)
    {
        DuranteAJanela visto;
        visto.analisarHabilitado = Botao("btnAnalisar")->isEnabled();
        visto.sairHabilitado = Botao("btnClose")->isEnabled();
        if (TTelaEsperaView* espera = TTelaEsperaView::TelaEspera()) {
            visto.esperaVisivel = espera->isVisible();
            visto.tituloEspera = espera->findChild<QLabel*>(QStringLiteral("lblTitle"))->text();
            visto.textoEspera = espera->findChild<QLabel*>(QStringLiteral("lbl1"))->text();
            visto.corEspera = espera->findChild<QLabel*>(QStringLiteral("lbl1"))->palette().color(QPalette::WindowText);
            visto.progresso = espera->findChild<QLabel*>(QStringLiteral("lblProgresso"))->text();
            const auto* avisos = espera->findChild<QLabel*>(QStringLiteral("lblAvisos"));
            visto.avisos = avisos->text();
            visto.avisosSelecionaveis = avisos->textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
            visto.corAvisos = avisos->palette().color(QPalette::WindowText);
            visto.esperaAcimaDaPrincipal = espera->windowHandle() && espera->windowHandle()->transientParent() == janela.windowHandle();
        }
        visto.janelaPrincipalFechou = janela.close();
        visto.total = tela.findChild<QLabel*>(QStringLiteral("lblQtdeErros"))->text();
        const QAbstractItemModel* modelo = tela.findChild<QTableView*>(QStringLiteral("lvAlertasAndErros"))->model();
        for (int linha = 0; linha < modelo->rowCount(); ++linha)
            visto.correcoes << modelo->index(linha, 2).data().toString();
        vistos.push_back(visto);
    }

    ConexaoDeTeste conexao;
    EscopoDialogos dialogos;
    std::shared_ptr<TelaLogObservada> telaLog = std::make_shared<TelaLogObservada>();
    TMenuPrincipalView janela;
    std::vector<DuranteAJanela> vistos;
};

// Cancels the connection's statements from a thread of its own once a generous while has passed,
// until the holder goes: keeps a run that would never end from hanging the suite.
class VigiaDeCancelamento {
public:
    explicit VigiaDeCancelamento(ConexaoSql& conexao)
        : vigia_([this, &conexao] {
              std::unique_lock trava(mutex_);
              if (fim_.wait_for(trava, std::chrono::seconds(60), [this] { return terminou_; }))
                  return;
              while (!fim_.wait_for(trava, std::chrono::milliseconds(50), [this] { return terminou_; }))
                  conexao.CancelarOperacao();
          })
    {
    }
    ~VigiaDeCancelamento()
    {
        {
            std::lock_guard trava(mutex_);
            terminou_ = true;
        }
        fim_.notify_all();
        vigia_.join();
    }

private:
    std::mutex mutex_;
    std::condition_variable fim_;
    bool terminou_ = false;
    std::thread vigia_;
};

// The beginnings of the correction texts, one per check, in the order the log window shows them.
const QStringList Grupos{
    QStringLiteral("Analisar os documentos"), QStringLiteral("CFOP de consumo"), QStringLiteral("CFOP não pode"),
    QStringLiteral("Carga inicial"),          QStringLiteral("Entendemos que"),  QStringLiteral("Entrar em Correções"),
    QStringLiteral("UPDATE"),
};

QStringList GruposNaOrdem(const QStringList& correcoes)
{
    QStringList ordem;
    for (const QString& correcao : correcoes) {
        const auto grupo = std::find_if(Grupos.begin(), Grupos.end(), [&](const QString& g) { return correcao.startsWith(g); });
        const QString nome = grupo == Grupos.end() ? correcao : *grupo;
        if (ordem.isEmpty() || ordem.last() != nome)
            ordem << nome;
    }
    return ordem;
}

} // namespace

class TesteAnalise : public QObject {
    Q_OBJECT

    std::optional<PastaTemporaria> bancos;
    QString Banco(const char* nome) const { return QString::fromStdString((*bancos / nome).string()); }

private slots:
    void initTestCase()
    {
        bancos.emplace();
        CriarBanco({"tests/fixtures/checks-a.sql"}, *bancos / "checks-a.fdb");
        // Read-only: every whole run of the window on it also proves that nothing was written.
        TornarSomenteLeitura(*bancos / "checks-a.fdb");
        CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/missing-table.sql"}, *bancos / "sem-tb002.fdb");
        CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/null-keys.sql", "tests/fixtures/missing-index.sql"}, *bancos / "avisos.fdb");
        CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/endless-check.sql"}, *bancos / "sem-fim.fdb");
        CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/endless-check.sql"}, *bancos / "servidor-sem-fim.fdb");
        CriarBanco({"tests/fixtures/checks-a.sql", "tests/fixtures/endless-null-scan.sql"}, *bancos / "avisos-sem-fim.fdb");
    }
    void cleanupTestCase() { bancos.reset(); }

    void analiseMostraOsAchadosAgrupadosPorCorrecao()
    {
        Execucao e(Banco("checks-a.fdb"));
        e.Analisar();

        QCOMPARE(e.dialogos->modais, 1);
        QVERIFY(e.dialogos->caixas.empty());
        const DuranteAJanela& visto = e.vistos.at(0);
        QCOMPARE(visto.total, QStringLiteral("Total de registros: 33"));
        QCOMPARE(visto.correcoes.size(), 33);
        QCOMPARE(GruposNaOrdem(visto.correcoes), Grupos);
        const QStringList updates = visto.correcoes.filter(QRegularExpression(QStringLiteral("^UPDATE")));
        QCOMPARE(updates.size(), 5);
        QVERIFY(std::is_sorted(updates.begin(), updates.end()));
    }

    void duranteAAnaliseOsBotoesFicamDesabilitados()
    {
        Execucao e(Banco("checks-a.fdb"));
        e.Analisar();

        const DuranteAJanela& visto = e.vistos.at(0);
        QVERIFY(!visto.analisarHabilitado);
        QVERIFY(!visto.sairHabilitado);
        // The wait screen stays behind the log window until it is closed.
        QVERIFY(visto.esperaVisivel);
        QCOMPARE(visto.tituloEspera, QStringLiteral("Aguarde.."));
        QCOMPARE(visto.textoEspera, QStringLiteral("Aguarde fazendo analises.."));
        QCOMPARE(visto.corEspera, QColor(0x00, 0x00, 0xFF));
        // Above the main window, saying which check ran last and for how long the run has gone.
        QVERIFY(visto.esperaAcimaDaPrincipal);
        // And how the database was reached (these tests open it with the embedded engine).
        QVERIFY2(visto.progresso.startsWith(DescricaoDoMotor(Motor::Embutido) + QStringLiteral("\n7 de 7: ")
                                            + VerificacaoAcertoEntradaSemValorUnitario().descricao + QStringLiteral(" (0:")),
                 qPrintable(visto.progresso));
        // The engine is in use: the main window does not close under it.
        QVERIFY(!visto.janelaPrincipalFechou);
        QVERIFY(e.janela.isVisible());

        QVERIFY(e.Botao("btnAnalisar")->isEnabled());
        QVERIFY(e.Botao("btnClose")->isEnabled());
        QVERIFY(!TTelaEsperaView::TelaEspera());
    }

    void avisosNaTelaDeEsperaComoTextoSelecionavel()
    {
        Execucao e(Banco("avisos.fdb"));
        e.Analisar();
        const DuranteAJanela& visto = e.vistos.at(0);
        QCOMPARE(visto.textoEspera, QStringLiteral("Aguarde fazendo analises.."));
        // Text to select and copy (the CREATE INDEX), legible on white.
        QVERIFY(visto.avisos.startsWith(QStringLiteral("ImportacaoSemDespesas pode levar horas")));
        QCOMPARE(visto.avisos.count(u'\n'), 2);
        QVERIFY(visto.avisosSelecionaveis);
        QVERIFY(Contraste(visto.corAvisos, Qt::white) >= 4.5);
        QCOMPARE(visto.total, QStringLiteral("Total de registros: 33"));
    }

    void aListaDoMotorFicaOrdenada()
    {
        Execucao e(Banco("checks-a.fdb"));
        e.Analisar();
        QVERIFY(e.telaLog->lista);
        QVERIFY(!e.telaLog->ordenadaAntes); // the checks append in their own order
        QCOMPARE(e.telaLog->lista->size(), std::size_t(33));
        QVERIFY(OrdenadaPorCorrecao(*e.telaLog->lista));
    }

    void duasAnalisesDaoOMesmoResultado()
    {
        Execucao e(Banco("checks-a.fdb"));
        e.Analisar();
        e.Analisar();
        QCOMPARE(e.dialogos->modais, 2);
        QCOMPARE(e.vistos.at(1).total, QStringLiteral("Total de registros: 33"));
        QCOMPARE(e.vistos.at(1).correcoes, e.vistos.at(0).correcoes);
    }

    void falhaNaTerceiraVerificacaoMostraAMensagemDoBanco()
    {
        // The database's own message, as the engine raises it.
        QString mensagemDoBanco;
        {
            ConexaoDeTeste conexao(Banco("sem-tb002.fdb"));
            auto analises = TAnalises::New(FormatoPtBr());
            try {
                analises->LimparLog().CargaInicialSemCustoUnitarioEntrada().CFOPBeneficiamentoTerceiroAoMesmoTempo().CFOPConsumoMovimentandoEstoque();
                QFAIL("a terceira verificação deveria falhar");
            } catch (const ErroBanco& erro) {
                mensagemDoBanco = erro.Mensagem();
            }
        }

        Execucao e(Banco("sem-tb002.fdb"));
        e.Analisar();

        QCOMPARE(e.dialogos->modais, 0);
        QCOMPARE(e.dialogos->caixas.size(), std::size_t(1));
        const auto& caixa = e.dialogos->caixas[0];
        QVERIFY(!caixa.erro); // a plain message box
        QCOMPARE(caixa.titulo, QStringLiteral("Quorvane"));
        QVERIFY2(caixa.texto.contains(QStringLiteral("TB002")), qPrintable(caixa.texto));
        QCOMPARE(caixa.texto, mensagemDoBanco);
        QVERIFY(e.Botao("btnAnalisar")->isEnabled());
        QVERIFY(e.Botao("btnClose")->isEnabled());
        QVERIFY(!TTelaEsperaView::TelaEspera());
    }

    void aTelaContinuaAtendendoEnquantoAsVerificacoesRodam()
    {
        // TB002 never finishes reading here: the run lasts until its statement is cancelled. The
        // timer can only fire if this thread's event loop runs while the checks do.
        Execucao e(Banco("sem-fim.fdb"));
        int vezes = 0;
        bool botoesDesabilitados = false;
        bool esperaVisivel = false;
        QTimer cancelar;
        cancelar.setInterval(20);
        QObject::connect(&cancelar, &QTimer::timeout, [&] {
            if (++vezes == 1) {
                botoesDesabilitados = !e.Botao("btnAnalisar")->isEnabled() && !e.Botao("btnClose")->isEnabled();
                esperaVisivel = TTelaEsperaView::TelaEspera() && TTelaEsperaView::TelaEspera()->isVisible();
            }
            Conexao->GetConexao()->CancelarOperacao();
        });
        cancelar.start();
        {
            // Should the loop not run, the run would never end: stop it from outside, and the
            // timer's count below tells what happened.
            const VigiaDeCancelamento vigia(*Conexao->GetConexao());
            e.Analisar();
        }
        cancelar.stop();

        QVERIFY(vezes > 0);
        QVERIFY(botoesDesabilitados);
        QVERIFY(esperaVisivel);
        QCOMPARE(e.dialogos->modais, 0);
        QCOMPARE(e.dialogos->caixas.size(), std::size_t(1));
        QVERIFY(!e.dialogos->caixas[0].erro);
        QVERIFY(e.Botao("btnAnalisar")->isEnabled());
        QVERIFY(!TTelaEsperaView::TelaEspera());
    }

    void escOuFecharAJanelaPerguntaECancela()
    {
        // TB002 never finishes reading here. Closing the main window asks, and "Não" lets the run
        // go on; Esc on the wait screen asks again, and "Sim" ends the run as a failed check does.
        Execucao e(Banco("sem-fim.fdb"));
        e.dialogos->respostas = {false, true};
        bool seguiuDepoisDoNao = false;
        QTimer::singleShot(300, [&] {
            QVERIFY(!e.janela.close());
            QTimer::singleShot(300, [&] {
                seguiuDepoisDoNao = TTelaEsperaView::TelaEspera() != nullptr;
                QTest::keyClick(TTelaEsperaView::TelaEspera(), Qt::Key_Escape);
            });
        });
        {
            const VigiaDeCancelamento vigia(*Conexao->GetConexao());
            e.Analisar();
        }
        QVERIFY(seguiuDepoisDoNao);
        QCOMPARE(e.dialogos->perguntas.size(), std::size_t(2));
        QCOMPARE(e.dialogos->perguntas[0].texto, QStringLiteral("Cancelar a análise em andamento?"));
        QCOMPARE(e.dialogos->perguntas[0].titulo, QStringLiteral("Quorvane"));
        QCOMPARE(e.dialogos->modais, 0);
        QCOMPARE(e.dialogos->caixas.size(), std::size_t(1));
        QVERIFY(!e.dialogos->caixas[0].erro);
        QCOMPARE(e.dialogos->caixas[0].texto, QStringLiteral("Análise cancelada."));
        QVERIFY(e.Botao("btnAnalisar")->isEnabled());
        QVERIFY(e.Botao("btnClose")->isEnabled());
        QVERIFY(e.janela.isVisible());
        QVERIFY(!TTelaEsperaView::TelaEspera());
    }

    void fecharAJanelaESimCancelaEEncerra()
    {
        Execucao e(Banco("sem-fim.fdb"));
        e.dialogos->respostas = {true};
        QTimer::singleShot(300, [&] { QVERIFY(!e.janela.close()); });
        {
            const VigiaDeCancelamento vigia(*Conexao->GetConexao());
            e.Analisar();
        }
        QCOMPARE(e.dialogos->perguntas.size(), std::size_t(1));
        QVERIFY(e.dialogos->caixas.empty());
        QTRY_VERIFY(!e.janela.isVisible());
    }

    void escEnquantoOsAvisosSaoLidosCancela()
    {
        // The count of NULL keys read for the warnings never ends here: Esc stops it at once.
        Execucao e(Banco("avisos-sem-fim.fdb"));
        e.dialogos->respostas = {true};
        QElapsedTimer relogio;
        QTimer::singleShot(500, [&] {
            relogio.start();
            QTest::keyClick(TTelaEsperaView::TelaEspera(), Qt::Key_Escape);
        });
        {
            const VigiaDeCancelamento vigia(*Conexao->GetConexao());
            e.Analisar();
        }
        QVERIFY2(relogio.elapsed() < 2000, qPrintable(QString::number(relogio.elapsed())));
        QCOMPARE(e.dialogos->perguntas.size(), std::size_t(1));
        QCOMPARE(e.dialogos->modais, 0);
        QCOMPARE(e.dialogos->caixas.at(0).texto, QStringLiteral("Análise cancelada."));
    }

    void servidorPerdidoNoMeioDaAnalise()
    {
        if (!ServidorDeTeste())
            QSKIP("Sem servidor de teste (QUORVANE_SERVIDOR_TESTE)");
        // The server vanishes while the third check waits on it: the run's message box shows the
        // client's text and the window is usable again.
        ProxyTcp proxy;
        Execucao e(QStringLiteral("127.0.0.1/%1:%2").arg(proxy.Porta()).arg(Banco("servidor-sem-fim.fdb")));
        QTimer::singleShot(1000, [&] { proxy.Derrubar(); });
        {
            const VigiaDeCancelamento vigia(*Conexao->GetConexao());
            e.Analisar();
        }
        QCOMPARE(e.dialogos->modais, 0);
        QCOMPARE(e.dialogos->caixas.size(), std::size_t(1));
        QVERIFY(!e.dialogos->caixas[0].erro);
        QVERIFY(!e.dialogos->caixas[0].texto.isEmpty());
        QVERIFY(e.Botao("btnAnalisar")->isEnabled());
        QVERIFY(e.Botao("btnClose")->isEnabled());
        QVERIFY(!TTelaEsperaView::TelaEspera());
    }
};

QUORVANE_SUITE(TesteAnalise);

#include "AnaliseTest.moc"
