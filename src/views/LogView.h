#pragma once

#include "LogAlertasAndErros.h"

#include <QDialog>
#include <functional>

class QAbstractButton;
class QAbstractItemModel;
class QLabel;
class QTableView;

namespace Quorvane {

class TBotaoPlano;
class TModeloAlertasAndErros;
class TPainelTitulo;

// What the "Excel" button does with the rows as shown.
using ExportacaoPlanilha = std::function<void(const QAbstractItemModel& linhas)>;

// The modal window with the findings of a run: one row per finding, sorted by correction, the
// count, and the buttons to export and to close.
class TLogView : public QDialog {
    Q_OBJECT
public:
    // Works on the record's list itself (the engine's), which it leaves sorted.
    explicit TLogView(const TLogAlertasAndErros& aLogAlertasAndErros, ExportacaoPlanilha exportar = {},
                      QWidget* pai = nullptr);
    ~TLogView() override;

    void OrdenarLista();
    void PreencherLista();

    void btnExcelClick();
    void btnCloseClick();
    void btnExcelMouseEnter(QAbstractButton* Sender);
    void btnExcelMouseLeave(QAbstractButton* Sender);
    void pnlTituloMouseDown();
    // The selected rows onto the clipboard as tab-separated text, one finding per line.
    void CopiarSelecionadas();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void lvAlertasAndErrosResize();

    TLogAlertasAndErros FLogReceber;
    ExportacaoPlanilha FExportar;
    TModeloAlertasAndErros* modelo_;

    TPainelTitulo* pnlTitulo;
    QTableView* lvAlertasAndErros;
    QLabel* lblQtdeErros;
    TBotaoPlano* btnExcel;
    TBotaoPlano* btnClose;
};

} // namespace Quorvane
