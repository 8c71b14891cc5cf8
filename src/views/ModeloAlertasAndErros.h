#pragma once

#include "LogAlertasAndErros.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace Quorvane {

// The findings as a table of three columns, "Alerta", "Erro" and "Correção", read straight from
// the engine's list: nothing is copied, so a list of any size is shown at once. It may show only
// the findings holding a text, and in another order than the list's; the list itself is never
// touched.
class TModeloAlertasAndErros final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Coluna { ColunaAlerta, ColunaErro, ColunaCorrecao, QuantidadeDeColunas };

    explicit TModeloAlertasAndErros(QObject* pai = nullptr);

    // The list must outlive the model or be replaced before it goes. Shows all of it, in its order.
    void DefinirLista(const TListaLogAlertasAndErros* lista);

    // Only the findings that hold the text in any column, capitals and accents aside; empty: all.
    void Filtrar(const QString& texto);
    bool Filtrada() const { return !filtro_.isEmpty(); }
    // By a column, numbers inside the texts by value, equal ones in the list's order; or, with no
    // order, in the list's order.
    void Ordenar(int coluna, std::optional<Qt::SortOrder> ordem);
    // Every finding of the list, shown or not.
    int Total() const;
    // The findings shown, in the order shown.
    TListaLogAlertasAndErros Mostrados() const;

    int rowCount(const QModelIndex& pai = {}) const override;
    int columnCount(const QModelIndex& pai = {}) const override;
    QVariant data(const QModelIndex& indice, int papel = Qt::DisplayRole) const override;
    QVariant headerData(int secao, Qt::Orientation orientacao, int papel = Qt::DisplayRole) const override;

private:
    const QString& Texto(std::size_t achado, int coluna) const;
    // The list's positions in the chosen order, all of them.
    std::vector<int> TodasNaOrdem();
    void OrdenarPosicoes(std::vector<int>& posicoes) const;

    const TListaLogAlertasAndErros* lista_ = nullptr;
    // What is shown, as positions in the list; empty and unused while all is shown in list order.
    std::vector<int> linhas_;
    bool todasNaOrdemDaLista_ = true;
    // All positions in the chosen order, once asked for (a shorter filter after a longer one).
    std::vector<int> ordemCompleta_;
    QString filtro_;
    int colunaOrdem_ = -1;
    Qt::SortOrder ordem_ = Qt::AscendingOrder;
};

} // namespace Quorvane
