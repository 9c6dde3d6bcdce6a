#include "platform/TextCodec.h"

#include <QRegularExpression>
#include <array>
#include <cstring>
#include <iconv.h>
#include <memory>

namespace larkspur {
namespace {

constexpr char32_t kEscapeBase = 0x10FF00;
constexpr char16_t kNoChar = 0xFFFF;

// Tables of code page 932, built once from glibc's converter ("CP932", the
// Windows variant; "SHIFT_JIS" is the JIS one and differs).
class Cp932Tables {
public:
    std::array<char16_t, 256> single{};
    std::vector<char16_t> twoByte;  // indexed by the 16-bit code
    std::vector<quint16> canonical; // per BMP code point: 0 none, 0x100|b single byte, else the code
    std::vector<bool> ambiguous;    // code points that more than one code decodes to

    static bool isLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
    static bool isTrail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

    Cp932Tables() : twoByte(0x10000, kNoChar), canonical(0x10000, 0), ambiguous(0x10000, false) {
        iconv_t toUcs = iconv_open("UTF-16LE", "CP932");
        iconv_t fromUcs = iconv_open("CP932", "UTF-16LE");
        auto decodeOne = [&](const char* in, size_t len) -> char16_t {
            char16_t out[4];
            char* inp = const_cast<char*>(in);
            char* outp = reinterpret_cast<char*>(out);
            size_t inLeft = len, outLeft = sizeof out;
            iconv(toUcs, nullptr, nullptr, nullptr, nullptr);
            if (iconv(toUcs, &inp, &inLeft, &outp, &outLeft) == size_t(-1) || inLeft != 0 || sizeof out - outLeft != 2)
                return kNoChar;
            return out[0];
        };
        for (int b = 0; b < 256; ++b) {
            single[b] = kNoChar;
            if (isLead(b))
                continue;
            char c = char(b);
            single[b] = decodeOne(&c, 1);
        }
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!isLead(lead))
                continue;
            for (int trail = 0x40; trail <= 0xFC; ++trail) {
                if (!isTrail(trail))
                    continue;
                char two[2] = {char(lead), char(trail)};
                twoByte[(lead << 8) | trail] = decodeOne(two, 2);
            }
        }
        std::vector<int> decodedBy(0x10000, 0);
        auto noteDecoded = [&](char16_t ch) {
            if (ch != kNoChar)
                ++decodedBy[ch];
        };
        for (char16_t ch : single)
            noteDecoded(ch);
        for (char16_t ch : twoByte)
            noteDecoded(ch);
        for (int cp = 0; cp < 0x10000; ++cp) {
            if (decodedBy[cp] == 0)
                continue;
            ambiguous[cp] = decodedBy[cp] > 1;
            char16_t in = char16_t(cp);
            unsigned char out[4];
            char* inp = reinterpret_cast<char*>(&in);
            char* outp = reinterpret_cast<char*>(out);
            size_t inLeft = 2, outLeft = sizeof out;
            iconv(fromUcs, nullptr, nullptr, nullptr, nullptr);
            if (iconv(fromUcs, &inp, &inLeft, &outp, &outLeft) == size_t(-1))
                continue;
            size_t n = sizeof out - outLeft;
            if (n == 1)
                canonical[cp] = quint16(0x100 | out[0]);
            else if (n == 2)
                canonical[cp] = quint16((out[0] << 8) | out[1]);
        }
        iconv_close(toUcs);
        iconv_close(fromUcs);
    }

    static const Cp932Tables& get() {
        static const Cp932Tables tables;
        return tables;
    }
};

inline void appendUtf8(QByteArray& out, char32_t cp) {
    if (cp < 0x80) {
        out.append(char(cp));
    } else if (cp < 0x800) {
        out.append(char(0xC0 | (cp >> 6)));
        out.append(char(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.append(char(0xE0 | (cp >> 12)));
        out.append(char(0x80 | ((cp >> 6) & 0x3F)));
        out.append(char(0x80 | (cp & 0x3F)));
    } else {
        out.append(char(0xF0 | (cp >> 18)));
        out.append(char(0x80 | ((cp >> 12) & 0x3F)));
        out.append(char(0x80 | ((cp >> 6) & 0x3F)));
        out.append(char(0x80 | (cp & 0x3F)));
    }
}

// Length of the well-formed UTF-8 sequence at p (1..4), or 0 if it is not one.
inline int utf8SequenceLength(const unsigned char* p, const unsigned char* end, char32_t* cp) {
    unsigned char b0 = p[0];
    if (b0 < 0x80) {
        *cp = b0;
        return 1;
    }
    auto cont = [&](int i) { return p + i < end && (p[i] & 0xC0) == 0x80; };
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        if (!cont(1))
            return 0;
        *cp = char32_t((b0 & 0x1F) << 6 | (p[1] & 0x3F));
        return 2;
    }
    if (b0 >= 0xE0 && b0 <= 0xEF) {
        if (!cont(1) || !cont(2))
            return 0;
        char32_t c = char32_t((b0 & 0x0F) << 12 | (p[1] & 0x3F) << 6 | (p[2] & 0x3F));
        if (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))
            return 0;
        *cp = c;
        return 3;
    }
    if (b0 >= 0xF0 && b0 <= 0xF4) {
        if (!cont(1) || !cont(2) || !cont(3))
            return 0;
        char32_t c = char32_t((b0 & 0x07) << 18 | (p[1] & 0x3F) << 12 | (p[2] & 0x3F) << 6 | (p[3] & 0x3F));
        if (c < 0x10000 || c > 0x10FFFF)
            return 0;
        *cp = c;
        return 4;
    }
    return 0;
}

bool hasUtf8Bom(QByteArrayView b) {
    return b.size() >= 3 && uchar(b[0]) == 0xEF && uchar(b[1]) == 0xBB && uchar(b[2]) == 0xBF;
}

// Skips runs of ASCII eight bytes at a time.
inline const unsigned char* skipAscii(const unsigned char* p, const unsigned char* end) {
    while (end - p >= 8) {
        quint64 w;
        std::memcpy(&w, p, 8);
        if (w & 0x8080808080808080ULL)
            break;
        p += 8;
    }
    while (p < end && *p < 0x80)
        ++p;
    return p;
}

DecodedText decodeUtf8(QByteArrayView bytes) {
    DecodedText d;
    d.encoding = TextEncoding::Utf8;
    if (hasUtf8Bom(bytes)) {
        d.bom = true;
        bytes = bytes.sliced(3);
    }
    if (TextCodec::isValidUtf8(bytes)) {
        d.utf8 = bytes.toByteArray();
        return d;
    }
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    d.utf8.reserve(bytes.size() + bytes.size() / 8);
    while (p < end) {
        const auto* ascii = skipAscii(p, end);
        d.utf8.append(reinterpret_cast<const char*>(p), ascii - p);
        p = ascii;
        if (p >= end)
            break;
        char32_t cp;
        int n = utf8SequenceLength(p, end, &cp);
        if (n == 0) {
            appendUtf8(d.utf8, kEscapeBase + *p);
            ++d.unmappedBytes;
            ++p;
        } else {
            d.utf8.append(reinterpret_cast<const char*>(p), n);
            p += n;
        }
    }
    return d;
}

DecodedText decodeCp932(QByteArrayView bytes) {
    const Cp932Tables& t = Cp932Tables::get();
    DecodedText d;
    d.encoding = TextEncoding::Cp932;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    d.utf8.reserve(bytes.size() + bytes.size() / 2);
    while (p < end) {
        const auto* ascii = skipAscii(p, end);
        d.utf8.append(reinterpret_cast<const char*>(p), ascii - p);
        p = ascii;
        if (p >= end)
            break;
        unsigned char b = *p;
        if (Cp932Tables::isLead(b) && p + 1 < end && Cp932Tables::isTrail(p[1])) {
            quint16 code = quint16((b << 8) | p[1]);
            char16_t ch = t.twoByte[code];
            if (ch != kNoChar) {
                appendUtf8(d.utf8, ch);
                if (t.ambiguous[ch])
                    d.origins.codes[ch].push_back(code);
                p += 2;
                continue;
            }
            // An unassigned two-byte code: both bytes are kept as escapes.
            appendUtf8(d.utf8, kEscapeBase + b);
            appendUtf8(d.utf8, kEscapeBase + p[1]);
            d.unmappedBytes += 2;
            p += 2;
            continue;
        }
        char16_t ch = t.single[b];
        if (ch == kNoChar) {
            appendUtf8(d.utf8, kEscapeBase + b);
            ++d.unmappedBytes;
        } else {
            appendUtf8(d.utf8, ch);
            if (t.ambiguous[ch])
                d.origins.codes[ch].push_back(quint16(0x100 | b));
        }
        ++p;
    }
    // Keep only characters of which at least one occurrence used another code
    // than the one the encoder would choose.
    for (auto it = d.origins.codes.begin(); it != d.origins.codes.end();) {
        quint16 canon = t.canonical[it.key()];
        bool allCanonical = true;
        for (quint16 c : it.value())
            allCanonical = allCanonical && c == canon;
        if (allCanonical)
            it = d.origins.codes.erase(it);
        else
            ++it;
    }
    return d;
}

} // namespace

namespace TextCodec {

bool isValidUtf8(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = p + bytes.size();
    while (p < end) {
        p = skipAscii(p, end);
        if (p >= end)
            break;
        char32_t cp;
        int n = utf8SequenceLength(p, end, &cp);
        if (n == 0)
            return false;
        p += n;
    }
    return true;
}

TextEncoding detect(QByteArrayView bytes) {
    if (hasUtf8Bom(bytes))
        return TextEncoding::Utf8;
    return isValidUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

TextEncoding detectDocument(QByteArrayView bytes) {
    if (hasUtf8Bom(bytes))
        return TextEncoding::Utf8;
    static const QRegularExpression declared(
        QStringLiteral(R"((?:<meta[^>]*charset\s*=\s*["']?|<\?xml[^>]*encoding\s*=\s*["'])\s*([A-Za-z0-9_\-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    QString head = QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 1024)));
    auto m = declared.match(head);
    if (m.hasMatch()) {
        QString name = m.captured(1).toLower();
        if (name == u"utf-8" || name == u"utf8")
            return TextEncoding::Utf8;
        if (name == u"shift_jis" || name == u"shift-jis" || name == u"sjis" || name == u"x-sjis" ||
            name == u"windows-31j" || name == u"cp932" || name == u"ms_kanji" || name == u"csshiftjis" ||
            name == u"ms932")
            return TextEncoding::Cp932;
    }
    return detect(bytes);
}

DecodedText decode(QByteArrayView bytes, TextEncoding encoding) {
    return encoding == TextEncoding::Utf8 ? decodeUtf8(bytes) : decodeCp932(bytes);
}

DecodedText decodeDocument(QByteArray bytes) {
    TextEncoding encoding = detectDocument(bytes);
    if (encoding == TextEncoding::Utf8) {
        bool bom = hasUtf8Bom(bytes);
        if (isValidUtf8(QByteArrayView(bytes).sliced(bom ? 3 : 0))) {
            DecodedText d;
            d.bom = bom;
            if (bom)
                bytes.remove(0, 3);
            d.utf8 = std::move(bytes);
            return d;
        }
    }
    return decode(bytes, encoding);
}

EncodedText encode(QByteArrayView utf8, TextEncoding encoding, bool bom, bool escapes, const Cp932Origins* origins) {
    EncodedText e;
    if (encoding == TextEncoding::Utf8 && !escapes) {
        if (bom)
            e.bytes.append("\xEF\xBB\xBF");
        e.bytes.append(utf8.data(), utf8.size());
        return e;
    }
    const Cp932Tables* t = encoding == TextEncoding::Cp932 ? &Cp932Tables::get() : nullptr;
    QHash<char32_t, size_t> used;
    if (bom && encoding == TextEncoding::Utf8)
        e.bytes.append("\xEF\xBB\xBF");
    e.bytes.reserve(utf8.size() + 3);
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    while (p < end) {
        const auto* ascii = skipAscii(p, end);
        e.bytes.append(reinterpret_cast<const char*>(p), ascii - p);
        p = ascii;
        if (p >= end)
            break;
        char32_t cp;
        int n = utf8SequenceLength(p, end, &cp);
        if (n == 0) { // not expected in our own text; pass the byte through
            e.bytes.append(char(*p));
            ++p;
            continue;
        }
        if (escapes && cp >= kEscapeBase && cp <= kEscapeBase + 0xFF) {
            e.bytes.append(char(cp - kEscapeBase));
            p += n;
            continue;
        }
        if (!t) {
            e.bytes.append(reinterpret_cast<const char*>(p), n);
            p += n;
            continue;
        }
        quint16 code = cp < 0x10000 ? t->canonical[cp] : 0;
        if (origins && cp < 0x10000 && t->ambiguous[cp]) {
            auto it = origins->codes.constFind(cp);
            if (it != origins->codes.constEnd() && !it->empty()) {
                size_t k = used[cp]++;
                code = k < it->size() ? (*it)[k] : it->back();
            }
        }
        if (code == 0 && cp != 0) {
            e.complete = false;
            return e;
        }
        if (code == 0 || (code & 0xFF00) == 0x100)
            e.bytes.append(char(code & 0xFF));
        else {
            e.bytes.append(char(code >> 8));
            e.bytes.append(char(code & 0xFF));
        }
        p += n;
    }
    return e;
}

QString toQString(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8 && isValidUtf8(bytes))
        return QString::fromUtf8(bytes);
    return QString::fromUtf8(decode(bytes, encoding).utf8);
}

EncodedText fromQString(const QString& text, TextEncoding encoding) {
    QByteArray utf8 = text.toUtf8();
    return encode(utf8, encoding, false, true);
}

} // namespace TextCodec
} // namespace larkspur
