#include "LogView.h"

#include "OrdemDosAchados.h"

#include "Aparencia.h"
#include "Controles.h"
#include "MarcaDaLinhaAtual.h"
#include "ModeloAlertasAndErros.h"
#include "PreferenciasJanelaLog.h"
#include "Dialogos.h"
#include "Interfaces.h"
#include "RelatorioDeErro.h"
#include "SalvamentoAchados.h"

#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <QSizeGrip>
#include <QTableView>

#include <algorithm>

namespace Quorvane {

namespace {

QWidget* NovoPainel(const QString& nome, QWidget* pai)
{
    auto* painel = new QWidget(pai);
    painel->setObjectName(nome);
    return painel;
}

// One finding per line, its columns separated by tabs, as spreadsheets and SQL tools take a paste:
// a tab or line break inside a text becomes a space.
QString LinhasComoTexto(const QAbstractItemModel& modelo, QItemSelection selecao)
{
    std::sort(selecao.begin(), selecao.end(), [](const auto& a, const auto& b) { return a.top() < b.top(); });
    QString texto;
    int proxima = 0; // ranges may overlap: no row twice
    for (const QItemSelectionRange& faixa : selecao) {
        for (int linha = std::max(faixa.top(), proxima); linha <= faixa.bottom(); ++linha) {
            for (int coluna = 0; coluna < modelo.columnCount(); ++coluna) {
                QString valor = modelo.index(linha, coluna).data().toString();
                for (QChar& c : valor)
                    if (c == u'\t' || c == u'\r' || c == u'\n')
                        c = u' ';
                texto += valor + (coluna + 1 < modelo.columnCount() ? u'\t' : u'\n');
            }
        }
        proxima = std::max(proxima, faixa.bottom() + 1);
    }
    return texto;
}

} // namespace

TLogView::TLogView(const TLogAlertasAndErros& aLogAlertasAndErros, ExportacaoPlanilha exportar, QWidget* pai)
    : QDialog(pai, Qt::Dialog | Qt::FramelessWindowHint),
      FLogReceber(aLogAlertasAndErros),
      FExportar(std::move(exportar)),
      modelo_(new TModeloAlertasAndErros(this))
{
    setObjectName(QStringLiteral("LogView"));
    setWindowTitle(QStringLiteral("Log - Versão 1.01"));
    setFont(Fonte(QStringLiteral("Segoe UI"), 13));
    const PreferenciasJanelaLog preferencias = PreferenciasJanelaLog::Ler();
    partesGuardadas_ = preferencias.colunas;

    auto* pnlPrincipal = NovoPainel(QStringLiteral("pnlPrincipal"), this);
    PintarFundo(*pnlPrincipal, Cores::Indice);
    auto* janela = new QVBoxLayout(this);
    janela->setContentsMargins(0, 0, 0, 0);
    janela->addWidget(pnlPrincipal);
    auto* principal = new QVBoxLayout(pnlPrincipal);
    principal->setContentsMargins(1, 0, 1, 1);
    principal->setSpacing(0);

    pnlTitulo = new TPainelTitulo(QStringLiteral("Log - Versão 1.01"), pnlPrincipal);
    pnlTitulo->setObjectName(QStringLiteral("pnlTitulo"));
    pnlTitulo->setFixedHeight(41);
    pnlTitulo->setFont(Fonte(QStringLiteral("Segoe UI"), 16, true));
    PintarTexto(*pnlTitulo, Qt::white);
    principal->addWidget(pnlTitulo);

    auto* pnlErros = NovoPainel(QStringLiteral("pnlErros"), pnlPrincipal);
    PintarFundo(*pnlErros, Qt::white);
    principal->addWidget(pnlErros, 1);
    auto* erros = new QVBoxLayout(pnlErros);
    erros->setContentsMargins(0, 0, 0, 0);

    // A model and fixed row heights: a million findings open and scroll as fast as ten.
    lvAlertasAndErros = new QTableView(pnlErros);
    lvAlertasAndErros->setObjectName(QStringLiteral("lvAlertasAndErros"));
    lvAlertasAndErros->setFont(Fonte(QStringLiteral("Segoe UI"), 13));
    lvAlertasAndErros->setFrameShape(QFrame::NoFrame);
    lvAlertasAndErros->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvAlertasAndErros->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvAlertasAndErros->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Tab goes on to the buttons instead of walking the cells.
    lvAlertasAndErros->setTabKeyNavigation(false);
    lvAlertasAndErros->setShowGrid(false);
    lvAlertasAndErros->setWordWrap(false);
    lvAlertasAndErros->setTextElideMode(Qt::ElideRight);
    lvAlertasAndErros->verticalHeader()->hide();
    lvAlertasAndErros->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lvAlertasAndErros->verticalHeader()->setMinimumSectionSize(1);
    lvAlertasAndErros->verticalHeader()->setDefaultSectionSize(lvAlertasAndErros->fontMetrics().height() + 4);
    lvAlertasAndErros->horizontalHeader()->setHighlightSections(false);
    lvAlertasAndErros->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lvAlertasAndErros->horizontalHeader()->setStretchLastSection(false);
    lvAlertasAndErros->horizontalHeader()->setSectionsClickable(true);
    lvAlertasAndErros->setItemDelegate(new TMarcaDaLinhaAtual(lvAlertasAndErros));
    lvAlertasAndErros->setModel(modelo_);
    lvAlertasAndErros->viewport()->installEventFilter(this);
    lvAlertasAndErros->installEventFilter(this);
    erros->addWidget(lvAlertasAndErros);

    // The same commands from the keyboard and from the list's context menu.
    auto* copiar = new QAction(QStringLiteral("&Copiar"), lvAlertasAndErros);
    copiar->setShortcut(QKeySequence::Copy);
    connect(copiar, &QAction::triggered, this, &TLogView::CopiarSelecionadas);
    auto* salvar = new QAction(QStringLiteral("&Salvar..."), lvAlertasAndErros);
    salvar->setShortcut(QKeySequence::Save);
    connect(salvar, &QAction::triggered, this, [this] { ExecutarProtegido([this] { Salvar(); }); });
    auto* selecionarTudo = new QAction(QStringLiteral("Selecionar &tudo"), lvAlertasAndErros);
    selecionarTudo->setShortcut(QKeySequence::SelectAll);
    connect(selecionarTudo, &QAction::triggered, lvAlertasAndErros, &QTableView::selectAll);
    for (QAction* acao : {copiar, selecionarTudo}) {
        acao->setShortcutContext(Qt::WidgetShortcut);
        lvAlertasAndErros->addAction(acao);
    }
    // Ctrl+S from anywhere in the window; "Salvar" in the list's menu.
    salvar->setShortcutContext(Qt::WindowShortcut);
    lvAlertasAndErros->addAction(salvar);
    lvAlertasAndErros->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(lvAlertasAndErros->horizontalHeader(), &QHeaderView::sectionClicked, this, &TLogView::lvAlertasAndErrosHeaderClick);

    // Anywhere in the window, the find field included.
    auto* localizar = new QAction(QStringLiteral("&Localizar"), this);
    localizar->setShortcut(QKeySequence::Find);
    connect(localizar, &QAction::triggered, this, &TLogView::Localizar);
    addAction(localizar);
    for (int coluna = 0; coluna < TModeloAlertasAndErros::QuantidadeDeColunas; ++coluna) {
        auto* ordenar = new QAction(this);
        ordenar->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + coluna)));
        connect(ordenar, &QAction::triggered, this, [this, coluna] { lvAlertasAndErrosHeaderClick(coluna); });
        addAction(ordenar);
    }

    auto* pnlBotoes = NovoPainel(QStringLiteral("pnlBotoes"), pnlPrincipal);
    PintarFundo(*pnlBotoes, Cores::FundoBotoes);
    pnlBotoes->setFixedHeight(50);
    principal->addWidget(pnlBotoes);
    auto* botoes = new QHBoxLayout(pnlBotoes);
    botoes->setContentsMargins(0, 0, 0, 0);
    botoes->setSpacing(0);

    lblQtdeErros = new QLabel(QStringLiteral("Total de Registros: 0"), pnlBotoes);
    lblQtdeErros->setObjectName(QStringLiteral("lblQtdeErros"));
    lblQtdeErros->setFont(Fonte(QStringLiteral("Tahoma"), 16, true));
    PintarTexto(*lblQtdeErros, Cores::Azul);
    // Polished first: polishing a label still smaller than its margins drops them.
    lblQtdeErros->ensurePolished();
    lblQtdeErros->setContentsMargins(3, 15, 10, 15);
    botoes->addWidget(lblQtdeErros);
    botoes->addStretch(1);

    edtLocalizar = new QLineEdit(pnlBotoes);
    edtLocalizar->setObjectName(QStringLiteral("edtLocalizar"));
    edtLocalizar->setPlaceholderText(QStringLiteral("Localizar"));
    edtLocalizar->setToolTip(QStringLiteral("Mostra só os achados com este texto, sem diferença de maiúsculas e acentos (Ctrl+F); "
                                            "Esc limpa"));
    edtLocalizar->setClearButtonEnabled(true);
    edtLocalizar->setFixedWidth(260);
    edtLocalizar->hide();
    connect(edtLocalizar, &QLineEdit::textChanged, this, &TLogView::edtLocalizarChange);
    botoes->addWidget(edtLocalizar);
    botoes->addSpacing(8);

    btnExcel = new TBotaoPlano(QStringLiteral("Excel"), Figura(QStringLiteral("excel")), 30, pnlBotoes);
    btnExcel->setObjectName(QStringLiteral("btnExcel"));
    btnClose = new TBotaoPlano(QStringLiteral("Sair"), Figura(QStringLiteral("sair")), 24, pnlBotoes);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    for (TBotaoPlano* botao : {btnExcel, btnClose}) {
        botao->setFixedSize(82, 50);
        botoes->addSpacing(2);
        botoes->addWidget(botao);
        botoes->addSpacing(2);
        connect(botao, &TBotaoPlano::MouseEnter, this, [this, botao] { btnExcelMouseEnter(botao); });
        connect(botao, &TBotaoPlano::MouseLeave, this, [this, botao] { btnExcelMouseLeave(botao); });
    }
    connect(btnExcel, &QPushButton::clicked, this, [this] { ExecutarProtegido([this] { btnExcelClick(); }); });
    connect(btnClose, &QPushButton::clicked, this, [this] { btnCloseClick(); });
    connect(pnlTitulo, &TPainelTitulo::MouseDown, this, &TLogView::pnlTituloMouseDown);
    // No frame of the window system's: the corner grip resizes it, a double click on the title
    // maximises it and back.
    auto* canto = new QSizeGrip(pnlBotoes);
    canto->setObjectName(QStringLiteral("grpTamanho"));
    botoes->addWidget(canto, 0, Qt::AlignBottom | Qt::AlignRight);
    connect(pnlTitulo, &TPainelTitulo::DoubleClick, this, [this] { setWindowState(windowState() ^ Qt::WindowMaximized); });
    connect(lvAlertasAndErros->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
        if (!ajustandoColunas_)
            largurasDoUsuario_ = true;
    });

    // Enter must not close the window through a button that happens to have the focus.
    btnExcel->setAutoDefault(false);
    btnClose->setAutoDefault(false);
    btnClose->setToolTip(QStringLiteral("Fecha a janela (Esc)"));

    // The size it had, or the design's, within what the screen has room for; centred.
    QSize tamanho = preferencias.tamanho.isValid() ? preferencias.tamanho : QSize(1100, 650);
    if (const QScreen* tela = screen()) {
        tamanho = tamanho.boundedTo(tela->availableGeometry().size());
        resize(tamanho);
        move(tela->availableGeometry().center() - rect().center());
    } else {
        resize(tamanho);
    }
    if (preferencias.maximizada)
        setWindowState(Qt::WindowMaximized);

    OrdenarLista();
    PreencherLista();
}

TLogView::~TLogView() = default;

void TLogView::OrdenarLista()
{
    if (FLogReceber.FLista)
        OrdenarPorCorrecao(*FLogReceber.FLista);
}

void TLogView::PreencherLista()
{
    modelo_->DefinirLista(FLogReceber.FLista);
    MostrarTotal();
}

void TLogView::MostrarTotal()
{
    const int mostrados = modelo_->rowCount();
    if (modelo_->Filtrada())
        lblQtdeErros->setText(QStringLiteral("Total de registros: %1 de %2").arg(mostrados).arg(modelo_->Total()));
    else
        lblQtdeErros->setText(QStringLiteral("Total de registros: %1").arg(mostrados));
    const QString quais = modelo_->Filtrada() ? QStringLiteral("os %1 achados mostrados").arg(mostrados) : QStringLiteral("os achados");
    btnExcel->setToolTip(QStringLiteral("Abre %1 numa planilha; Ctrl+S os salva num arquivo").arg(quais));
}

void TLogView::Salvar()
{
    QString filtro;
    const QString titulo = modelo_->Filtrada()
                               ? QStringLiteral("Salvar os achados mostrados (%1 de %2)").arg(modelo_->rowCount()).arg(modelo_->Total())
                               : QStringLiteral("Salvar os achados");
    const QString arquivo = Dialogos().NomeParaSalvar(titulo, QDir::home().filePath(QStringLiteral("achados.xlsx")), FiltrosParaSalvar(), filtro);
    if (arquivo.isEmpty())
        return;
    const ContextoDoRelatorio contexto{Conexao ? Conexao->GetCaminhoBanco() : QString(), dataCargaInicial_,
                                       QDateTime::currentDateTime(), FormatoLocal::DoSistema()};
    SalvarAchados(ComExtensaoDoFiltro(arquivo, filtro), modelo_->Mostrados(), contexto);
}

void TLogView::Localizar()
{
    edtLocalizar->show();
    edtLocalizar->setFocus(Qt::ShortcutFocusReason);
    edtLocalizar->selectAll();
}

void TLogView::edtLocalizarChange(const QString& texto)
{
    ManterLarguras([&] { modelo_->Filtrar(texto); });
    MostrarTotal();
}

void TLogView::ManterLarguras(const std::function<void()>& mudanca)
{
    // A new set of rows resets the header, and with it the widths.
    int larguras[TModeloAlertasAndErros::QuantidadeDeColunas];
    for (int coluna = 0; coluna < TModeloAlertasAndErros::QuantidadeDeColunas; ++coluna)
        larguras[coluna] = lvAlertasAndErros->columnWidth(coluna);
    ajustandoColunas_ = true;
    mudanca();
    for (int coluna = 0; coluna < TModeloAlertasAndErros::QuantidadeDeColunas; ++coluna)
        lvAlertasAndErros->setColumnWidth(coluna, larguras[coluna]);
    ajustandoColunas_ = false;
}

void TLogView::lvAlertasAndErrosHeaderClick(int coluna)
{
    if (coluna != colunaOrdem_ || !ordem_)
        ordem_ = Qt::AscendingOrder;
    else if (*ordem_ == Qt::AscendingOrder)
        ordem_ = Qt::DescendingOrder;
    else
        ordem_.reset();
    colunaOrdem_ = ordem_ ? coluna : -1;
    ManterLarguras([&] { modelo_->Ordenar(coluna, ordem_); });
    QHeaderView* cabecalho = lvAlertasAndErros->horizontalHeader();
    cabecalho->setSortIndicatorShown(ordem_.has_value());
    if (ordem_)
        cabecalho->setSortIndicator(coluna, *ordem_);
}

void TLogView::keyPressEvent(QKeyEvent* evento)
{
    // The first Esc puts the whole list back; the next one closes the window.
    if (evento->key() == Qt::Key_Escape && evento->modifiers() == Qt::NoModifier && edtLocalizar->isVisible()) {
        edtLocalizar->clear();
        edtLocalizar->hide();
        lvAlertasAndErros->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::keyPressEvent(evento);
}

void TLogView::btnExcelClick()
{
    if (FExportar)
        FExportar(modelo_->Mostrados());
}

void TLogView::btnCloseClick()
{
    reject();
}

void TLogView::btnExcelMouseEnter(QAbstractButton* Sender)
{
    DefinirNegrito(*Sender, true);
}

void TLogView::btnExcelMouseLeave(QAbstractButton* Sender)
{
    DefinirNegrito(*Sender, false);
}

void TLogView::pnlTituloMouseDown()
{
    ArrastarJanela(*this);
}

void TLogView::CopiarSelecionadas()
{
    if (lvAlertasAndErros->selectionModel()->hasSelection())
        QGuiApplication::clipboard()->setText(LinhasComoTexto(*modelo_, lvAlertasAndErros->selectionModel()->selection()));
}

void TLogView::done(int resultado)
{
    PreferenciasJanelaLog preferencias;
    preferencias.tamanho = (isMaximized() ? normalGeometry().size() : size());
    preferencias.maximizada = isMaximized();
    const int largura = lvAlertasAndErros->width();
    if (largurasDoUsuario_ && largura > 0)
        for (int coluna = 0; coluna < TModeloAlertasAndErros::QuantidadeDeColunas; ++coluna)
            preferencias.colunas.push_back(static_cast<double>(lvAlertasAndErros->columnWidth(coluna)) / largura);
    preferencias.Gravar();
    QDialog::done(resultado);
}

void TLogView::DefinirLarguras(const std::vector<double>& partes, int largura)
{
    ajustandoColunas_ = true;
    for (int coluna = 0; coluna < TModeloAlertasAndErros::QuantidadeDeColunas; ++coluna)
        lvAlertasAndErros->setColumnWidth(coluna, std::max(20, static_cast<int>(partes[static_cast<std::size_t>(coluna)] * largura + 0.5)));
    ajustandoColunas_ = false;
}

bool TLogView::eventFilter(QObject* objeto, QEvent* evento)
{
    // While the columns are equal thirds, only a new width of the list's client area counts: a
    // column the user widened brings a horizontal scroll bar, which takes height from the list.
    if (objeto == lvAlertasAndErros->viewport() && evento->type() == QEvent::Resize && !largurasDoUsuario_ &&
        partesGuardadas_.empty() &&
        static_cast<QResizeEvent*>(evento)->size().width() != static_cast<QResizeEvent*>(evento)->oldSize().width())
        lvAlertasAndErrosResize();
    // Widths of the user's follow the list's own width, never its client area's: the vertical
    // scroll bar that the horizontal one may bring (a list the findings just fill) changes the
    // client area, and must not move the borders the user has set.
    if (objeto == lvAlertasAndErros && evento->type() == QEvent::Resize) {
        const auto* tamanho = static_cast<QResizeEvent*>(evento);
        const int largura = tamanho->size().width(), antes = tamanho->oldSize().width();
        if (!partesGuardadas_.empty() && largura > 0) {
            DefinirLarguras(partesGuardadas_, largura);
            partesGuardadas_.clear();
            largurasDoUsuario_ = true;
        } else if (largurasDoUsuario_ && antes > 0 && largura > 0 && largura != antes) {
            std::vector<double> partes;
            for (int coluna = 0; coluna < TModeloAlertasAndErros::QuantidadeDeColunas; ++coluna)
                partes.push_back(static_cast<double>(lvAlertasAndErros->columnWidth(coluna)) / antes);
            DefinirLarguras(partes, largura);
        }
    }
    // Ctrl+Tab leaves the list too, as it leaves any control that keeps Tab for itself.
    if (objeto == lvAlertasAndErros && evento->type() == QEvent::KeyPress) {
        const auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->modifiers().testFlag(Qt::ControlModifier) && (tecla->key() == Qt::Key_Tab || tecla->key() == Qt::Key_Backtab))
            return focusNextPrevChild(tecla->key() == Qt::Key_Tab);
    }
    return QDialog::eventFilter(objeto, evento);
}

void TLogView::lvAlertasAndErrosResize()
{
    // Three equal columns over the list's client width; the first takes what the division leaves.
    const int largura = lvAlertasAndErros->viewport()->width();
    const int terco = largura / 3;
    ajustandoColunas_ = true;
    lvAlertasAndErros->setColumnWidth(TModeloAlertasAndErros::ColunaAlerta, largura - 2 * terco);
    lvAlertasAndErros->setColumnWidth(TModeloAlertasAndErros::ColunaErro, terco);
    lvAlertasAndErros->setColumnWidth(TModeloAlertasAndErros::ColunaCorrecao, terco);
    ajustandoColunas_ = false;
}

} // namespace Quorvane
