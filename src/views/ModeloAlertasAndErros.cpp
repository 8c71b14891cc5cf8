#include "ModeloAlertasAndErros.h"

#include <climits>

namespace Quorvane {

TModeloAlertasAndErros::TModeloAlertasAndErros(QObject* pai) : QAbstractTableModel(pai) {}

void TModeloAlertasAndErros::DefinirLista(const TListaLogAlertasAndErros* lista)
{
    beginResetModel();
    lista_ = lista;
    endResetModel();
}

int TModeloAlertasAndErros::rowCount(const QModelIndex& pai) const
{
    if (pai.isValid() || !lista_)
        return 0;
    // A view counts rows in int.
    return lista_->size() > static_cast<std::size_t>(INT_MAX) ? INT_MAX : static_cast<int>(lista_->size());
}

int TModeloAlertasAndErros::columnCount(const QModelIndex& pai) const
{
    return pai.isValid() ? 0 : QuantidadeDeColunas;
}

QVariant TModeloAlertasAndErros::data(const QModelIndex& indice, int papel) const
{
    // The tip shows the whole text of a cell too narrow for it (the adjustment number ends the
    // correction).
    if ((papel != Qt::DisplayRole && papel != Qt::ToolTipRole) || !indice.isValid() || indice.row() >= rowCount())
        return {};
    const TLogAlertasAndErros& achado = (*lista_)[static_cast<std::size_t>(indice.row())];
    switch (indice.column()) {
    case ColunaAlerta:
        return achado.FAlerta;
    case ColunaErro:
        return achado.FErro;
    case ColunaCorrecao:
        return achado.FCorrecao;
    default:
        return {};
    }
}

QVariant TModeloAlertasAndErros::headerData(int secao, Qt::Orientation orientacao, int papel) const
{
    if (orientacao != Qt::Horizontal || papel != Qt::DisplayRole)
        return QAbstractTableModel::headerData(secao, orientacao, papel);
    switch (secao) {
    case ColunaAlerta:
        return QStringLiteral("Alerta");
    case ColunaErro:
        return QStringLiteral("Erro");
    case ColunaCorrecao:
        return QStringLiteral("Correção");
    default:
        return {};
    }
}

} // namespace Quorvane
