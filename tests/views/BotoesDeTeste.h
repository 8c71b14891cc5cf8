#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QEvent>

// The buttons' hover look: caption bold while the mouse is over the button, regular after.
// True when the button behaves so.
inline bool NegritoSobOMouse(QAbstractButton& botao)
{
    QEnterEvent entrada(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(&botao, &entrada);
    const bool negritoDentro = botao.font().bold();
    QEvent saida(QEvent::Leave);
    QApplication::sendEvent(&botao, &saida);
    return negritoDentro && !botao.font().bold();
}
