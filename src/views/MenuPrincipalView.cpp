#include "MenuPrincipalView.h"

#include "Analises.h"
#include "Aparencia.h"
#include "Controles.h"
#include "Dialogos.h"
#include "Erro.h"
#include "ExecucaoEmSegundoPlano.h"
#include "RelatorioDeErro.h"
#include "TelaEsperaView.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QStringList>
#include <QTabWidget>
#include <QTextEdit>

namespace Quorvane {

namespace {

QLabel* NovoPainelComLegenda(const QString& nome, const QString& legenda, const QFont& fonte, QWidget* pai)
{
    // A database path of any length leaves the window its size.
    auto* painel = new TRotuloElidido(legenda, pai);
    painel->setObjectName(nome);
    painel->setFont(fonte);
    painel->setAlignment(Qt::AlignCenter);
    PintarTexto(*painel, Qt::white);
    return painel;
}

// Qt answers a button's access key only while the button is visible: while another page of the
// tab control is shown, the window answers it (in the help text, Alt+Q would type a "q").
void AtalhosDeOutraPagina(QTabWidget& paginas, const QWidget& pagina, std::initializer_list<QAbstractButton*> botoes)
{
    for (QAbstractButton* botao : botoes) {
        auto* atalho = new QShortcut(QKeySequence::mnemonic(botao->text()), paginas.window());
        const auto atualizar = [&paginas, &pagina, atalho] { atalho->setEnabled(paginas.currentWidget() != &pagina); };
        atualizar();
        QObject::connect(&paginas, &QTabWidget::currentChanged, atalho, atualizar);
        QObject::connect(atalho, &QShortcut::activated, botao, &QAbstractButton::click);
    }
}

} // namespace

TMenuPrincipalView::TMenuPrincipalView(const FormatoLocal& formato, std::shared_ptr<iTelaLog> telaLog, QWidget* pai)
    : TBaseView(pai), formato_(formato), telaLog_(std::move(telaLog))
{
    setObjectName(QStringLiteral("MenuPrincipalView"));
    setWindowTitle(QStringLiteral("MenuPrincipalView"));
    resize(700, 400);
    pnlTitulo->setText(QStringLiteral("Quorvane Inicio do Módulo"));
    pnlPrincipal->setFont(Fonte(QStringLiteral("Tahoma"), 13));

    pgcPrincipal = new QTabWidget(pnlPrincipal);
    pgcPrincipal->setObjectName(QStringLiteral("pgcPrincipal"));
    auto* principal = new QVBoxLayout(pnlPrincipal);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->addWidget(pgcPrincipal);
    CriarPaginaPrincipal();
    CriarPaginaAjuda();
    AtalhosDeOutraPagina(*pgcPrincipal, *tsPrincipal, {btnAnalisar, btnClose});
    pgcPrincipal->setCurrentWidget(tsPrincipal);

    // No background of its own: the index panel's blue shows through.
    pnlBancoDados = NovoPainelComLegenda(QStringLiteral("pnlBancoDados"), QStringLiteral(".............."),
                                         Fonte(QStringLiteral("Segoe UI"), 13, true), pnlIndex);
    pnlBancoDados->setFixedHeight(41);
    LayoutIndex().addWidget(pnlBancoDados);

    if (const QScreen* tela = screen())
        move(tela->availableGeometry().center() - rect().center());

    ExecutarProtegido([this] { FormCreate(); });
    // The engine could not be created (that has been reported): without it there is nothing to run.
    if (!FAnalises)
        btnAnalisar->setEnabled(false);
}

TMenuPrincipalView::~TMenuPrincipalView() = default;

void TMenuPrincipalView::CriarPaginaPrincipal()
{
    tsPrincipal = new QWidget;
    tsPrincipal->setObjectName(QStringLiteral("tsPrincipal"));
    pgcPrincipal->addTab(tsPrincipal, QStringLiteral("Principal"));

    lblData = new QLabel(QStringLiteral("Data Carga Inicial"), tsPrincipal);
    lblData->setObjectName(QStringLiteral("lblData"));
    lblData->setGeometry(282, 43, 109, 17);
    lblData->setFont(Fonte(QStringLiteral("Segoe UI"), 13, true));

    edtDataCargaInicial = new QLineEdit(tsPrincipal);
    edtDataCargaInicial->setObjectName(QStringLiteral("edtDataCargaInicial"));
    edtDataCargaInicial->setGeometry(282, 62, 109, 25);
    edtDataCargaInicial->setFont(Fonte(QStringLiteral("Segoe UI"), 13));
    PintarTexto(*edtDataCargaInicial, Cores::Azul);
    edtDataCargaInicial->setEnabled(false);

    btnAnalisar = new TBotaoPlano(QStringLiteral("&Quorvane"), Figura(QStringLiteral("analisar")), 24, tsPrincipal);
    btnAnalisar->setObjectName(QStringLiteral("btnAnalisar"));
    btnAnalisar->setGeometry(153, 100, 170, 41);
    btnClose = new TBotaoPlano(QStringLiteral("&Sair"), Figura(QStringLiteral("sair")), 24, tsPrincipal);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setGeometry(355, 100, 170, 41);
    btnAnalisar->setToolTip(QStringLiteral("Executa as verificações e mostra os achados (Alt+Q)"));
    btnClose->setToolTip(QStringLiteral("Fecha o programa (Alt+S)"));
    for (TBotaoPlano* botao : {btnAnalisar, btnClose}) {
        connect(botao, &TBotaoPlano::MouseEnter, this, [this, botao] { btnAnalisarMouseEnter(botao); });
        connect(botao, &TBotaoPlano::MouseLeave, this, [this, botao] { btnAnalisarMouseLeave(botao); });
    }
    connect(btnAnalisar, &QPushButton::clicked, this, [this] { ExecutarProtegido([this] { btnAnalisarClick(btnAnalisar); }); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });

    // The controls above are placed by hand; the layout only docks the two bars at the bottom.
    auto* pagina = new QVBoxLayout(tsPrincipal);
    pagina->setContentsMargins(0, 0, 0, 0);
    pagina->setSpacing(0);
    pagina->addStretch(1);

    pnlMensagem = NovoPainelComLegenda(QStringLiteral("pnlMensagem"), QString(), Fonte(QStringLiteral("Segoe UI"), 15, true),
                                       tsPrincipal);
    pnlMensagem->setFixedHeight(30);
    PintarFundo(*pnlMensagem, palette().color(QPalette::Highlight));
    pnlMensagem->hide();
    pagina->addWidget(pnlMensagem);

    pnlImportante = new QWidget(tsPrincipal);
    pnlImportante->setObjectName(QStringLiteral("pnlImportante"));
    pnlImportante->setFixedHeight(62);
    PintarFundo(*pnlImportante, Cores::Importante);
    pagina->addWidget(pnlImportante);
    auto* importante = new QVBoxLayout(pnlImportante);
    importante->setContentsMargins(0, 0, 0, 0);
    lblImportante = new QLabel(
        QStringLiteral("Importante: Não tem como contemplar todas as situações possíveis, mas lembre-se são \"apenas\" "
                       "analises com base em alguns casos com a finalidade de auxiliar no entendimento dos possíveis "
                       "problemas com o Custo Fiscal.\n"),
        pnlImportante);
    lblImportante->setObjectName(QStringLiteral("lblImportante"));
    lblImportante->setTextFormat(Qt::PlainText);
    lblImportante->setWordWrap(true);
    lblImportante->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblImportante->setFont(Fonte(QStringLiteral("Segoe UI"), 15, true));
    PintarTexto(*lblImportante, Qt::white);
    importante->addWidget(lblImportante);
}

void TMenuPrincipalView::CriarPaginaAjuda()
{
    tsAjuda = new QWidget;
    tsAjuda->setObjectName(QStringLiteral("tsAjuda"));
    pgcPrincipal->addTab(tsAjuda, QStringLiteral("Ajuda"));
    auto* pagina = new QVBoxLayout(tsAjuda);
    pagina->setContentsMargins(0, 0, 0, 0);

    pnlAjuda = new QWidget(tsAjuda);
    pnlAjuda->setObjectName(QStringLiteral("pnlAjuda"));
    PintarFundo(*pnlAjuda, Cores::Ajuda);
    pagina->addWidget(pnlAjuda);
    auto* ajuda = new QVBoxLayout(pnlAjuda);
    ajuda->setContentsMargins(1, 1, 1, 1);

    // Read, selected and copied, never edited; Tab goes on to the next control.
    redtAjuda = new QTextEdit(pnlAjuda);
    redtAjuda->setObjectName(QStringLiteral("redtAjuda"));
    redtAjuda->setReadOnly(true);
    redtAjuda->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    redtAjuda->setTabChangesFocus(true);
    redtAjuda->setFrameShape(QFrame::NoFrame);
    redtAjuda->setFont(Fonte(QStringLiteral("Segoe UI"), 13));
    redtAjuda->setPlainText(QStringList{
        QStringLiteral("Compreende as seguintes validações:"),
        QStringLiteral("- CargaInicialSemCustoUnitarioEntrada"),
        QStringLiteral("- CFOPBeneficiamentoTerceiroAoMesmoTempo"),
        QStringLiteral("- CFOPConsumoMovimentandoEstoque"),
        QStringLiteral("- ImportacaoSemDespesas"),
        QStringLiteral("- ImportacaoSemFOB"),
        QStringLiteral("- PrimeiroLancamentoSaidaMovimentaEstoque"),
        QStringLiteral("- AcertoEntradaSemValorUnitario"),
    }.join(u'\n'));
    ajuda->addWidget(redtAjuda);
}

void TMenuPrincipalView::FormCreate()
{
    pnlTitulo->setText(pnlTitulo->text() + QStringLiteral("- Versão 1.05"));
    pnlBancoDados->setText(QStringLiteral("Banco de Dados: ") + (Conexao ? Conexao->GetCaminhoBanco() : QString()));
    FAnalises = TAnalises::New(formato_, telaLog_);
    edtDataCargaInicial->setText(FAnalises->GetDataCargaInicial());
    if (!edtDataCargaInicial->text().isEmpty()) {
        pnlMensagem->hide();
        pnlMensagem->clear();
    } else {
        btnAnalisar->setEnabled(false);
        pnlMensagem->setText(QStringLiteral("Não tem Custo Inicial rodado.."));
        pnlMensagem->show();
    }
}

void TMenuPrincipalView::btnAnalisarClick(QAbstractButton* Sender)
{
    if (!FAnalises)
        return;
    Sender->setEnabled(false);
    btnClose->setEnabled(false);
    TTelaEsperaView::Start();
    const auto fim = qScopeGuard([this, Sender] {
        TTelaEsperaView::End();
        Sender->setEnabled(true);
        btnClose->setEnabled(true);
    });
    TTelaEsperaView::TelaEspera()->installEventFilter(this);
    // Which check is running, on the wait screen: the engine tells it from the checks' thread.
    // The route matters to the user: the embedded engine keeps the ERP out of the file. It heads the
    // progress line, under the usual text.
    const QString motor = DescricaoDoMotor(Conexao->GetConexao()->MotorEmUso());
    FAnalises->DefinirAcompanhamento([this, motor](std::size_t posicao, std::size_t total, const Verificacao& verificacao) {
        const QString texto = motor + u'\n'
                              + (posicao > 0 ? QStringLiteral("%1 de %2: %3").arg(posicao).arg(total).arg(verificacao.descricao)
                                             : verificacao.descricao);
        QMetaObject::invokeMethod(this, [texto] { TTelaEsperaView::Progresso(texto); }, Qt::QueuedConnection);
    });
    const auto semAcompanhamento = qScopeGuard([this] { FAnalises->DefinirAcompanhamento({}); });
    try {
        // The checks run off the interface thread so that the windows keep painting and answering
        // the window system and Esc; the log window is a window and opens here, once they are
        // done. A cancelled run fails as a failed check does, with "Análise cancelada.".
        {
            // The user may stop the run from the moment the wait screen shows, the reading of the
            // warnings included. The log is cleared first, as that also forgets a cancel.
            verificando_ = true;
            const auto fimDasVerificacoes = qScopeGuard([this] { verificando_ = false; });
            FAnalises->LimparLog();
            TTelaEsperaView::Wait(QStringLiteral("Aguarde fazendo analises.."), TCor::Azul, QStringLiteral("Aguarde.."));
            TTelaEsperaView::Progresso(motor);
            // What the user should know before a slow or doubtful run; with nothing to warn about
            // the screen stays as it always was.
            QStringList avisos;
            ExecutarEmSegundoPlano([this, &avisos] { avisos = FAnalises->LerAvisos(FAnalises->Verificacoes()); },
                                   QEventLoop::AllEvents);
            TTelaEsperaView::Avisos(avisos);
            ExecutarEmSegundoPlano(
                [this] {
                    for (const Verificacao* verificacao : FAnalises->Verificacoes())
                        FAnalises->Executar(*verificacao);
                },
                QEventLoop::AllEvents);
        }
        FAnalises->ShowTelaLog();
    } catch (const Erro& e) {
        // The user closed the window and chose to stop: the program ends, nothing more to say.
        if (!fecharAoTerminar_)
            Dialogos().Mensagem(TituloDaAplicacao(), e.Mensagem());
    }
    if (fecharAoTerminar_)
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

void TMenuPrincipalView::btnAnalisarMouseEnter(QAbstractButton* Sender)
{
    DefinirNegrito(*Sender, true);
}

void TMenuPrincipalView::btnAnalisarMouseLeave(QAbstractButton* Sender)
{
    DefinirNegrito(*Sender, false);
}

void TMenuPrincipalView::btnCloseClick()
{
    close();
}

void TMenuPrincipalView::closeEvent(QCloseEvent* evento)
{
    // btnClose is disabled only while a run is in progress: the engine is busy until it ends.
    if (!btnClose->isEnabled()) {
        evento->ignore();
        PerguntarCancelamento(true);
        return;
    }
    TBaseView::closeEvent(evento);
}

void TMenuPrincipalView::keyPressEvent(QKeyEvent* evento)
{
    if (evento->key() == Qt::Key_Escape && verificando_)
        PerguntarCancelamento();
    else
        TBaseView::keyPressEvent(evento);
}

bool TMenuPrincipalView::eventFilter(QObject* objeto, QEvent* evento)
{
    // The wait screen: Esc there, or an attempt to close it.
    if (objeto == TTelaEsperaView::TelaEspera() && verificando_) {
        if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(evento)->key() == Qt::Key_Escape) {
            PerguntarCancelamento();
            return true;
        }
        if (evento->type() == QEvent::Close) {
            evento->ignore();
            PerguntarCancelamento();
            return true;
        }
    }
    return TBaseView::eventFilter(objeto, evento);
}

void TMenuPrincipalView::changeEvent(QEvent* evento)
{
    // A click on this window during a run does not hide the wait screen behind it.
    if (evento->type() == QEvent::ActivationChange && isActiveWindow() && verificando_ && TTelaEsperaView::TelaEspera()) {
        TTelaEsperaView::TelaEspera()->raise();
        TTelaEsperaView::TelaEspera()->activateWindow();
    }
    TBaseView::changeEvent(evento);
}

void TMenuPrincipalView::PerguntarCancelamento(bool fechando)
{
    // Only while the checks run; the log window, once open, is closed on its own.
    if (!verificando_ || perguntando_ || !FAnalises)
        return;
    perguntando_ = true;
    const bool cancelar = Dialogos().Pergunta(TituloDaAplicacao(), QStringLiteral("Cancelar a análise em andamento?"));
    perguntando_ = false;
    if (cancelar) {
        fecharAoTerminar_ = fecharAoTerminar_ || fechando;
        FAnalises->Cancelar();
    }
}

} // namespace Quorvane
