#pragma once

#include <QColor>
#include <QStyledItemDelegate>

namespace Quorvane {

// Draws the list's cells as usual, but marks the row that has the keyboard with a 2 px frame in
// black or white, whichever stands out more from that row's background (selected or not): the
// style's own dotted frame all but vanishes against the selection.
class TMarcaDaLinhaAtual final : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pintor, const QStyleOptionViewItem& opcao, const QModelIndex& indice) const override;
};

// The contrast ratio of two colours as the accessibility guidelines define it (1 to 21).
double Contraste(const QColor& a, const QColor& b);

} // namespace Quorvane
