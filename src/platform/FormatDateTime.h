// Date and time formatting in the format language of the date command's
// setting ("yyyy'年'mm'月'dd'日（'aaa'）'"): d/dd/ddd/dddd/ddddd/dddddd,
// m/mm/mmm/mmmm (minutes right after h), yy/yyyy, h/hh, n/nn, s/ss, z/zzz,
// t/tt, c, am/pm, a/p, ampm, aaa/aaaa (weekday names), e/ee and g/gg (Japanese
// eras), "/" and ":" separators, quoted text. Names and separators come from
// a FormatSettings, so the output does not depend on the machine.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace larkspur {

struct FormatSettings {
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QString ShortDateFormat = QStringLiteral("yyyy/mm/dd");
    QString LongDateFormat = QStringLiteral("yyyy/mm/dd");
    QString ShortTimeFormat = QStringLiteral("h:nn");
    QString LongTimeFormat = QStringLiteral("h:nn:ss");
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    QStringList ShortMonthNames; // January first
    QStringList LongMonthNames;
    QStringList ShortDayNames; // Sunday first
    QStringList LongDayNames;
    bool JapaneseEras = false;

    // The names, formats and separators of a locale.
    static FormatSettings FromLocale(const QLocale& locale);
};

QString FormatDateTime(const QString& format, const QDateTime& value, const FormatSettings& settings);

// Qt's date format letters turned into the ones above ("yyyy/MM/dd HH:mm"
// becomes "yyyy/mm/dd hh:nn").
QString VclFormatFromQt(const QString& qtFormat);

} // namespace larkspur
