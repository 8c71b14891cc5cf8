#pragma once

#include "BaseView.h"
#include "FormatoLocal.h"
#include "Interfaces.h"
#include "TelaLog.h"

#include <memory>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QTabWidget;
class QTextEdit;

namespace Quorvane {

class TBotaoPlano;

// The program's main window: the open database, the start date of the cost history and the
// command that runs every check and shows the findings.
class TMenuPrincipalView : public TBaseView {
    Q_OBJECT
public:
    // The engine is created here, with these settings and this way to the log window.
    TMenuPrincipalView(const FormatoLocal& formato, std::shared_ptr<iTelaLog> telaLog, QWidget* pai = nullptr);
    ~TMenuPrincipalView() override;

    void FormCreate();
    void btnAnalisarClick(QAbstractButton* Sender);
    void btnAnalisarMouseEnter(QAbstractButton* Sender);
    void btnAnalisarMouseLeave(QAbstractButton* Sender);
    void btnCloseClick();

protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void changeEvent(QEvent* evento) override;

private:
    void CriarPaginaPrincipal();
    void CriarPaginaAjuda();
    // Esc, or closing the window, while the checks run: the user may stop them, and with the
    // window closed, the program ends once they have stopped.
    void PerguntarCancelamento(bool fechando = false);

    std::shared_ptr<iAnalises> FAnalises;
    FormatoLocal formato_;
    std::shared_ptr<iTelaLog> telaLog_;
    bool verificando_ = false;
    bool perguntando_ = false;
    bool fecharAoTerminar_ = false;

    QLabel* pnlBancoDados;
    QTabWidget* pgcPrincipal;
    QWidget* tsPrincipal;
    QWidget* tsAjuda;
    QLabel* lblData;
    QLineEdit* edtDataCargaInicial;
    TBotaoPlano* btnAnalisar;
    TBotaoPlano* btnClose;
    QLabel* pnlMensagem;
    QWidget* pnlImportante;
    QLabel* lblImportante;
    QWidget* pnlAjuda;
    QTextEdit* redtAjuda;
};

} // namespace Quorvane
