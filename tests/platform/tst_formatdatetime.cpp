// The date format language with fixed English (US) and Japanese settings.
#include "platform/FormatDateTime.h"

#include <QtTest>

using namespace larkspur;

static FormatSettings us() {
    FormatSettings s;
    s.DateSeparator = u'/';
    s.TimeSeparator = u':';
    s.ShortDateFormat = "m/d/yyyy";
    s.LongDateFormat = "dddd, mmmm d, yyyy";
    s.ShortTimeFormat = "h:nn AMPM";
    s.LongTimeFormat = "h:nn:ss AMPM";
    s.TimeAMString = "AM";
    s.TimePMString = "PM";
    s.ShortMonthNames = QStringList{"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    s.LongMonthNames = QStringList{"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};
    s.ShortDayNames = QStringList{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    s.LongDayNames = QStringList{"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    return s;
}

static FormatSettings ja() {
    FormatSettings s = us();
    s.ShortDateFormat = "yyyy/mm/dd";
    s.LongDateFormat = "yyyy'年'm'月'd'日'";
    s.ShortTimeFormat = "h:nn";
    s.LongTimeFormat = "h:nn:ss";
    s.TimeAMString = "午前";
    s.TimePMString = "午後";
    s.ShortDayNames = QStringList{"日", "月", "火", "水", "木", "金", "土"};
    s.LongDayNames = QStringList{"日曜日", "月曜日", "火曜日", "水曜日", "木曜日", "金曜日", "土曜日"};
    s.JapaneseEras = true;
    return s;
}

class TestFormatDateTime : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void format_data();
    void format();
    void localeSettings();
};

void TestFormatDateTime::format_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("japanese");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");
    const QDateTime t(QDate(1999, 6, 5), QTime(14, 7, 9, 45));
    const QDateTime midnight(QDate(2024, 1, 2), QTime(0, 0));
    QTest::newRow("default setting, Japanese")
        << "yyyy'年'mm'月'dd'日（'aaa'）'" << true << t << "1999年06月05日（土）";
    QTest::newRow("F1 date separator") << "yyyy/mm/dd" << false << t << "1999-06-05";
    QTest::newRow("F2") << "d/m/yy" << false << t << "5/6/99";
    QTest::newRow("F3 padded") << "hh:nn:ss.zzz" << false << t << "14:07:09.045";
    QTest::newRow("F3 bare") << "h:n:s.z" << false << t << "14:7:9.45";
    QTest::newRow("F4 m after h is minutes") << "hh:mm" << false << t << "14:07";
    QTest::newRow("F4 month then minutes") << "mm/dd hh:mm" << false << t << "06/05 14:07";
    QTest::newRow("F5 across quoted text") << "h'時'm'分'" << false << t << "14時7分";
    QTest::newRow("F6 am/pm") << "hh:mm am/pm" << false << t << "02:07 pm";
    QTest::newRow("F6 AM/PM") << "hh:mm AM/PM" << false << t << "02:07 PM";
    QTest::newRow("F6 a/p") << "h:mm a/p" << false << t << "2:07 p";
    QTest::newRow("F7 ampm") << "hh:nn ampm" << false << t << "02:07 PM";
    QTest::newRow("F7 ampm Japanese") << "hh:nn ampm" << true << t << "02:07 午後";
    QTest::newRow("F8 half past midnight")
        << "hh:nn AM/PM" << false << QDateTime(QDate(1999, 6, 5), QTime(0, 30)) << "12:30 AM";
    QTest::newRow("F8 noon") << "h:nn am/pm" << false << QDateTime(QDate(1999, 6, 5), QTime(12, 0)) << "12:00 pm";
    QTest::newRow("F8 24-hour") << "hh:nn" << false << QDateTime(QDate(1999, 6, 5), QTime(0, 30)) << "00:30";
    QTest::newRow("F9 day names") << "ddd dddd" << false << t << "Sat Saturday";
    QTest::newRow("F9 month names") << "mmm mmmm" << false << t << "Jun June";
    QTest::newRow("F10 ddddd") << "ddddd" << false << t << "6/5/1999";
    QTest::newRow("F10 dddddd") << "dddddd" << false << t << "Saturday, June 5, 1999";
    QTest::newRow("F11 c") << "c" << false << t << "6/5/1999 2:07:09 PM";
    QTest::newRow("F11 empty is c") << "" << false << t << "6/5/1999 2:07:09 PM";
    QTest::newRow("F11 c at midnight") << "c" << false << midnight << "1/2/2024";
    QTest::newRow("F12 t") << "t" << false << t << "2:07 PM";
    QTest::newRow("F12 tt") << "tt" << false << t << "2:07:09 PM";
    QTest::newRow("F13 double-quoted") << "\"Today is\" dddd" << false << t << "Today is Saturday";
    QTest::newRow("F13 empty quotes") << "hh''nn" << false << t << "1407";
    QTest::newRow("F14 upper case") << "YYYY-MM-DD HH:NN" << false << t << "1999-06-05 14:07";
    QTest::newRow("F15 years") << "y yy yyy yyyy" << false << t << "99 99 1999 1999";
    QTest::newRow("F15 dots") << "yyyy.mm.dd" << false << t << "1999.06.05";
    QTest::newRow("F16") << "yyyy'年'mm'月'dd'日'" << true << t << "1999年06月05日";
    QTest::newRow("F16 locale formats") << "ddddd dddddd" << true << t << "1999/06/05 1999年6月5日";
    QTest::newRow("F16 dddd") << "dddd" << true << t << "土曜日";
    QTest::newRow("F17 aaaa") << "aaaa" << true << t << "土曜日";
    QTest::newRow("F18 blank ends the minute rule") << "h mm" << false << t << "14 06";
    QTest::newRow("F18 other letters copied as written") << "x" << false << t << "x";
    QTest::newRow("F18 am/pm before h") << "am/pm h" << false << t << "pm 2";
    QTest::newRow("F18 c keeps the time at 1 ms")
        << "c" << false << QDateTime(QDate(2024, 1, 2), QTime(0, 0, 0, 1)) << "1/2/2024 12:00:00 AM";
    QTest::newRow("F19 Japanese era") << "gg e" << true << t << "平成 11";
    QTest::newRow("era letters elsewhere copied") << "gg e" << false << t << "gg e";
    QTest::newRow("Reiwa first year") << "ggee" << true << QDateTime(QDate(2019, 5, 1), QTime(9, 0)) << "令和01";
    QTest::newRow("open quote runs to the end") << "yyyy'mm" << false << t << "1999mm";
}

void TestFormatDateTime::format() {
    QFETCH(QString, format);
    QFETCH(bool, japanese);
    QFETCH(QDateTime, when);
    QFETCH(QString, expected);
    FormatSettings s = japanese ? ja() : us();
    if (QString(QTest::currentDataTag()).startsWith("F1 "))
        s.DateSeparator = u'-';
    QCOMPARE(FormatDateTime(format, when, s), expected);
}

void TestFormatDateTime::localeSettings() {
    const QDateTime t(QDate(1999, 6, 5), QTime(14, 7, 9));
    FormatSettings s = FormatSettings::FromLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    QCOMPARE(FormatDateTime("yyyy'年'mm'月'dd'日（'aaa'）'", t, s), QString("1999年06月05日（土）"));
    QVERIFY(s.JapaneseEras);
    QCOMPARE(VclFormatFromQt("yyyy/MM/dd HH:mm:ss AP"), QString("yyyy/mm/dd hh:nn:ss ampm"));
    FormatSettings c = FormatSettings::FromLocale(QLocale::c());
    QCOMPARE(FormatDateTime("dddd", t, c), QString("Saturday"));
}

QTEST_GUILESS_MAIN(TestFormatDateTime)
#include "tst_formatdatetime.moc"
