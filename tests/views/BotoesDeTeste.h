#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QEnterEvent>
#include <QEvent>
#include <QImage>

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

// At 200 % the button draws its picture from the double-resolution file, not the small one enlarged.
inline bool FiguraNitidaA200(const QAbstractButton& botao, const char* nome)
{
    const QImage arquivo(QStringLiteral(":/recursos/%1@2x.png").arg(QLatin1String(nome)));
    return botao.icon().pixmap(botao.iconSize(), 2.0).toImage() == arquivo.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
