// Encodings of documents and data files: detection, and byte-exact round
// trips of UTF-8 and code page 932 (NEC/IBM duplicate codes, bytes that are
// no character).
#include "platform/TextCodec.h"

#include <QtTest>

using namespace larkspur;

class TestTextCodec : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void detection_data();
    void detection();
    void cp932Characters_data();
    void cp932Characters();
    void everyCp932CodeRoundTrips();
    void duplicateCodesComeBackInOrder();
    void editedDuplicatesUseTheirLastCode();
    void invalidUtf8RoundTrips();
    void unrepresentableCharacterIsReported();
    void bomIsKept();
};

void TestTextCodec::detection_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("document"); // document rule (declarations count) or data rule
    QTest::addColumn<int>("expected");
    const int utf8 = int(TextEncoding::Utf8), sjis = int(TextEncoding::Cp932);
    QTest::newRow("empty") << QByteArray() << false << utf8;
    QTest::newRow("ASCII") << QByteArray("<p>a</p>") << false << utf8;
    QTest::newRow("UTF-8 Japanese") << QByteArray("日本語") << false << utf8;
    QTest::newRow("CP932 Japanese") << QByteArray("\x93\xfa\x96\x7b") << false << sjis;
    QTest::newRow("BOM then junk") << QByteArray("\xEF\xBB\xBF\x93\xfa") << false << utf8;
    QTest::newRow("overlong UTF-8 is not UTF-8") << QByteArray("\xC0\xAF") << false << sjis;
    QTest::newRow("surrogate in UTF-8 is not UTF-8") << QByteArray("\xED\xA0\x80") << false << sjis;
    QTest::newRow("meta charset Shift_JIS on ASCII")
        << QByteArray("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">") << true << sjis;
    QTest::newRow("meta charset=x-sjis") << QByteArray("<META charset=x-sjis>") << true << sjis;
    QTest::newRow("meta charset utf-8 on invalid bytes")
        << QByteArray("<meta charset=\"utf-8\">\x93\xfa") << true << utf8;
    QTest::newRow("XML declaration") << QByteArray("<?xml version=\"1.0\" encoding=\"Windows-31J\"?>") << true << sjis;
    QTest::newRow("declaration past 1 KB is ignored")
        << QByteArray(1100, ' ') + "<meta charset=shift_jis>" << true << utf8;
    QTest::newRow("unknown charset falls back to the bytes") << QByteArray("<meta charset=euc-jp>") << true << utf8;
    QTest::newRow("data files ignore declarations") << QByteArray("<meta charset=shift_jis>") << false << utf8;
}

void TestTextCodec::detection() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, document);
    QFETCH(int, expected);
    TextEncoding e = document ? TextCodec::detectDocument(bytes) : TextCodec::detect(bytes);
    QCOMPARE(int(e), expected);
}

void TestTextCodec::cp932Characters_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("yen sign byte is a backslash") << QByteArray("\x5c\x7e") << QString("\\~");
    QTest::newRow("half-width katakana") << QByteArray("\xb1\xdf") << QString("ｱﾟ");
    QTest::newRow("kanji") << QByteArray("\x88\x9f\xea\xa2") << QString("亜瑤");
    QTest::newRow("control bytes 1A 1C 7F") << QByteArray("\x1a\x1c\x7f") << QString("\x1a\x1c\x7f");
    QTest::newRow("NEC row 13") << QByteArray("\x87\x40\x87\x90") << QString("①≒");
    QTest::newRow("IBM extension") << QByteArray("\xfa\x40\xed\x40") << QString("ⅰ纊");
    QTest::newRow("wave dash and minus") << QByteArray("\x81\x60\x81\x7c") << QString("～－");
}

void TestTextCodec::cp932Characters() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    DecodedText d = TextCodec::decode(bytes, TextEncoding::Cp932);
    QCOMPARE(QString::fromUtf8(d.utf8), text);
    QCOMPARE(d.unmappedBytes, 0);
    QCOMPARE(TextCodec::encode(d.utf8, TextEncoding::Cp932, false, false, &d.origins).bytes, bytes);
}

void TestTextCodec::everyCp932CodeRoundTrips() {
    // Every single byte and every lead/trail pair, each followed by a space so
    // that no pair runs into the next: decoding and encoding with the
    // recorded origins gives back every byte.
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        if (!lead) {
            all.append(char(b));
            all.append(' ');
        }
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F)
                continue;
            all.append(char(lead));
            all.append(char(trail));
            all.append(' ');
        }
    }
    DecodedText d = TextCodec::decode(all, TextEncoding::Cp932);
    QVERIFY(d.unmappedBytes > 0);           // 0x80, 0xA0, 0xFD-0xFF and unassigned pairs
    QVERIFY(d.origins.codes.size() >= 300); // NEC and IBM duplicates recorded
    QVERIFY(TextCodec::isValidUtf8(d.utf8));
    EncodedText e = TextCodec::encode(d.utf8, TextEncoding::Cp932, false, true, &d.origins);
    QVERIFY(e.complete);
    QCOMPARE(e.bytes.size(), all.size());
    QVERIFY(e.bytes == all);
}

void TestTextCodec::duplicateCodesComeBackInOrder() {
    // ≒ three times: NEC (8790), JIS (81E0), NEC again.
    const QByteArray bytes = "\x87\x90\x81\xe0\x87\x90";
    DecodedText d = TextCodec::decode(bytes, TextEncoding::Cp932);
    QCOMPARE(QString::fromUtf8(d.utf8), QString("≒≒≒"));
    QCOMPARE(TextCodec::encode(d.utf8, TextEncoding::Cp932, false, false, &d.origins).bytes, bytes);
    // Without the origins the encoder writes its own choice for each.
    QCOMPARE(TextCodec::encode(d.utf8, TextEncoding::Cp932).bytes, QByteArray("\x81\xe0\x81\xe0\x81\xe0"));
}

void TestTextCodec::editedDuplicatesUseTheirLastCode() {
    DecodedText d = TextCodec::decode("\xfa\x5c", TextEncoding::Cp932); // 纊 (IBM)
    QByteArray edited = d.utf8 + "a" + d.utf8;                          // typed a second one
    QCOMPARE(TextCodec::encode(edited, TextEncoding::Cp932, false, false, &d.origins).bytes, QByteArray("\xfa\x5c"
                                                                                                        "a\xfa\x5c"));
}

void TestTextCodec::invalidUtf8RoundTrips() {
    const QByteArray bytes = "<meta charset=utf-8>ok\xff\xfe\xe3\x81 end";
    DecodedText d = TextCodec::decodeDocument(bytes);
    QCOMPARE(d.encoding, TextEncoding::Utf8);
    QCOMPARE(d.unmappedBytes, 4);
    QVERIFY(TextCodec::isValidUtf8(d.utf8));
    QCOMPARE(TextCodec::encode(d.utf8, TextEncoding::Utf8, false, true).bytes, bytes);
}

void TestTextCodec::unrepresentableCharacterIsReported() {
    EncodedText e = TextCodec::encode(QByteArray("a😀"), TextEncoding::Cp932);
    QVERIFY(!e.complete);
    e = TextCodec::encode(QByteArray("é"), TextEncoding::Cp932);
    QVERIFY(!e.complete);
}

void TestTextCodec::bomIsKept() {
    const QByteArray bytes = "\xEF\xBB\xBF<p>日本</p>\r\n";
    DecodedText d = TextCodec::decodeDocument(bytes);
    QVERIFY(d.bom);
    QCOMPARE(d.utf8, QByteArray("<p>日本</p>\r\n"));
    QCOMPARE(TextCodec::encode(d.utf8, d.encoding, d.bom).bytes, bytes);
}

QTEST_GUILESS_MAIN(TestTextCodec)
#include "tst_textcodec.moc"
