#pragma once

#include "LogAlertasAndErros.h"

#include <QDialog>
#include <functional>
#include <optional>
#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QTableView;

namespace Quorvane {

class TBotaoPlano;
class TModeloAlertasAndErros;
class TPainelTitulo;

// What the "Excel" button does with the findings shown, in the order shown.
using ExportacaoPlanilha = std::function<void(const TListaLogAlertasAndErros& achados)>;

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
    // Ctrl+F: the find field, which shows only the findings holding its text.
    void Localizar();
    // Ctrl+S: the findings shown into a file the user names, as a workbook, CSV or HTML report.
    void Salvar();
    // For the report saved from here.
    void DefinirDataCargaInicial(const QString& data) { dataCargaInicial_ = data; }
    // A click on a column's header: by it, then the other way round, then back to the list's order.
    void lvAlertasAndErrosHeaderClick(int coluna);

    // Closing keeps the window's size and the columns' widths for the next time.
    void done(int resultado) override;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;

private:
    void lvAlertasAndErrosResize();
    // The columns keep their shares of the list when it changes width (the window resized).
    void DefinirLarguras(const std::vector<double>& partes, int largura);
    void ManterLarguras(const std::function<void()>& mudanca);
    void edtLocalizarChange(const QString& texto);
    // The count, and what the commands that act on the shown findings say of them.
    void MostrarTotal();

    TLogAlertasAndErros FLogReceber;
    ExportacaoPlanilha FExportar;
    TModeloAlertasAndErros* modelo_;
    int colunaOrdem_ = -1;
    // Once the user has moved a column's border, the widths are theirs: no longer equal thirds.
    bool largurasDoUsuario_ = false;
    bool ajustandoColunas_ = false;
    std::vector<double> partesGuardadas_;
    QString dataCargaInicial_;
    std::optional<Qt::SortOrder> ordem_;

    TPainelTitulo* pnlTitulo;
    QTableView* lvAlertasAndErros;
    QLabel* lblQtdeErros;
    QLineEdit* edtLocalizar;
    TBotaoPlano* btnExcel;
    TBotaoPlano* btnClose;
};

} // namespace Quorvane
