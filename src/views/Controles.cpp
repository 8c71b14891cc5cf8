#include "Controles.h"

#include "Aparencia.h"

#include <QHelpEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>
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

void TPainelTitulo::mouseDoubleClickEvent(QMouseEvent* evento)
{
    evento->accept();
    emit DoubleClick();
}

TRotuloElidido::TRotuloElidido(const QString& legenda, QWidget* pai) : QLabel(legenda, pai)
{
    setTextFormat(Qt::PlainText);
}

QSize TRotuloElidido::minimumSizeHint() const
{
    return {0, QLabel::minimumSizeHint().height()};
}

QString TRotuloElidido::TextoVisivel() const
{
    return fontMetrics().elidedText(text(), Qt::ElideMiddle, contentsRect().width());
}

bool TRotuloElidido::event(QEvent* evento)
{
    if (evento->type() != QEvent::ToolTip || !toolTip().isEmpty())
        return QLabel::event(evento);
    if (TextoVisivel() != text())
        QToolTip::showText(static_cast<QHelpEvent*>(evento)->globalPos(), text(), this);
    else
        QToolTip::hideText();
    return true;
}

void TRotuloElidido::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    style()->drawItemText(&pintor, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(), TextoVisivel(),
                          foregroundRole());
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

void TBotaoPlano::paintEvent(QPaintEvent* evento)
{
    QPushButton::paintEvent(evento);
    // A flat button gets no focus frame from the style: a thin outline in the title's blue, once
    // the keyboard has moved the focus (never after a mere click).
    if (!hasFocus() || !window()->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    QPainter pintor(this);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(Cores::Indice, 1));
    pintor.drawRoundedRect(QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
}

void TBotaoPlano::keyPressEvent(QKeyEvent* evento)
{
    // A push button answers Enter only as a dialog's default button; these never are one.
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) &&
        (evento->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !evento->isAutoRepeat()) {
        click();
        return;
    }
    QPushButton::keyPressEvent(evento);
}

void ArrastarJanela(QWidget& janela)
{
    // The window system takes the pointer over until the button is released; platforms without
    // a window manager (offscreen) decline, and the window simply stays where it is.
    if (QWindow* janelaNativa = janela.window()->windowHandle())
        janelaNativa->startSystemMove();
}

} // namespace Quorvane
