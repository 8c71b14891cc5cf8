#include "LocaisDeTeste.h"

#include <QLocale>

namespace Quorvane::Testes {

FormatoLocal FormatoPtBr()
{
    return FormatoLocal::De(QLocale(QLocale::Portuguese, QLocale::Brazil));
}

FormatoLocal FormatoEnUs()
{
    return FormatoLocal::De(QLocale(QLocale::English, QLocale::UnitedStates));
}

QString AntesDeAmPm()
{
    const QString formato = QLocale(QLocale::English, QLocale::UnitedStates).timeFormat(QLocale::LongFormat);
    const qsizetype ap = formato.indexOf(u'A', 0, Qt::CaseInsensitive);
    return ap > 0 ? formato.mid(ap - 1, 1) : QStringLiteral(" ");
}

} // namespace Quorvane::Testes
