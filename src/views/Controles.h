#pragma once

#include <QLabel>
#include <QPushButton>

class QIcon;

namespace Quorvane {

// A panel that shows its caption and reports a mouse button going down on it: the title bar of
// the borderless windows, by which they are dragged.
class TPainelTitulo : public QLabel {
    Q_OBJECT
public:
    TPainelTitulo(const QString& legenda, QWidget* pai);

signals:
    void MouseDown();
    void DoubleClick();

protected:
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
};

// A one-line caption that never widens its window: too long for its width, it is shown cut in the
// middle and its tip shows it whole. text() is always the whole caption.
class TRotuloElidido : public QLabel {
    Q_OBJECT
public:
    TRotuloElidido(const QString& legenda, QWidget* pai);

    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    QString TextoVisivel() const;
};

// A flat button with a picture beside its caption, reporting the mouse entering and leaving it
// (the windows turn the caption bold while the mouse is over it), outlined while it has the focus,
// pressed by Enter as by Space.
class TBotaoPlano : public QPushButton {
    Q_OBJECT
public:
    TBotaoPlano(const QString& legenda, const QIcon& figura, int ladoFigura, QWidget* pai);

signals:
    void MouseEnter();
    void MouseLeave();

protected:
    void enterEvent(QEnterEvent* evento) override;
    void leaveEvent(QEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
};

// Lets the window system move the window with the mouse, as if its caption bar were dragged.
void ArrastarJanela(QWidget& janela);

} // namespace Quorvane
