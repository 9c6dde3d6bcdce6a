// INI files with the Windows private-profile rules.
//
// IniDocument is the pure part: it parses and edits the bytes of one file.
// Reads follow the lexical and lookup rules of the private-profile functions
// (first "]" ends a section name, ";" lines are comments, first section and
// first key win, names compare without regard to case, values are trimmed and
// lose one pair of matching quotes, at most 2047 bytes come back). Writes edit
// the text in place: every untouched line keeps its bytes.
//
// IniFile binds a document to a path: reads see the file as it is on disk
// (it is read again when it changes), writes are kept until UpdateFile(),
// which replaces the file through a temporary file so that it is never left
// half-written.
#pragma once

#include "platform/TextCodec.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace larkspur {

class IniDocument {
public:
    static constexpr int kMaxValueBytes = 2047;

    IniDocument() = default;
    explicit IniDocument(const QByteArray& bytes);

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    // True when the section holds at least one key (a "k=" line counts).
    bool SectionExists(const QString& section) const;
    QStringList ReadSection(const QString& section) const; // key names, duplicates included
    QStringList ReadSections() const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);

    QByteArray Bytes() const;
    TextEncoding Encoding() const { return encoding_; }

    // The integer rule of INI values: optional sign, decimal digits, or
    // hexadecimal after 0x, 0X or $ (up to 8 digits, two's complement).
    static std::optional<int> ParseInteger(const QString& text);

private:
    enum class Kind { Blank, Section, Key, Comment, Other };
    struct Line {
        QByteArray raw; // without its line end
        QByteArray eol; // "\r\n", "\r", "\n" or empty for a last line without one
        Kind kind = Kind::Blank;
        QString name;       // section or key name as written (trimmed)
        QString folded;     // name folded for comparison
        int valueStart = 0; // byte offset of the value in raw (Key lines)
    };
    struct Section {
        int header = -1;          // line index
        int end = 0;              // one past its last line
        QHash<QString, int> keys; // folded key name -> line of its first occurrence
    };

    void parse(const QByteArray& bytes);
    void classify(Line& line) const;
    void reindex();
    const Section* findSection(const QString& folded) const;
    int findKey(const Section& s, const QString& folded) const;
    QByteArray encodeText(const QString& text);
    QByteArray rawValue(const Line& line) const;
    void insertLine(int at, QByteArray raw);

    std::vector<Line> lines_;
    std::vector<Section> sections_;    // every section, in file order
    QHash<QString, int> firstSection_; // folded name -> index of its first occurrence
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool bom_ = false;
};

class IniFile {
public:
    explicit IniFile(QString path);

    const QString& FileName() const { return path_; }

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;
    bool SectionExists(const QString& section) const;
    QStringList ReadSection(const QString& section) const;
    QStringList ReadSections() const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);
    void EraseSection(const QString& section);
    void DeleteKey(const QString& section, const QString& key);

    // Writes pending changes; returns an error text (empty on success).
    QString UpdateFile();

private:
    const IniDocument& doc() const;
    IniDocument& docForWrite();

    QString path_;
    mutable IniDocument doc_;
    mutable bool loaded_ = false;
    mutable qint64 size_ = -1;
    mutable QDateTime modified_;
    mutable bool unreadable_ = false;
    bool dirty_ = false;
};

} // namespace larkspur
