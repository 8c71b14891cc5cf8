#pragma once

#include <QWidget>

namespace Quorvane {

// A plain window with the database path and the start date, until the real windows exist.
class TelaProvisoria : public QWidget {
    Q_OBJECT
public:
    TelaProvisoria(const QString& caminhoBanco, const QString& dataCargaInicial, QWidget* parent = nullptr);
};

} // namespace Quorvane
