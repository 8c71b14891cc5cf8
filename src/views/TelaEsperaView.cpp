#include "TelaEsperaView.h"

#include "Aparencia.h"
#include "BaseView.h"

#include <QApplication>
#include <QBoxLayout>
#include <QElapsedTimer>
#include <QLabel>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <optional>
#include <utility>

namespace Quorvane {

namespace {

// The one wait screen of the process, between Start and End. A plain pointer: the window must go
// before the application object, never at static destruction.
TTelaEsperaView* TelaEsperaAtual = nullptr;

std::optional<QColor> CorDe(TCor cor)
{
    switch (cor) {
    case TCor::Azul:
        return QColor(0x00, 0x00, 0xFF);
    case TCor::Vermelho:
        return QColor(0xFF, 0x00, 0x00);
    case TCor::Preto:
        return QColor(0x00, 0x00, 0x00);
    case TCor::Laranja:
        return QColor(0xFF, 0x8C, 0x00);
    }
    return std::nullopt;
}

// The program's main window, if it is on the screen.
QWidget* JanelaPrincipal()
{
    for (QWidget* janela : QApplication::topLevelWidgets())
        if (qobject_cast<TBaseView*>(janela) && janela->isVisible())
            return janela;
    return nullptr;
}

QWidget* NovoPainel(const QString& nome, const QColor& fundo, QWidget* pai)
{
    auto* painel = new QWidget(pai);
    painel->setObjectName(nome);
    PintarFundo(*painel, fundo);
    return painel;
}

QLabel* NovoRotulo(const QString& nome, const QFont& fonte, Qt::Alignment alinhamento, QWidget* pai)
{
    auto* rotulo = new QLabel(pai);
    rotulo->setObjectName(nome);
    rotulo->setFont(fonte);
    rotulo->setAlignment(alinhamento);
    rotulo->setWordWrap(true);
    rotulo->setTextFormat(Qt::PlainText);
    return rotulo;
}

} // namespace

TTelaEsperaView::TTelaEsperaView(QWidget* dono) : QWidget(dono, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("TelaEsperaView"));
    setFont(Fonte(QStringLiteral("Tahoma"), 13));
    resize(530, 127);

    const QColor azulTela(0x00, 0x80, 0xFF);
    auto* pnlTela = NovoPainel(QStringLiteral("pnlTela"), azulTela, this);
    auto* janela = new QVBoxLayout(this);
    janela->setContentsMargins(0, 0, 0, 0);
    janela->addWidget(pnlTela);
    auto* tela = new QVBoxLayout(pnlTela);
    tela->setContentsMargins(1, 0, 1, 1);
    tela->setSpacing(0);

    auto* pnlTitle = NovoPainel(QStringLiteral("pnlTitle"), azulTela, pnlTela);
    pnlTitle->setFixedHeight(30);
    tela->addWidget(pnlTitle);
    auto* titulo = new QVBoxLayout(pnlTitle);
    titulo->setContentsMargins(10, 0, 0, 0);
    lblTitle = NovoRotulo(QStringLiteral("lblTitle"), Fonte(QStringLiteral("Tahoma"), 13, true),
                          Qt::AlignLeft | Qt::AlignVCenter, pnlTitle);
    PintarTexto(*lblTitle, Qt::white);
    titulo->addWidget(lblTitle);

    auto* pnlPrincipal = NovoPainel(QStringLiteral("pnlPrincipal"), Qt::white, pnlTela);
    tela->addWidget(pnlPrincipal, 1);
    auto* principal = new QVBoxLayout(pnlPrincipal);
    principal->setContentsMargins(0, 0, 0, 0);
    lbl1 = NovoRotulo(QStringLiteral("lbl1"), Fonte(QStringLiteral("Tahoma"), 20, true), Qt::AlignCenter, pnlPrincipal);
    PintarTexto(*lbl1, Cores::Azul);
    principal->addWidget(lbl1, 1);

    lblProgresso = NovoRotulo(QStringLiteral("lblProgresso"), Fonte(QStringLiteral("Tahoma"), 13), Qt::AlignCenter, pnlPrincipal);
    PintarTexto(*lblProgresso, QColor(0x33, 0x33, 0x33));
    lblProgresso->setContentsMargins(10, 0, 10, 6);
    lblProgresso->hide();
    principal->addWidget(lblProgresso);
    // A dark orange that reads on white (7:1), where the message's orange does not (2.3:1).
    lblAvisos = NovoRotulo(QStringLiteral("lblAvisos"), Fonte(QStringLiteral("Tahoma"), 13), Qt::AlignLeft | Qt::AlignTop, pnlPrincipal);
    PintarTexto(*lblAvisos, QColor(0x8A, 0x45, 0x00));
    lblAvisos->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblAvisos->setContentsMargins(10, 0, 10, 8);
    lblAvisos->hide();
    principal->addWidget(lblAvisos);

    auto* relogio = new QTimer(this);
    relogio->setInterval(1000);
    connect(relogio, &QTimer::timeout, this, &TTelaEsperaView::MostrarProgresso);
    relogio->start();
    decorrido_.start();
}

TTelaEsperaView::~TTelaEsperaView()
{
    if (TelaEsperaAtual == this)
        TelaEsperaAtual = nullptr;
}

void TTelaEsperaView::Start()
{
    End();
    TelaEsperaAtual = new TTelaEsperaView(JanelaPrincipal());
}

void TTelaEsperaView::Wait(const QString& Texto, TCor Cor, const QString& Title)
{
    if (!TelaEsperaAtual)
        Start();
    TTelaEsperaView& tela = *TelaEsperaAtual;
    tela.lbl1->setText(Texto);
    if (const auto cor = CorDe(Cor))
        PintarTexto(*tela.lbl1, *cor);
    tela.lblTitle->setText(Title.isEmpty() ? QStringLiteral("Por favor aguarde..") : Title);
    tela.AjustarAltura();
    tela.MostrarDesenhada();
}

void TTelaEsperaView::AjustarAltura()
{
    // A text longer than the window holds (the warnings before a run) makes it taller, not cut.
    const int largura = width() - 2;
    int conteudo = lbl1->heightForWidth(largura);
    for (QLabel* rotulo : {lblProgresso, lblAvisos})
        if (!rotulo->isHidden())
            conteudo += rotulo->heightForWidth(largura);
    const int altura = 30 + conteudo + 1;
    if (altura > height()) {
        // Already shown (the warnings come after the first text): it grows about its centre.
        if (isVisible())
            move(pos() - QPoint(0, (altura - height()) / 2));
        resize(width(), altura);
    }
}

void TTelaEsperaView::Progresso(const QString& texto)
{
    if (!TelaEsperaAtual)
        return;
    TelaEsperaAtual->progresso_ = texto;
    TelaEsperaAtual->MostrarProgresso();
}

void TTelaEsperaView::MostrarProgresso()
{
    if (progresso_.isEmpty())
        return;
    const qint64 segundos = decorrido_.elapsed() / 1000;
    lblProgresso->setText(QStringLiteral("%1 (%2:%3)").arg(progresso_).arg(segundos / 60).arg(segundos % 60, 2, 10, QLatin1Char('0')));
    // A longer description than the last one may need another line.
    lblProgresso->show();
    AjustarAltura();
}

void TTelaEsperaView::Avisos(const QStringList& avisos)
{
    if (!TelaEsperaAtual)
        return;
    TTelaEsperaView& tela = *TelaEsperaAtual;
    tela.lblAvisos->setText(avisos.join(u'\n'));
    tela.lblAvisos->setVisible(!avisos.isEmpty());
    tela.AjustarAltura();
    if (tela.isVisible())
        tela.MostrarDesenhada();
}

void TTelaEsperaView::End()
{
    if (!TelaEsperaAtual)
        return;
    TTelaEsperaView* tela = std::exchange(TelaEsperaAtual, nullptr);
    const bool tinhaOFoco = tela->isActiveWindow();
    tela->close();
    delete tela;
    // The keyboard goes back to the main window (its access keys), not to no window at all.
    if (QWidget* principal = JanelaPrincipal(); principal && tinhaOFoco)
        principal->activateWindow();
}

TTelaEsperaView* TTelaEsperaView::TelaEspera()
{
    return TelaEsperaAtual;
}

void TTelaEsperaView::MostrarDesenhada()
{
    if (!isVisible()) {
        // Centred on the main window, even while the user is in another program; or on the screen.
        const QWidget* principal = JanelaPrincipal();
        const QRect sobre = principal ? principal->frameGeometry()
                                      : (screen() ? screen()->availableGeometry() : QRect());
        if (sobre.isValid())
            move(sobre.center() - rect().center());
        show();
    }
    raise();
    // A new window can only be drawn once the window system has mapped it: wait for that (never
    // long), so that the texts are on the screen before the caller's long work starts.
    QElapsedTimer relogio;
    relogio.start();
    while (windowHandle() && !windowHandle()->isExposed() && relogio.elapsed() < 2000) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(5);
    }
    repaint();
}

} // namespace Quorvane
