#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <functional>
#include <vector>

// A text of any size kept as it was given, a QString or UTF-8 bytes (an answer as received,
// never turned whole into UTF-16), and read by positions in UTF-16 units: those of the QString
// it stands for. Building it indexes its lines and, for bytes, the position at which every
// block of them starts, so that reading a part decodes that part only. Immutable once built,
// so it can be shared between threads; building a large one belongs off the UI thread.
class IndexedText {
public:
    IndexedText();
    // Away from the UI thread, a large text gives its memory back in steps.
    ~IndexedText();
    IndexedText(const IndexedText&) = default;
    IndexedText(IndexedText&&) = default;
    IndexedText& operator=(const IndexedText&) = default;
    IndexedText& operator=(IndexedText&&) = default;
    explicit IndexedText(QString text);
    // Sequences that are not UTF-8 read as U+FFFD (the bytes kept are then those of the text
    // read); a byte-order mark is a character like any other.
    explicit IndexedText(QByteArray utf8);

    // Bytes read as this text reads them (as QString::fromUtf8 does, but a leading byte-order
    // mark is kept as a character).
    static QString decode(const QByteArray& utf8);

    bool isUtf8() const { return m_isUtf8; }
    // The bytes given, or the QString given.
    const QByteArray& utf8() const { return m_utf8; }
    const QString& utf16() const { return m_utf16; }
    // In UTF-16 units.
    qint64 size() const { return m_size; }
    // The position of every line's start: 0, then just past every '\n'.
    const std::vector<qint64>& lineStarts() const { return m_lines; }

    // Positions are clamped to the text; one that falls between the halves of a surrogate
    // pair reads from the pair's start.
    QString mid(qint64 position, qint64 length) const;
    // Where the character at a position starts in the bytes kept (the position itself for a
    // QString).
    qint64 byteAt(qint64 position) const {
        return m_isUtf8 ? byteOf(std::clamp<qint64>(position, 0, m_size)) : position;
    }
    // The same part as UTF-8: the bytes kept, shared when it is the whole text.
    QByteArray utf8Mid(qint64 position, qint64 length) const;
    QString toString() const;
    // Hands the text to read in consecutive pieces of whole characters, each with its position.
    void forEachPiece(const std::function<void(QStringView piece, qint64 position)>& read) const;

private:
    qint64 byteOf(qint64 position) const;

    QString m_utf16;
    QByteArray m_utf8;
    bool m_isUtf8 = false;
    bool m_ascii = false; // bytes only: every byte is a character, positions are byte offsets
    qint64 m_size = 0;
    std::vector<qint64> m_lines;
    std::vector<qint64> m_blockPositions; // bytes not all ASCII: the position of every block
};
