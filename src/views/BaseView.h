#pragma once

#include <QWidget>

class QVBoxLayout;

namespace Quorvane {

class TPainelTitulo;

// The borderless frame of the program's windows: a blue index panel with the title bar, by
// which the window is dragged, and a white main panel for the content.
class TBaseView : public QWidget {
    Q_OBJECT
public:
    explicit TBaseView(QWidget* pai = nullptr);

    void pnlTituloMouseDown();

protected:
    // The index panel's column: title, main panel, and whatever a derived window docks below.
    QVBoxLayout& LayoutIndex() { return *layoutIndex_; }

    QWidget* pnlIndex;
    TPainelTitulo* pnlTitulo;
    QWidget* pnlPrincipal;

private:
    QVBoxLayout* layoutIndex_;
};

} // namespace Quorvane
