#pragma once

#include <QString>

namespace Quorvane {

// A value on one line of a table file: tab, CR, LF and every other character a reader may take
// for a line or field break, or for the end of the text (NUL, VT, FF, FS, GS, RS, NEL, U+2028,
// U+2029), become one space.
QString EmUmaLinha(const QString& valor);
// The same for a field that keeps its tabs, CRs and LFs (CSV quotes them): only the others become
// spaces.
QString SemQuebrasIncomuns(const QString& valor);

// A text for a terminal, where a value typed into the ERP must not drive it: C0 controls but LF,
// and DEL, are shown as their Unicode pictures (␛, ␇); C1 controls and the bidirectional controls
// (U+202E and its kin, which reorder what the terminal shows) as U+FFFD.
QString Visivel(const QString& texto);

} // namespace Quorvane
