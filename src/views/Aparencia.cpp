#include "Aparencia.h"

#include <QPalette>
#include <QStringList>
#include <QWidget>

namespace Quorvane {

QFont Fonte(const QString& familia, int pixels, bool negrito)
{
    QFont fonte(familia);
    fonte.setPixelSize(pixels);
    fonte.setBold(negrito);
    return fonte;
}

void PintarFundo(QWidget& controle, const QColor& cor)
{
    QPalette paleta = controle.palette();
    paleta.setColor(QPalette::Window, cor);
    controle.setPalette(paleta);
    controle.setAutoFillBackground(true);
}

void PintarTexto(QWidget& controle, const QColor& cor)
{
    QPalette paleta = controle.palette();
    for (const auto grupo : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        paleta.setColor(grupo, QPalette::WindowText, cor);
        paleta.setColor(grupo, QPalette::Text, cor);
        paleta.setColor(grupo, QPalette::ButtonText, cor);
    }
    controle.setPalette(paleta);
}

void DefinirNegrito(QWidget& controle, bool negrito)
{
    QFont fonte = controle.font();
    fonte.setBold(negrito);
    controle.setFont(fonte);
}

QIcon Figura(const QString& nome)
{
    // QIcon looks for the @2x file only when the program starts on a scaled screen: both are
    // given here.
    QIcon figura(QStringLiteral(":/recursos/%1.png").arg(nome));
    figura.addFile(QStringLiteral(":/recursos/%1@2x.png").arg(nome));
    return figura;
}

void RegistrarSubstitutasDeFontes()
{
    // Metric clones of Arial come closest to Tahoma's width; DejaVu Sans is wider and comes last.
    const QStringList parecidas{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                                QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), parecidas);
    QFont::insertSubstitutions(QStringLiteral("Segoe UI"), QStringList{QStringLiteral("Tahoma")} + parecidas);
}

} // namespace Quorvane
