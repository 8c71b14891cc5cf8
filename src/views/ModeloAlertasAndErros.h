#pragma once

#include "LogAlertasAndErros.h"

#include <QAbstractTableModel>

namespace Quorvane {

// The findings as a table of three columns, "Alerta", "Erro" and "Correção", read straight from
// the engine's list: nothing is copied, so a list of any size is shown at once.
class TModeloAlertasAndErros final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Coluna { ColunaAlerta, ColunaErro, ColunaCorrecao, QuantidadeDeColunas };

    explicit TModeloAlertasAndErros(QObject* pai = nullptr);

    // The list must outlive the model or be replaced before it goes.
    void DefinirLista(const TListaLogAlertasAndErros* lista);

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

private:
    const TListaLogAlertasAndErros* lista_ = nullptr;
};

} // namespace Quorvane
