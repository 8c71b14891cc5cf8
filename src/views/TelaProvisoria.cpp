#include "TelaProvisoria.h"

#include <QLabel>
#include <QVBoxLayout>

namespace Quorvane {

TelaProvisoria::TelaProvisoria(const QString& caminhoBanco, const QString& dataCargaInicial, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Banco de Dados: ") + caminhoBanco, this));
    layout->addWidget(new QLabel(QStringLiteral("Data Carga Inicial: ") + dataCargaInicial, this));
    resize(700, 400);
}

} // namespace Quorvane
