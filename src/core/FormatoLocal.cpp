#include "FormatoLocal.h"

namespace Quorvane {

namespace {

// The first character of the short date pattern that is not a pattern letter.
QChar SeparadorDe(const QString& formato)
{
    for (const QChar c : formato)
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    return u'/';
}

// A value read from the database has no time zone: the zone letter goes, with its blank.
QString SemFusoHorario(const QString& formato)
{
    QString semFuso;
    bool literal = false;
    for (const QChar c : formato) {
        if (c == u'\'')
            literal = !literal;
        if (literal || c != u't')
            semFuso += c;
    }
    return semFuso.trimmed();
}

} // namespace

FormatoLocal FormatoLocal::De(const QLocale& locale)
{
    FormatoLocal formato;
    formato.locale = locale;
    formato.formatoDataCurta = locale.dateFormat(QLocale::ShortFormat);
    formato.separadorData = SeparadorDe(formato.formatoDataCurta);
    formato.formatoHoraLonga = SemFusoHorario(locale.timeFormat(QLocale::LongFormat));
    formato.separadorDecimal = locale.decimalPoint().isEmpty() ? QChar(u'.') : locale.decimalPoint().front();
    formato.separadorMilhar = locale.groupSeparator().isEmpty() ? QChar(u',') : locale.groupSeparator().front();
    formato.padraoData = PadraoDataHora::Compilar(formato.formatoDataCurta, locale.amText(), locale.pmText());
    formato.padraoHora = PadraoDataHora::Compilar(formato.formatoHoraLonga, locale.amText(), locale.pmText());
    return formato;
}

FormatoLocal FormatoLocal::Canonico()
{
    FormatoLocal formato;
    formato.locale = QLocale::c();
    formato.formatoDataCurta = QStringLiteral("yyyy-MM-dd");
    formato.separadorData = u'-';
    formato.formatoHoraLonga = QStringLiteral("HH:mm:ss");
    formato.separadorDecimal = u'.';
    formato.separadorMilhar = u',';
    formato.padraoData = PadraoDataHora::Compilar(formato.formatoDataCurta, QString(), QString());
    formato.padraoHora = PadraoDataHora::Compilar(formato.formatoHoraLonga, QString(), QString());
    return formato;
}

} // namespace Quorvane
