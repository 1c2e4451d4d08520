#pragma once

#include "common/filekind.h"

#include <QByteArray>
#include <QString>

#include <vector>

// The readable view of a JSON text: indented two spaces a level (a deep level shows its number
// instead of more spaces, so that the view stays a small multiple of the text), escapes shown as
// the characters they stand for, every number exactly as received (never converted), and long
// strings (base64 files, large texts) folded into a placeholder that names their kind and size.
// A base64 string whose bytes are a PDF, ZIP, PNG, JPEG or XML file is folded whatever its
// length, and its placeholder names the file's type: "[PDF, 45,2 KB — Abrir ·
// Salvar como…]".
namespace jsonpretty {

struct Span {
    qsizetype start = 0;
    qsizetype length = 0;
};

struct Fold {
    qsizetype start = 0;                        // of the placeholder in the formatted text
    qsizetype length = 0;                       // of the placeholder
    bool base64 = false;                        // else plain text
    filekind::Kind kind = filekind::Kind::None; // of the file the bytes are
    QByteArray value;                           // the string's characters, as UTF-8
    QString key;                                // the member's name; "" in an array
    Span open; // "Abrir" in the placeholder (empty when the kind is None)
    Span save; // "Salvar como…" (the whole placeholder when the kind is None)
    // The bytes a save writes: the decoded file for base64, the UTF-8 text otherwise.
    QByteArray bytes() const;
};

struct Formatted {
    Formatted() = default;
    // Away from the UI thread, a large view gives its memory back in steps.
    ~Formatted();
    Formatted(const Formatted&) = default;
    Formatted(Formatted&&) = default;
    Formatted& operator=(const Formatted&) = default;
    Formatted& operator=(Formatted&&) = default;

    bool isJson = false;
    QString text;
    std::vector<Fold> folds;
    QString error; // why the text is not JSON
};

struct Options {
    qsizetype base64Fold = 4096;  // base64 strings of at least this many characters
    qsizetype textFold = 1 << 20; // any string of at least this many characters
    // Base64 strings of at least this many characters are folded when their bytes are a file
    // of a known kind.
    qsizetype typedFold = 16;
};

Formatted format(const QString& json, const Options& options);
inline Formatted format(const QString& json) {
    return format(json, Options{});
}
// The same from the text's UTF-8 bytes (an answer as received), never decoded whole; bytes that
// are not UTF-8 read as the replacement character, as IndexedText reads them.
Formatted format(QByteArray utf8, const Options& options);
inline Formatted format(const QByteArray& utf8) {
    return format(utf8, Options{});
}

} // namespace jsonpretty
