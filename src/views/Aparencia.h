#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QString>

class QWidget;

namespace Quorvane {

// Sizes in the layouts are pixels at 96 dpi, so fonts are given by character height in pixels.
QFont Fonte(const QString& familia, int pixels, bool negrito = false);

// A panel's own background colour (otherwise its parent shows through).
void PintarFundo(QWidget& controle, const QColor& cor);
// The colour of a control's text, enabled or not.
void PintarTexto(QWidget& controle, const QColor& cor);
void DefinirNegrito(QWidget& controle, bool negrito);

// One of the program's pictures (recursos/NOME.png) with its double-resolution drawing, so that
// it stays sharp on a screen scaled to 200 %, whatever the scale the program started on.
QIcon Figura(const QString& nome);

// Where Tahoma or Segoe UI is not installed, families of similar width stand in for them
// (the layouts' fixed sizes were drawn for those fonts).
void RegistrarSubstitutasDeFontes();

namespace Cores {
inline const QColor Indice{0x53, 0x79, 0xDA};
inline const QColor Importante{0xFF, 0x75, 0x75};
inline const QColor Ajuda{0xFF, 0x80, 0x80};
inline const QColor Azul{0x00, 0x00, 0xFF};
inline const QColor FundoBotoes{0xF5, 0xF5, 0xF5};
} // namespace Cores

} // namespace Quorvane
