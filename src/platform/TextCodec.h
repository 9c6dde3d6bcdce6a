// Text encodings of the files Larkspur reads and writes.
//
// Every text file is either UTF-8 (with or without a byte-order mark) or code
// page 932 (Shift-JIS as Windows writes it). Text inside the program is UTF-8,
// which is also what the editor control holds, so the common case (a UTF-8
// file) passes through without a copy.
//
// Decoding never loses a byte:
//  * bytes that are no character of the file's encoding become escape
//    characters U+10FF00 + byte, which encode back to the same byte;
//  * code page 932 has codes that decode to the same character as another
//    code (the NEC and IBM duplicates, e.g. 0x8790 and 0x81E0 both give ≒).
//    The decoder records which code each such character came from, in order
//    of occurrence, and the encoder writes the same codes back, so a document
//    opened and saved without edits comes back byte for byte.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <vector>

namespace larkspur {

enum class TextEncoding { Utf8, Cp932 };

// Which code each ambiguous code page 932 character came from, in order.
struct Cp932Origins {
    QHash<char32_t, std::vector<quint16>> codes;
    bool isEmpty() const { return codes.isEmpty(); }
};

struct DecodedText {
    QByteArray utf8;
    TextEncoding encoding = TextEncoding::Utf8;
    bool bom = false;
    qsizetype unmappedBytes = 0; // bytes kept as escape characters
    Cp932Origins origins;
};

struct EncodedText {
    QByteArray bytes;
    // False when a character could not be written in the requested encoding;
    // the caller then falls back to UTF-8 (nothing is ever replaced by '?').
    bool complete = true;
};

namespace TextCodec {

// True if the bytes are well-formed UTF-8 (no overlongs, no surrogates).
bool isValidUtf8(QByteArrayView bytes);

// The encoding rule of data files: valid UTF-8 (a BOM allowed) is UTF-8,
// anything else is code page 932.
TextEncoding detect(QByteArrayView bytes);

// The encoding rule of documents: a byte-order mark, then a charset named by a
// <meta> tag or an XML declaration within the first 1 KB, then detect().
TextEncoding detectDocument(QByteArrayView bytes);

DecodedText decode(QByteArrayView bytes, TextEncoding encoding);
// Takes the bytes by value: valid UTF-8 is handed on without a copy.
DecodedText decodeDocument(QByteArray bytes);

// Encodes UTF-8 text. `escapes` turns escape characters back into their
// bytes; `origins` gives ambiguous characters their recorded codes.
EncodedText encode(QByteArrayView utf8, TextEncoding encoding, bool bom = false, bool escapes = false,
                   const Cp932Origins* origins = nullptr);

// Convenience for short strings (INI values and names).
QString toQString(QByteArrayView bytes, TextEncoding encoding);
EncodedText fromQString(const QString& text, TextEncoding encoding);

} // namespace TextCodec
} // namespace larkspur
