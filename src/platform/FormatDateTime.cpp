#include "platform/FormatDateTime.h"

namespace larkspur {

namespace {

QString pad(int value, int width) { return QStringLiteral("%1").arg(value, width, 10, QChar(u'0')); }

struct Era {
    QDate start;
    const char16_t* name;
};

// The eras of the Japanese calendar from the Meiji era on.
const Era kEras[] = {{QDate(2019, 5, 1), u"令和"},
                     {QDate(1989, 1, 8), u"平成"},
                     {QDate(1926, 12, 25), u"昭和"},
                     {QDate(1912, 7, 30), u"大正"},
                     {QDate(1868, 9, 8), u"明治"}};

const Era* eraOf(const QDate& date) {
    for (const Era& era : kEras)
        if (date >= era.start)
            return &era;
    return nullptr;
}

bool startsWithNoCase(QStringView text, qsizetype at, QStringView what) {
    return text.sliced(at).startsWith(what, Qt::CaseInsensitive);
}

// True when a 12-hour marker (am/pm, a/p, ampm) stands anywhere outside
// quoted text.
bool usesTwelveHours(const QString& format) {
    for (qsizetype i = 0; i < format.size(); ++i) {
        QChar c = format[i];
        if (c == u'"' || c == u'\'') {
            qsizetype close = format.indexOf(c, i + 1);
            if (close < 0)
                return false;
            i = close;
            continue;
        }
        if (startsWithNoCase(format, i, u"am/pm") || startsWithNoCase(format, i, u"a/p") ||
            startsWithNoCase(format, i, u"ampm"))
            return true;
    }
    return false;
}

class Formatter {
public:
    Formatter(const QDateTime& value, const FormatSettings& settings) : v_(value), s_(settings) {}

    QString run(const QString& format, int nesting = 0) {
        const QString fmt = format.isEmpty() ? QStringLiteral("c") : format;
        const bool twelve = usesTwelveHours(fmt);
        QString out;
        bool afterHour = false; // an m right after h/hh is minutes
        const qsizetype n = fmt.size();
        qsizetype i = 0;
        auto run = [&](QChar letter) {
            qsizetype count = 0;
            while (i + count < n && fmt[i + count].toLower() == letter)
                ++count;
            i += count;
            return int(count);
        };
        while (i < n) {
            const QChar c = fmt[i];
            const QChar lower = c.toLower();
            if (c == u'"' || c == u'\'') {
                qsizetype close = fmt.indexOf(c, i + 1);
                if (close < 0) { // an open quote makes the rest literal
                    out += QStringView(fmt).sliced(i + 1);
                    break;
                }
                out += QStringView(fmt).sliced(i + 1, close - i - 1);
                i = close + 1;
                continue;
            }
            if (lower == u'a') {
                if (startsWithNoCase(fmt, i, u"am/pm")) {
                    const QStringView written = QStringView(fmt).sliced(i, 5);
                    out += v_.time().hour() < 12 ? written.first(2) : written.sliced(3, 2);
                    i += 5;
                } else if (startsWithNoCase(fmt, i, u"a/p")) {
                    out += v_.time().hour() < 12 ? fmt[i] : fmt[i + 2];
                    i += 3;
                } else if (startsWithNoCase(fmt, i, u"ampm")) {
                    out += v_.time().hour() < 12 ? s_.TimeAMString : s_.TimePMString;
                    i += 4;
                } else {
                    int count = run(u'a');
                    int dow = v_.date().dayOfWeek() % 7; // Sunday 0
                    if (count == 3)
                        out += name(s_.ShortDayNames, dow);
                    else if (count >= 4)
                        out += name(s_.LongDayNames, dow);
                    else
                        out += QStringView(fmt).sliced(i - count, count);
                }
                afterHour = false;
                continue;
            }
            switch (lower.unicode()) {
            case u'c': {
                ++i;
                out += nested(s_.ShortDateFormat, nesting);
                const QTime t = v_.time();
                if (t.hour() || t.minute() || t.second() || t.msec())
                    out += u' ' + nested(s_.LongTimeFormat, nesting);
                afterHour = false;
                break;
            }
            case u'd': {
                int count = run(u'd');
                const QDate d = v_.date();
                int dow = d.dayOfWeek() % 7;
                if (count == 1)
                    out += QString::number(d.day());
                else if (count == 2)
                    out += pad(d.day(), 2);
                else if (count == 3)
                    out += name(s_.ShortDayNames, dow);
                else if (count == 4)
                    out += name(s_.LongDayNames, dow);
                else if (count == 5)
                    out += nested(s_.ShortDateFormat, nesting);
                else
                    out += nested(s_.LongDateFormat, nesting);
                afterHour = false;
                break;
            }
            case u'm': {
                int count = run(u'm');
                if (afterHour && count <= 2)
                    out += count == 1 ? QString::number(v_.time().minute()) : pad(v_.time().minute(), 2);
                else if (count == 1)
                    out += QString::number(v_.date().month());
                else if (count == 2)
                    out += pad(v_.date().month(), 2);
                else if (count == 3)
                    out += name(s_.ShortMonthNames, v_.date().month() - 1);
                else
                    out += name(s_.LongMonthNames, v_.date().month() - 1);
                afterHour = false;
                break;
            }
            case u'y': {
                int count = run(u'y');
                int year = v_.date().year();
                out += count <= 2 ? pad(year % 100, 2) : pad(year, 4);
                afterHour = false;
                break;
            }
            case u'h': {
                int count = run(u'h');
                int hour = v_.time().hour();
                if (twelve) {
                    hour %= 12;
                    if (hour == 0)
                        hour = 12;
                }
                out += count == 1 ? QString::number(hour) : pad(hour, 2);
                afterHour = true;
                break;
            }
            case u'n': {
                int count = run(u'n');
                out += count == 1 ? QString::number(v_.time().minute()) : pad(v_.time().minute(), 2);
                afterHour = false;
                break;
            }
            case u's': {
                int count = run(u's');
                out += count == 1 ? QString::number(v_.time().second()) : pad(v_.time().second(), 2);
                afterHour = false;
                break;
            }
            case u'z': {
                int count = run(u'z');
                out += count < 3 ? QString::number(v_.time().msec()) : pad(v_.time().msec(), 3);
                afterHour = false;
                break;
            }
            case u't': {
                int count = run(u't');
                out += nested(count == 1 ? s_.ShortTimeFormat : s_.LongTimeFormat, nesting);
                afterHour = false;
                break;
            }
            case u'e':
            case u'g': {
                int count = run(lower);
                const Era* era = s_.JapaneseEras ? eraOf(v_.date()) : nullptr;
                if (!era) {
                    out += QStringView(fmt).sliced(i - count, count);
                } else if (lower == u'e') {
                    int year = v_.date().year() - era->start.year() + 1;
                    out += count == 1 ? QString::number(year) : pad(year, 2);
                } else {
                    QString eraName = QString::fromUtf16(era->name);
                    out += count == 1 ? eraName.left(1) : eraName;
                }
                afterHour = false;
                break;
            }
            case u'/':
                out += s_.DateSeparator;
                ++i;
                afterHour = false;
                break;
            case u':':
                out += s_.TimeSeparator;
                ++i;
                break; // keeps "hh:mm" minutes
            default:
                out += c;
                ++i;
                afterHour = false; // a blank or any other character ends the minute rule
                break;
            }
        }
        return out;
    }

private:
    static QString name(const QStringList& names, int index) {
        return index >= 0 && index < names.size() ? names[index] : QString();
    }
    QString nested(const QString& format, int nesting) { return nesting > 0 ? QString() : run(format, nesting + 1); }

    QDateTime v_;
    const FormatSettings& s_;
};

} // namespace

QString FormatDateTime(const QString& format, const QDateTime& value, const FormatSettings& settings) {
    return Formatter(value, settings).run(format);
}

QString VclFormatFromQt(const QString& qt) {
    QString out;
    for (qsizetype i = 0; i < qt.size();) {
        QChar c = qt[i];
        if (c == u'\'') {
            qsizetype close = qt.indexOf(u'\'', i + 1);
            if (close < 0)
                close = qt.size() - 1;
            out += QStringView(qt).sliced(i, close - i + 1);
            i = close + 1;
            continue;
        }
        qsizetype count = 1;
        while (i + count < qt.size() && qt[i + count] == c)
            ++count;
        QString run = QStringView(qt).sliced(i, count).toString();
        if (c == u'M')
            run.fill(u'm');
        else if (c == u'm')
            run.fill(u'n');
        else if (c == u'H')
            run.fill(u'h');
        else if (c == u'A' || c == u'a') {
            run = QStringLiteral("ampm");
            if (i + count < qt.size() && (qt[i + count] == u'P' || qt[i + count] == u'p'))
                ++count; // "AP"
        } else if (c == u't')
            run.clear();
        out += run;
        i += count;
    }
    return out.trimmed();
}

FormatSettings FormatSettings::FromLocale(const QLocale& locale) {
    FormatSettings s;
    s.ShortDateFormat = VclFormatFromQt(locale.dateFormat(QLocale::ShortFormat));
    s.LongDateFormat = VclFormatFromQt(locale.dateFormat(QLocale::LongFormat));
    s.ShortTimeFormat = VclFormatFromQt(locale.timeFormat(QLocale::ShortFormat));
    s.LongTimeFormat = VclFormatFromQt(locale.timeFormat(QLocale::LongFormat));
    s.TimeAMString = locale.amText();
    s.TimePMString = locale.pmText();
    for (int m = 1; m <= 12; ++m) {
        s.ShortMonthNames << locale.monthName(m, QLocale::ShortFormat);
        s.LongMonthNames << locale.monthName(m, QLocale::LongFormat);
    }
    for (int d : {7, 1, 2, 3, 4, 5, 6}) { // Qt counts from Monday (1) to Sunday (7)
        s.ShortDayNames << locale.dayName(d, QLocale::ShortFormat);
        s.LongDayNames << locale.dayName(d, QLocale::LongFormat);
    }
    s.JapaneseEras = locale.language() == QLocale::Japanese;
    return s;
}

} // namespace larkspur
