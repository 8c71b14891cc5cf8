#include "Controles.h"

#include <QIcon>
#include <QMouseEvent>
#include <QWindow>

namespace Quorvane {

TPainelTitulo::TPainelTitulo(const QString& legenda, QWidget* pai) : QLabel(legenda, pai)
{
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
}

void TPainelTitulo::mousePressEvent(QMouseEvent* evento)
{
    evento->accept();
    emit MouseDown();
}

TBotaoPlano::TBotaoPlano(const QString& legenda, const QIcon& figura, int ladoFigura, QWidget* pai)
    : QPushButton(figura, legenda, pai)
{
    setFlat(true);
    setIconSize(QSize(ladoFigura, ladoFigura));
}

void TBotaoPlano::enterEvent(QEnterEvent* evento)
{
    QPushButton::enterEvent(evento);
    emit MouseEnter();
}

void TBotaoPlano::leaveEvent(QEvent* evento)
{
    QPushButton::leaveEvent(evento);
    emit MouseLeave();
}

void ArrastarJanela(QWidget& janela)
{
    // The window system takes the pointer over until the button is released; platforms without
    // a window manager (offscreen) decline, and the window simply stays where it is.
    if (QWindow* janelaNativa = janela.window()->windowHandle())
        janelaNativa->startSystemMove();
}

} // namespace Quorvane
