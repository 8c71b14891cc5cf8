#include "MarcaDaLinhaAtual.h"

#include <QAbstractItemView>
#include <QPainter>

#include <cmath>

namespace Quorvane {

namespace {

double Luminancia(const QColor& cor)
{
    const auto canal = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * canal(cor.redF()) + 0.7152 * canal(cor.greenF()) + 0.0722 * canal(cor.blueF());
}

} // namespace

double Contraste(const QColor& a, const QColor& b)
{
    const double la = Luminancia(a), lb = Luminancia(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void TMarcaDaLinhaAtual::paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const
{
    QStyleOptionViewItem semFoco(opcao);
    semFoco.state &= ~QStyle::State_HasFocus;
    QStyledItemDelegate::paint(pintor, semFoco, indice);

    const auto* lista = qobject_cast<const QAbstractItemView*>(opcao.widget);
    if (!lista || !lista->hasFocus() || lista->currentIndex().row() != indice.row())
        return;
    const QPalette::ColorGroup grupo = opcao.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;
    const QColor fundo = opcao.state.testFlag(QStyle::State_Selected) ? opcao.palette.color(grupo, QPalette::Highlight)
                                                                       : opcao.palette.color(grupo, QPalette::Base);
    // Either black or white reaches at least 4.5:1 against any background.
    const QColor cor = Contraste(fundo, Qt::black) >= Contraste(fundo, Qt::white) ? QColor(Qt::black) : QColor(Qt::white);
    const QRect r = opcao.rect;
    constexpr int Espessura = 2;
    pintor->save();
    pintor->fillRect(QRect(r.left(), r.top(), r.width(), Espessura), cor);
    pintor->fillRect(QRect(r.left(), r.bottom() - Espessura + 1, r.width(), Espessura), cor);
    if (indice.column() == 0)
        pintor->fillRect(QRect(r.left(), r.top(), Espessura, r.height()), cor);
    if (indice.column() == indice.model()->columnCount() - 1)
        pintor->fillRect(QRect(r.right() - Espessura + 1, r.top(), Espessura, r.height()), cor);
    pintor->restore();
}

} // namespace Quorvane
