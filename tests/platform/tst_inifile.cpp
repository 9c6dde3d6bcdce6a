// The private-profile rules of IniDocument and IniFile: reading, numbers,
// quotes, the 2047-byte cut, section existence, in-place writes and encodings.
#include "platform/IniFile.h"
#include "support/TestEnv.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace larkspur;

class TestIniFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void sectionExists_data();
    void sectionExists();
    void valueCutAt2047Bytes_data();
    void valueCutAt2047Bytes();
    void writes_data();
    void writes();
    void writeThenRead();
    void cp932FileStaysCp932();
    void cp932FileMovesToUtf8ForUnrepresentableValue();
    void utf8BomIsUnderstoodAndKept();
    void fileMissingCreatesNothing();
    void fileInMissingFolderFails();
    void eraseOnMissingFileLeavesEmptyFile();
    void readsSeeChangesOnDisk();
    void hostileFiles();
};

// ------------------------------------------------------------------ reading

void TestIniFile::readString_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("def");
    QTest::addColumn<QString>("expected");
    const QByteArray sk = "[Sec]\r\nKey=Val\r\n";
    QTest::newRow("T1 names ignore case") << sk << "SEC"
                                          << "kEY"
                                          << "d"
                                          << "Val";
    QTest::newRow("T2 missing key") << sk << "Sec"
                                    << "Nope"
                                    << "d"
                                    << "d";
    QTest::newRow("T2 missing section") << sk << "Nope"
                                        << "Key"
                                        << "d"
                                        << "d";
    QTest::newRow("T3 first duplicate key wins") << QByteArray("[S]\r\nK=v1\r\nK=v2") << "S"
                                                 << "K"
                                                 << "d"
                                                 << "v1";
    QTest::newRow("T4 only first duplicate section") << QByteArray("[S]\r\n[S]\r\nK=v\r\n") << "S"
                                                     << "K"
                                                     << "d"
                                                     << "d";
    QTest::newRow("T5 tabs around key and value") << QByteArray("[S]\r\n\tK\t=\tVal\t\r\n") << "S"
                                                  << "K"
                                                  << "d"
                                                  << "Val";
    QTest::newRow("T5 spaces") << QByteArray("[S]\r\n K = Val \r\n") << "S"
                               << "K"
                               << "d"
                               << "Val";
    QTest::newRow("T5 vertical tabs") << QByteArray("[S]\r\n\vK\v=\vVal\v\r\n") << "S"
                                      << "K"
                                      << "d"
                                      << "Val";
    QTest::newRow("T6 blanks before [") << QByteArray(" \t[S]\r\nK=V\r\n") << "S"
                                        << "K"
                                        << "d"
                                        << "V";
    QTest::newRow("T6 blanks inside []") << QByteArray("[ \tS\t ]\r\nK=V\r\n") << "S"
                                         << "K"
                                         << "d"
                                         << "V";
    QTest::newRow("T7 spaces of names stripped") << QByteArray("[S]\r\nK=V\r\n") << " S "
                                                 << " K "
                                                 << "d"
                                                 << "V";
    QTest::newRow("T7 tab in section kept") << QByteArray("[S]\r\nK=V\r\n") << "\tS"
                                            << "K"
                                            << "d"
                                            << "d";
    QTest::newRow("T7 tab in key kept") << QByteArray("[S]\r\nK=V\r\n") << "S"
                                        << "K\t"
                                        << "d"
                                        << "d";
    QTest::newRow("T8 default loses trailing spaces") << sk << "Sec"
                                                      << "X"
                                                      << "  dflt  "
                                                      << "  dflt";
    QTest::newRow("T8 default keeps trailing tab") << sk << "Sec"
                                                   << "X"
                                                   << "dflt\t"
                                                   << "dflt\t";
    QTest::newRow("T9 comment unreadable") << QByteArray("[S]\r\n;K=V\r\n") << "S"
                                           << "K"
                                           << "d"
                                           << "d";
    QTest::newRow("T9 comment unreadable by ;K") << QByteArray("[S]\r\n \t;K=V\r\n") << "S"
                                                 << ";K"
                                                 << "d"
                                                 << "d";
    const QByteArray t10 = "[S]\r\n#K=V\r\nA=x ;y\r\nB=;z\r\n";
    QTest::newRow("T10 # is no comment") << t10 << "S"
                                         << "#K"
                                         << "d"
                                         << "V";
    QTest::newRow("T10 no inline comment") << t10 << "S"
                                           << "A"
                                           << "d"
                                           << "x ;y";
    QTest::newRow("T10 value starting with ;") << t10 << "S"
                                               << "B"
                                               << "d"
                                               << ";z";
    QTest::newRow("T11 keys before a section unreachable") << QByteArray("K=V\r\n[S]\r\nK2=V2\r\n") << ""
                                                           << "K"
                                                           << "d"
                                                           << "d";
    QTest::newRow("T11 [] is the empty name") << QByteArray("[]\r\nK=V\r\n") << ""
                                              << "K"
                                              << "d"
                                              << "V";
    QTest::newRow("T12 empty key name") << QByteArray("[S]\r\n=V\r\n") << "S"
                                        << ""
                                        << "d"
                                        << "V";
    QTest::newRow("T13 key after ] unreachable") << QByteArray("[S]K=V\r\n") << "S"
                                                 << "K"
                                                 << "d"
                                                 << "d";
    QTest::newRow("T13 no [ no section") << QByteArray("S]\r\nK=V\r\n") << "S"
                                         << "K"
                                         << "d"
                                         << "d";
    QTest::newRow("T14 first ] ends the name") << QByteArray("[a]b]\r\nK=V\r\n") << "a"
                                               << "K"
                                               << "d"
                                               << "V";
    QTest::newRow("T14 not the whole") << QByteArray("[a]b]\r\nK=V\r\n") << "a]b"
                                       << "K"
                                       << "d"
                                       << "d";
    QTest::newRow("T15 missing ] still a section") << QByteArray("[S   \r\nK=V\r\n") << "S"
                                                   << "K"
                                                   << "d"
                                                   << "V";
    QTest::newRow("T16 [ inside name") << QByteArray("[[S]\r\nK=V\r\n") << "[S"
                                       << "K"
                                       << "d"
                                       << "V";
    QTest::newRow("T16 quotes in section literal") << QByteArray("[\"S\"]\r\nK=V\r\n") << "S"
                                                   << "K"
                                                   << "d"
                                                   << "d";
    QTest::newRow("T16 quoted section by name") << QByteArray("[\"S\"]\r\nK=V\r\n") << "\"S\""
                                                << "K"
                                                << "d"
                                                << "V";
    const QByteArray t17 = "[S]\r\nA=  \"  v  \"  \r\nB=  '  v  '  \r\n";
    QTest::newRow("T17 double quotes keep inner blanks") << t17 << "S"
                                                         << "A"
                                                         << "d"
                                                         << "  v  ";
    QTest::newRow("T17 single quotes") << t17 << "S"
                                       << "B"
                                       << "d"
                                       << "  v  ";
    const QByteArray t18 = "[S]\r\nC=\"'v'\"\r\nD=\"v'\r\nE='\"v'\"\r\nF=\"\"\r\nG=\"\r\n";
    QTest::newRow("T18 outer pair only") << t18 << "S"
                                         << "C"
                                         << "d"
                                         << "'v'";
    QTest::newRow("T18 mismatched") << t18 << "S"
                                    << "D"
                                    << "d"
                                    << "\"v'";
    QTest::newRow("T18 crossed") << t18 << "S"
                                 << "E"
                                 << "d"
                                 << "'\"v'\"";
    QTest::newRow("T19 two quotes give empty") << t18 << "S"
                                               << "F"
                                               << "d"
                                               << "";
    QTest::newRow("T19 lone quote stays") << t18 << "S"
                                          << "G"
                                          << "d"
                                          << "\"";
    QTest::newRow("T20 empty value is not the default") << QByteArray("[S]\r\nK=\r\n") << "S"
                                                        << "K"
                                                        << "d"
                                                        << "";
    QTest::newRow("T21 line without = is no key") << QByteArray("[S]\r\nname3\r\n") << "S"
                                                  << "name3"
                                                  << "d"
                                                  << "d";
    QTest::newRow("T22 CR-only lines") << QByteArray(
                                              "[section1]\rname1=val1\rname2=\"val2\"\rname3\rname4=a\r[section2]\r")
                                       << "section1"
                                       << "name2"
                                       << "d"
                                       << "val2";
    QTest::newRow("T22 LF-only lines") << QByteArray("[Test]\nProfileInt=123\n") << "Test"
                                       << "ProfileInt"
                                       << "d"
                                       << "123";
    const QByteArray t23 = "\xEF\xBB\xBF[S]\r\nK=V\r\n[S2]\r\nK2=V2\r\n";
    QTest::newRow("T23 BOM understood, first section") << t23 << "S"
                                                       << "K"
                                                       << "d"
                                                       << "V";
    QTest::newRow("T23 BOM understood, later section") << t23 << "S2"
                                                       << "K2"
                                                       << "d"
                                                       << "V2";
    QTest::newRow("key = value spelled with a Japanese name") << QByteArray("[タグ]\r\n名前=値\r\n") << "タグ"
                                                              << "名前"
                                                              << "d"
                                                              << "値";
    QTest::newRow("CP932 file") << QByteArray("[\x83\x5e\x83\x4f]\r\nK=\x92\x6c\r\n") << "タグ"
                                << "K"
                                << "d"
                                << "値";
}

void TestIniFile::readString() {
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, def);
    QFETCH(QString, expected);
    QCOMPARE(IniDocument(file).ReadString(section, key, def), expected);
}

void TestIniFile::readInteger_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("T26 -1") << QByteArray("-1") << -1;
    QTest::newRow("T26 +1") << QByteArray("+1") << 1;
    QTest::newRow("T27 2^32 out of range") << QByteArray("4294967296") << 5;
    QTest::newRow("T27 2^32+1") << QByteArray("4294967297") << 5;
    QTest::newRow("T27 -(2^32+1)") << QByteArray("-4294967297") << 5;
    QTest::newRow("int max") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("int min") << QByteArray("-2147483648") << int(-2147483647 - 1);
    QTest::newRow("int max + 1") << QByteArray("2147483648") << 5;
    QTest::newRow("T28 junk inside") << QByteArray("42A94967297") << 5;
    QTest::newRow("T28 trailing junk") << QByteArray("12abc") << 5;
    QTest::newRow("T29 leading letter") << QByteArray("B4294967297") << 5;
    QTest::newRow("T29 word") << QByteArray("abc") << 5;
    QTest::newRow("T30 0x") << QByteArray("0x1F") << 31;
    QTest::newRow("T30 0X") << QByteArray("0X1F") << 31;
    QTest::newRow("T30 $") << QByteArray("$1F") << 31;
    QTest::newRow("0x alone") << QByteArray("0x") << 5;
    QTest::newRow("0xFFFFFFFF is -1") << QByteArray("0xFFFFFFFF") << -1;
    QTest::newRow("nine hex digits") << QByteArray("0x100000000") << 5;
    QTest::newRow("T31 empty") << QByteArray("") << 5;
    QTest::newRow("T32 quoted") << QByteArray("\"12\"") << 12;
    QTest::newRow("blanks around") << QByteArray("  7  ") << 7;
    QTest::newRow("inner blank") << QByteArray("1 2") << 5;
    QTest::newRow("full-width digits") << QByteArray("\xEF\xBC\x91") << 5;
}

void TestIniFile::readInteger() {
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    IniDocument doc("[S]\r\nK=" + value + "\r\n");
    QCOMPARE(doc.ReadInteger("S", "K", 5), expected);
    QCOMPARE(doc.ReadInteger("S", "Missing", 5), 5);
}

void TestIniFile::readBool_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");
    const QList<QPair<QByteArray, bool>> rows = {{"K=1", true}, {"K=0", false}, {"K=2", true}, {"K=-1", true}};
    for (const auto& [line, result] : rows)
        for (bool def : {true, false})
            QTest::addRow("T33 %s default %d", line.constData(), def) << line << def << result;
    for (const QByteArray& line : {QByteArray("K=true"), QByteArray("K="), QByteArray("X=1")})
        for (bool def : {true, false})
            QTest::addRow("T33 %s gives default %d", line.constData(), def) << line << def << def;
}

void TestIniFile::readBool() {
    QFETCH(QByteArray, line);
    QFETCH(bool, def);
    QFETCH(bool, expected);
    QCOMPARE(IniDocument("[S]\r\n" + line + "\r\n").ReadBool("S", "K", def), expected);
}

void TestIniFile::sectionExists_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("expected");
    QTest::newRow("T47a key") << QByteArray("[S]\r\nK=V\r\n") << "S" << true;
    QTest::newRow("T47b empty value") << QByteArray("[S]\r\nK=\r\n") << "S" << true;
    QTest::newRow("T47c empty section") << QByteArray("[S]\r\n") << "S" << false;
    QTest::newRow("T47d only comments") << QByteArray("[S]\r\n;c=1\r\n") << "S" << false;
    QTest::newRow("T47e only a line without =") << QByteArray("[S]\r\nname3\r\n") << "S" << false;
    QTest::newRow("T47f no file") << QByteArray() << "S" << false;
    QTest::newRow("T47g case") << QByteArray("[S]\r\nK=V\r\n") << "s" << true;
}

void TestIniFile::sectionExists() {
    QFETCH(QByteArray, file);
    QFETCH(QString, name);
    QFETCH(bool, expected);
    QCOMPARE(IniDocument(file).SectionExists(name), expected);
}

void TestIniFile::valueCutAt2047Bytes_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("expected"); // UTF-8 of the result
    QTest::newRow("T24 2047") << QByteArray(2047, 'A') << QByteArray(2047, 'A');
    QTest::newRow("T24 2048") << QByteArray(2048, 'A') << QByteArray(2047, 'A');
    QTest::newRow("T24 5000") << QByteArray(5000, 'A') << QByteArray(2047, 'A');
    // 682 three-byte characters are 2046 bytes; the 683rd would end at 2049.
    const QByteArray a = "\xE3\x81\x82"; // あ
    QTest::newRow("UTF-8 cut backs off to a whole character") << a.repeated(700) << a.repeated(682);
    QTest::newRow("cut applies after unquoting") << "\"" + QByteArray(2047, 'B') + "\"" << QByteArray(2047, 'B');
    // CP932: "A" then two-byte characters; the last one would straddle 2047.
    QTest::newRow("CP932 cut backs off") << "A" + QByteArray("\x82\xa0").repeated(1100) << "A" + a.repeated(1023);
}

void TestIniFile::valueCutAt2047Bytes() {
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, expected);
    QCOMPARE(IniDocument("[S]\r\nK=" + value + "\r\n").ReadString("S", "K", "").toUtf8(), expected);
}

// ------------------------------------------------------------------ writing

// Each row: the file before, a script of operations, the exact file after.
// Operations: "w S K V" writes, "d S K" deletes a key, "e S" erases a section;
// fields are separated by '|'.
void TestIniFile::writes_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QStringList>("ops");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("T34 new file") << QByteArray() << QStringList{"w|S|K|V"} << QByteArray("[S]\r\nK=V\r\n");
    const QByteArray t35 = "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n[App3]"
                           "\r\nkey5=string5\r\n";
    QTest::newRow("T35 build-up") << QByteArray()
                                  << QStringList{"w|App1|key1|string1", "w|App1|key2|string2", "w|App1|key3|string3",
                                                 "w|App2|key4|string4", "w|App3|key5|string5"}
                                  << t35;
    QTest::newRow("T36 delete key twice")
        << t35 << QStringList{"d|App1|key2", "d|App1|key2"}
        << QByteArray("[App1]\r\nkey1=string1\r\nkey3=string3\r\n[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n");
    QTest::newRow("T36 erase sections, delete last key")
        << t35 << QStringList{"e|App1", "e|App2", "d|App3|key5"} << QByteArray("[App3]\r\n");
    QTest::newRow("T37 new keys after the last key")
        << QByteArray("[S]\r\nb=value\r\na=value\r\n") << QStringList{"w|S|z|", "w|S|b|", "w|S|y|", "w|S|a|"}
        << QByteArray("[S]\r\nb=\r\na=\r\nz=\r\ny=\r\n");
    QTest::newRow("T38 comments stay in place")
        << QByteArray(";comment0\r\n[S]\r\n;comment1\r\nb=value\r\n;comment2\r\na=value\r\n")
        << QStringList{"w|S|z|", "w|S|;x|", "w|S|y|", "w|S|a|", "w|S|b|"}
        << QByteArray(";comment0\r\n[S]\r\n;comment1\r\nb=\r\n;comment2\r\na=\r\nz=\r\ny=\r\n;x=\r\n");
    QTest::newRow("T39 new key before trailing comment")
        << QByteArray("[S]\r\nK=1\r\n;tail\r\n[T]\r\n") << QStringList{"w|S|N|2"}
        << QByteArray("[S]\r\nK=1\r\nN=2\r\n;tail\r\n[T]\r\n");
    QTest::newRow("T40 erase keeps comments")
        << QByteArray(";comment0\r\n[S]\r\n;comment1\r\n[S2]\r\n;comment2\r\n") << QStringList{"e|S", "e|S2"}
        << QByteArray(";comment0\r\n;comment1\r\n;comment2\r\n");
    QTest::newRow("T41 update keeps spelling, adds line end")
        << QByteArray("[SectionName]\r\nTestKey=TestValue") << QStringList{"w|SECTIONNAME|TESTKEY|TestValue2"}
        << QByteArray("[SectionName]\r\nTestKey=TestValue2\r\n");
    QTest::newRow("T42 names lose spaces, value verbatim")
        << QByteArray() << QStringList{"w| sec | key | v "} << QByteArray("[sec]\r\nkey= v \r\n");
    QTest::newRow("T43 bytes before first section kept")
        << QByteArray("data\0 before", 12) << QStringList{"w|section1|key1|string1"}
        << QByteArray("data\0 before\r\n[section1]\r\nkey1=string1\r\n", 40);
    QTest::newRow("T44 line breaks written raw")
        << QByteArray() << QStringList{"w|S|K|a\r\nb"} << QByteArray("[S]\r\nK=a\r\nb\r\n");
    QTest::newRow("T45 empty section and key names")
        << QByteArray() << QStringList{"w||K|V", "w|S||x"} << QByteArray("[]\r\nK=V\r\n[S]\r\n=x\r\n");
    QTest::newRow("untouched lines keep their bytes")
        << QByteArray("; top\n\n[S]\nA = 1 \nB=2\n\n[T]\nC=3\n") << QStringList{"w|S|B|9"}
        << QByteArray("; top\n\n[S]\nA = 1 \nB=9\r\n\n[T]\nC=3\n");
    QTest::newRow("new key before blank lines of its section")
        << QByteArray("[S]\r\nA=1\r\n\r\n[T]\r\n") << QStringList{"w|S|B|2"}
        << QByteArray("[S]\r\nA=1\r\nB=2\r\n\r\n[T]\r\n");
    QTest::newRow("erase removes every copy of a section") << QByteArray("[B]\r\n0=a\r\n[X]\r\nk=v\r\n[b]\r\n1=c\r\n")
                                                           << QStringList{"e|B"} << QByteArray("[X]\r\nk=v\r\n");
}

void TestIniFile::writes() {
    QFETCH(QByteArray, before);
    QFETCH(QStringList, ops);
    QFETCH(QByteArray, after);
    IniDocument doc(before);
    for (const QString& op : ops) {
        QStringList f = op.split(u'|');
        if (f[0] == u"w")
            doc.WriteString(f[1], f[2], f[3]);
        else if (f[0] == u"d")
            doc.DeleteKey(f[1], f[2]);
        else
            doc.EraseSection(f[1]);
    }
    QCOMPARE(doc.Bytes(), after);
}

void TestIniFile::writeThenRead() {
    IniDocument doc;
    doc.WriteString(" sec ", " key ", " v ");
    QCOMPARE(doc.ReadString("sec", "key", "d"), QString("v")); // T42
    doc.WriteString("S", "K", "a\r\nb");
    QCOMPARE(doc.ReadString("S", "K", "d"), QString("a")); // T44
    doc.WriteInteger("N", "I", -42);
    doc.WriteBool("N", "B", true);
    QCOMPARE(doc.ReadInteger("N", "I", 0), -42);
    QCOMPARE(doc.ReadBool("N", "B", false), true);
    QCOMPARE(doc.ReadSection("N"), QStringList({"I", "B"}));
    QCOMPARE(doc.ReadSections(), QStringList({"sec", "S", "N"}));
}

// ---------------------------------------------------------------- encodings

void TestIniFile::cp932FileStaysCp932() {
    // "≒" from the NEC row (0x8790) must survive untouched lines; a new
    // Japanese value is written in code page 932.
    const QByteArray before = "[S]\r\nA=\x87\x90\r\n";
    IniDocument doc(before);
    QCOMPARE(doc.Encoding(), TextEncoding::Cp932);
    QCOMPARE(doc.ReadString("S", "A", ""), QString("≒"));
    doc.WriteString("S", "B", "日本");
    QCOMPARE(doc.Bytes(), QByteArray("[S]\r\nA=\x87\x90\r\nB=\x93\xfa\x96\x7b\r\n"));
}

void TestIniFile::cp932FileMovesToUtf8ForUnrepresentableValue() {
    IniDocument doc("[S]\r\nA=\x93\xfa\r\n");
    doc.WriteString("S", "B", "😀");
    QCOMPARE(doc.Encoding(), TextEncoding::Utf8);
    QCOMPARE(doc.Bytes(), QByteArray("[S]\r\nA=日\r\nB=😀\r\n"));
    QCOMPARE(IniDocument(doc.Bytes()).ReadString("S", "A", ""), QString("日"));
}

void TestIniFile::utf8BomIsUnderstoodAndKept() {
    IniDocument doc("\xEF\xBB\xBF[S]\r\nK=V\r\n");
    doc.WriteString("S", "N", "値");
    QCOMPARE(doc.Bytes(), QByteArray("\xEF\xBB\xBF[S]\r\nK=V\r\nN=値\r\n"));
}

// --------------------------------------------------------------- the file

void TestIniFile::fileMissingCreatesNothing() {
    QTemporaryDir dir;
    const QString path = dir.filePath("none.ini");
    IniFile ini(path);
    QCOMPARE(ini.ReadString("S", "K", "d"), QString("d"));
    QCOMPARE(ini.ReadInteger("S", "K", 7), 7);
    QVERIFY(ini.UpdateFile().isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestIniFile::fileInMissingFolderFails() {
    // T46: nothing is created and the caller gets an error.
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/settings.ini");
    IniFile ini(path);
    ini.WriteString("S", "K", "V");
    QVERIFY(!ini.UpdateFile().isEmpty());
    QVERIFY(!QFile::exists(path));
    QVERIFY(!QDir(dir.filePath("missing")).exists());
}

void TestIniFile::eraseOnMissingFileLeavesEmptyFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("e.ini");
    IniFile ini(path);
    ini.EraseSection("App");
    QVERIFY(ini.UpdateFile().isEmpty());
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
}

void TestIniFile::readsSeeChangesOnDisk() {
    QTemporaryDir dir;
    const QString path = dir.filePath("live.ini");
    QVERIFY(WriteFileBytes(path, "[S]\r\nK=1\r\n"));
    IniFile ini(path);
    QCOMPARE(ini.ReadInteger("S", "K", 0), 1);
    QVERIFY(WriteFileBytes(path, "[S]\r\nK=22\r\n"));
    QCOMPARE(ini.ReadInteger("S", "K", 0), 22);
    QVERIFY(QFile::remove(path));
    QCOMPARE(ini.ReadInteger("S", "K", 0), 0);
}

void TestIniFile::hostileFiles() {
    // Binary junk, an overlong line, NULs and a missing "]" read without harm.
    QByteArray junk;
    for (int i = 0; i < 100000; ++i)
        junk.append(char((i * 7919) & 0xFF));
    IniDocument a(junk + "\r\n[S]\r\nK=V\r\n");
    QCOMPARE(a.ReadString("S", "K", "d"), QString("V"));
    IniDocument b("[S]\r\nK=" + QByteArray(10'000'000, 'x') + "\r\nL=2\r\n");
    QCOMPARE(b.ReadString("S", "K", "").size(), 2047);
    QCOMPARE(b.ReadInteger("S", "L", 0), 2);
    IniDocument c(QByteArray("[S\0X]\r\nK=V\0W\r\n", 14));
    QCOMPARE(c.ReadSections().size(), 1);
    QCOMPARE(c.ReadString(QString("S") + QChar(0) + "X", "K", "d"), QString("V") + QChar(0) + "W");
}

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
