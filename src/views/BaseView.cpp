#include "BaseView.h"

#include "Aparencia.h"
#include "Controles.h"

#include <QBoxLayout>

namespace Quorvane {

TBaseView::TBaseView(QWidget* pai) : QWidget(pai, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("BaseView"));
    setFont(Fonte(QStringLiteral("Tahoma"), 11));
    PintarFundo(*this, palette().color(QPalette::Button));
    resize(651, 338);

    pnlIndex = new QWidget(this);
    pnlIndex->setObjectName(QStringLiteral("pnlIndex"));
    PintarFundo(*pnlIndex, Cores::Indice);
    auto* janela = new QVBoxLayout(this);
    janela->setContentsMargins(0, 0, 0, 0);
    janela->addWidget(pnlIndex);
    layoutIndex_ = new QVBoxLayout(pnlIndex);
    layoutIndex_->setContentsMargins(2, 0, 2, 2);
    layoutIndex_->setSpacing(0);

    pnlTitulo = new TPainelTitulo(QStringLiteral(".........."), pnlIndex);
    pnlTitulo->setObjectName(QStringLiteral("pnlTitulo"));
    pnlTitulo->setFixedHeight(40);
    PintarFundo(*pnlTitulo, Cores::Indice);
    pnlTitulo->setFont(Fonte(QStringLiteral("Segoe UI"), 16, true));
    PintarTexto(*pnlTitulo, Qt::white);
    layoutIndex_->addWidget(pnlTitulo);
    connect(pnlTitulo, &TPainelTitulo::MouseDown, this, &TBaseView::pnlTituloMouseDown);

    pnlPrincipal = new QWidget(pnlIndex);
    pnlPrincipal->setObjectName(QStringLiteral("pnlPrincipal"));
    PintarFundo(*pnlPrincipal, Qt::white);
    layoutIndex_->addWidget(pnlPrincipal, 1);
}

void TBaseView::pnlTituloMouseDown()
{
    ArrastarJanela(*this);
}

} // namespace Quorvane
