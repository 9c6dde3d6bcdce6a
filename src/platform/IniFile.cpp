#include "platform/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace larkspur {
namespace {

inline bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\v'; }

QByteArray trimBlanks(QByteArrayView b) {
    qsizetype s = 0, e = b.size();
    while (s < e && isBlank(b[s]))
        ++s;
    while (e > s && isBlank(b[e - 1]))
        --e;
    return b.sliced(s, e - s).toByteArray();
}

QString trimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\v'; };
    while (b < e && blank(s[b]))
        ++b;
    while (e > b && blank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

// Names given by callers lose leading and trailing spaces (0x20) only.
QString trimSpaces(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == u' ')
        ++b;
    while (e > b && s[e - 1] == u' ')
        --e;
    return s.mid(b, e - b);
}

QString fold(const QString& s) { return s.toCaseFolded(); }

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Cuts to at most `limit` bytes without splitting a character.
QByteArray cutToLimit(const QByteArray& v, TextEncoding enc, qsizetype limit) {
    if (v.size() <= limit)
        return v;
    if (enc == TextEncoding::Utf8) {
        qsizetype n = limit;
        while (n > 0 && (uchar(v[n]) & 0xC0) == 0x80)
            --n;
        return v.left(n);
    }
    qsizetype i = 0;
    while (i < v.size()) {
        uchar b = uchar(v[i]);
        bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
        qsizetype len = lead && i + 1 < v.size() ? 2 : 1;
        if (i + len > limit)
            break;
        i += len;
    }
    return v.left(i);
}

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

} // namespace

IniDocument::IniDocument(const QByteArray& bytes) { parse(bytes); }

void IniDocument::parse(const QByteArray& input) {
    lines_.clear();
    QByteArray bytes = input;
    bom_ = bytes.startsWith("\xEF\xBB\xBF");
    if (bom_)
        bytes.remove(0, 3);
    encoding_ = bom_ ? TextEncoding::Utf8 : TextCodec::detect(bytes);
    qsizetype pos = 0, n = bytes.size();
    while (pos < n) {
        qsizetype e = pos;
        while (e < n && bytes[e] != '\r' && bytes[e] != '\n')
            ++e;
        Line line;
        line.raw = bytes.sliced(pos, e - pos);
        if (e < n) {
            qsizetype eolLen = (bytes[e] == '\r' && e + 1 < n && bytes[e + 1] == '\n') ? 2 : 1;
            line.eol = bytes.sliced(e, eolLen);
            e += eolLen;
        }
        classify(line);
        lines_.push_back(std::move(line));
        pos = e;
    }
    reindex();
}

void IniDocument::classify(Line& line) const {
    const QByteArray& r = line.raw;
    qsizetype i = 0;
    while (i < r.size() && isBlank(r[i]))
        ++i;
    line.kind = Kind::Blank;
    line.name.clear();
    line.folded.clear();
    if (i == r.size())
        return;
    if (r[i] == ';') {
        line.kind = Kind::Comment;
        return;
    }
    if (r[i] == '[') {
        QString rest = TextCodec::toQString(QByteArrayView(r).sliced(i + 1), encoding_);
        qsizetype close = rest.indexOf(u']');
        line.kind = Kind::Section;
        line.name = trimBlanks(close < 0 ? rest : rest.left(close));
        line.folded = fold(line.name);
        return;
    }
    qsizetype eq = r.indexOf('=');
    if (eq < 0) {
        line.kind = Kind::Other;
        return;
    }
    line.kind = Kind::Key;
    line.name = TextCodec::toQString(trimBlanks(QByteArrayView(r).first(eq)), encoding_);
    line.folded = fold(line.name);
    line.valueStart = int(eq + 1);
}

void IniDocument::reindex() {
    sections_.clear();
    firstSection_.clear();
    for (int i = 0; i < int(lines_.size()); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Section) {
            if (!sections_.empty())
                sections_.back().end = i;
            sections_.push_back({i, int(lines_.size()), {}});
            if (!firstSection_.contains(line.folded)) // the first of duplicate sections counts
                firstSection_.insert(line.folded, int(sections_.size()) - 1);
        } else if (line.kind == Kind::Key && !sections_.empty()) {
            QHash<QString, int>& keys = sections_.back().keys;
            if (!keys.contains(line.folded)) // so does the first of duplicate keys
                keys.insert(line.folded, i);
        }
    }
}

const IniDocument::Section* IniDocument::findSection(const QString& folded) const {
    auto it = firstSection_.constFind(folded);
    return it == firstSection_.constEnd() ? nullptr : &sections_[*it];
}

int IniDocument::findKey(const Section& s, const QString& folded) const { return s.keys.value(folded, -1); }

QByteArray IniDocument::rawValue(const Line& line) const {
    QByteArray v = trimBlanks(QByteArrayView(line.raw).sliced(line.valueStart));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.sliced(1, v.size() - 2);
    return cutToLimit(v, encoding_, kMaxValueBytes);
}

QString IniDocument::ReadString(const QString& section, const QString& key, const QString& def) const {
    const Section* s = findSection(fold(trimSpaces(section)));
    int i = s ? findKey(*s, fold(trimSpaces(key))) : -1;
    if (i < 0) {
        QString d = def;
        while (d.endsWith(u' '))
            d.chop(1);
        return d;
    }
    return TextCodec::toQString(rawValue(lines_[i]), encoding_);
}

std::optional<int> IniDocument::ParseInteger(const QString& text) {
    qsizetype i = 0, n = text.size();
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    } else if (i < n && text[i] == u'$') {
        hex = true;
        ++i;
    }
    if (i == n)
        return std::nullopt;
    if (hex) {
        if (n - i > 8)
            return std::nullopt;
        quint32 v = 0;
        for (; i < n; ++i) {
            int d = hexDigit(text[i]);
            if (d < 0)
                return std::nullopt;
            v = v << 4 | quint32(d);
        }
        qint32 s = qint32(v);
        return negative ? qint32(0u - quint32(s)) : s;
    }
    qint64 v = 0;
    for (; i < n; ++i) {
        if (text[i] < u'0' || text[i] > u'9')
            return std::nullopt;
        v = v * 10 + (text[i].unicode() - u'0');
        if (v > qint64(1) << 32)
            return std::nullopt;
    }
    if (negative)
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return int(v);
}

int IniDocument::ReadInteger(const QString& section, const QString& key, int def) const {
    return ParseInteger(ReadString(section, key, QString())).value_or(def);
}

bool IniDocument::ReadBool(const QString& section, const QString& key, bool def) const {
    auto v = ParseInteger(ReadString(section, key, QString()));
    return v ? *v != 0 : def;
}

bool IniDocument::SectionExists(const QString& section) const {
    const Section* s = findSection(fold(trimSpaces(section)));
    if (!s)
        return false;
    for (int i = s->header + 1; i < s->end; ++i)
        if (lines_[i].kind == Kind::Key)
            return true;
    return false;
}

QStringList IniDocument::ReadSection(const QString& section) const {
    QStringList keys;
    if (const Section* s = findSection(fold(trimSpaces(section))))
        for (int i = s->header + 1; i < s->end; ++i)
            if (lines_[i].kind == Kind::Key)
                keys << lines_[i].name;
    return keys;
}

QStringList IniDocument::ReadSections() const {
    QStringList names;
    for (const Section& s : sections_)
        names << lines_[s.header].name;
    return names;
}

QByteArray IniDocument::encodeText(const QString& text) {
    EncodedText e = TextCodec::fromQString(text, encoding_);
    if (e.complete)
        return e.bytes;
    // A character that code page 932 cannot hold: the whole file moves to
    // UTF-8 rather than losing it.
    for (Line& line : lines_)
        line.raw = TextCodec::decode(line.raw, TextEncoding::Cp932).utf8;
    encoding_ = TextEncoding::Utf8;
    return TextCodec::fromQString(text, encoding_).bytes;
}

void IniDocument::insertLine(int at, QByteArray raw) {
    if (at > 0 && lines_[at - 1].eol.isEmpty())
        lines_[at - 1].eol = kCrLf;
    Line line;
    line.raw = std::move(raw);
    line.eol = kCrLf;
    lines_.insert(lines_.begin() + at, std::move(line));
}

void IniDocument::WriteString(const QString& section, const QString& key, const QString& value) {
    QString sec = trimSpaces(section), k = trimSpaces(key);
    QByteArray v = encodeText(value);
    const Section* s = findSection(fold(sec));
    if (!s) {
        QByteArray header = "[" + encodeText(sec) + "]";
        QByteArray line = encodeText(k) + "=" + encodeText(value);
        int at = int(lines_.size());
        insertLine(at, header);
        insertLine(at + 1, line);
    } else if (int i = findKey(*s, fold(k)); i >= 0) {
        lines_[i].raw = encodeText(lines_[i].name) + "=" + v;
        lines_[i].eol = kCrLf;
    } else {
        int at = s->header + 1;
        for (int j = s->header + 1; j < s->end; ++j)
            if (lines_[j].kind == Kind::Key || lines_[j].kind == Kind::Other)
                at = j + 1;
        insertLine(at, encodeText(k) + "=" + v);
    }
    parse(Bytes()); // a value may hold line breaks; read the text as a reader would
}

void IniDocument::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void IniDocument::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniDocument::EraseSection(const QString& section) {
    QString f = fold(trimSpaces(section));
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    bool inside = false;
    for (Line& line : lines_) {
        if (line.kind == Kind::Section)
            inside = line.folded == f;
        // Comment and blank lines inside an erased section stay.
        if (inside && line.kind != Kind::Comment && line.kind != Kind::Blank)
            continue;
        kept.push_back(std::move(line));
    }
    lines_ = std::move(kept);
    parse(Bytes());
}

void IniDocument::DeleteKey(const QString& section, const QString& key) {
    const Section* s = findSection(fold(trimSpaces(section)));
    if (!s)
        return;
    int i = findKey(*s, fold(trimSpaces(key)));
    if (i < 0)
        return;
    lines_.erase(lines_.begin() + i);
    parse(Bytes());
}

QByteArray IniDocument::Bytes() const {
    QByteArray out;
    if (bom_)
        out.append("\xEF\xBB\xBF");
    for (const Line& line : lines_) {
        out.append(line.raw);
        out.append(line.eol);
    }
    return out;
}

// ---------------------------------------------------------------------------

IniFile::IniFile(QString path) : path_(std::move(path)) {}

const IniDocument& IniFile::doc() const {
    if (dirty_)
        return doc_;
    QFileInfo info(path_);
    qint64 size = info.isFile() ? info.size() : -1;
    QDateTime modified = size >= 0 ? info.lastModified() : QDateTime();
    if (!loaded_ || size != size_ || modified != modified_) {
        QByteArray bytes;
        unreadable_ = false;
        if (size >= 0) {
            QFile f(path_);
            if (f.open(QIODevice::ReadOnly))
                bytes = f.readAll();
            unreadable_ = f.error() != QFileDevice::NoError;
        }
        doc_ = IniDocument(bytes);
        loaded_ = true;
        size_ = size;
        modified_ = modified;
    }
    return doc_;
}

IniDocument& IniFile::docForWrite() {
    doc();
    dirty_ = true;
    return doc_;
}

QString IniFile::ReadString(const QString& s, const QString& k, const QString& d) const {
    return doc().ReadString(s, k, d);
}
int IniFile::ReadInteger(const QString& s, const QString& k, int d) const { return doc().ReadInteger(s, k, d); }
bool IniFile::ReadBool(const QString& s, const QString& k, bool d) const { return doc().ReadBool(s, k, d); }
bool IniFile::SectionExists(const QString& s) const { return doc().SectionExists(s); }
QStringList IniFile::ReadSection(const QString& s) const { return doc().ReadSection(s); }
QStringList IniFile::ReadSections() const { return doc().ReadSections(); }

void IniFile::WriteString(const QString& s, const QString& k, const QString& v) { docForWrite().WriteString(s, k, v); }
void IniFile::WriteInteger(const QString& s, const QString& k, int v) { docForWrite().WriteInteger(s, k, v); }
void IniFile::WriteBool(const QString& s, const QString& k, bool v) { docForWrite().WriteBool(s, k, v); }
void IniFile::EraseSection(const QString& s) { docForWrite().EraseSection(s); }
void IniFile::DeleteKey(const QString& s, const QString& k) { docForWrite().DeleteKey(s, k); }

QString IniFile::UpdateFile() {
    if (!dirty_)
        return {};
    // A file that exists but could not be read is not replaced by the few
    // keys written since: its other contents would be lost.
    if (unreadable_)
        return QStringLiteral("cannot read %1").arg(path_);
    QSaveFile f(path_);
    if (!f.open(QIODevice::WriteOnly))
        return f.errorString();
    f.write(doc_.Bytes());
    if (!f.commit())
        return f.errorString();
    dirty_ = false;
    loaded_ = false; // take the file's new size and time at the next read
    return {};
}

} // namespace larkspur
