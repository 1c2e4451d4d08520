#include "common/indexedtext.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

using namespace Qt::StringLiterals;

namespace {

// The lines of a text as a QString counts them.
std::vector<qint64> lineStartsOf(const QString& text) {
    std::vector<qint64> starts{0};
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\n')
            starts.push_back(i + 1);
    return starts;
}

// A text of many characters of every UTF-8 length, line breaks and byte-order marks among
// them, long enough to span many blocks of the index and pieces of forEachPiece.
QString mixedText(int characters, quint32 seed) {
    const QString pool[] = {u"a"_s,  u"Z"_s, u"\n"_s,         u"\r\n"_s,   u"ç"_s, u"Á"_s,
                            u"中"_s, u"€"_s, u"\U0001F600"_s, u"\uFEFF"_s, u" "_s, u"{"_s};
    QRandomGenerator gen(seed);
    QString text;
    for (int i = 0; i < characters; ++i)
        text += pool[gen.bounded(int(std::size(pool)))];
    return text;
}

// Everything a reader asks of the bytes gives what it gives of the QString they stand for.
void expectReadsAs(const IndexedText& indexed, const QString& expected) {
    ASSERT_EQ(indexed.size(), expected.size());
    EXPECT_EQ(indexed.toString(), expected);
    EXPECT_EQ(indexed.lineStarts(), lineStartsOf(expected));
    QString pieces;
    indexed.forEachPiece([&](QStringView piece, qint64 position) {
        EXPECT_EQ(position, pieces.size());
        pieces += piece;
    });
    EXPECT_EQ(pieces, expected);
    QRandomGenerator gen(5);
    for (int n = 0; n < 400; ++n) {
        const qint64 at = gen.bounded(int(expected.size()) + 1);
        const qint64 length = gen.bounded(n % 2 ? 20 : 9000);
        // A position between the halves of a surrogate pair reads from the pair's start.
        const qint64 from =
            at > 0 && at < expected.size() && expected[at].isLowSurrogate() ? at - 1 : at;
        const qint64 end = std::min<qint64>(expected.size(), at + length);
        const qint64 to =
            end > 0 && end < expected.size() && expected[end].isLowSurrogate() ? end - 1 : end;
        EXPECT_EQ(indexed.mid(at, length), expected.mid(from, std::max<qint64>(0, to - from)))
            << at << " " << length;
    }
    EXPECT_EQ(indexed.mid(-5, 3), QString());
    EXPECT_EQ(indexed.mid(expected.size(), 5), QString());
    EXPECT_EQ(indexed.mid(0, expected.size() + 9), expected);
}

} // namespace

// Bytes are read by the positions of the QString they stand for: ASCII only, every UTF-8
// length (surrogate pairs included), byte-order marks at the start and inside, lines of CR LF.
TEST(IndexedText, BytesReadByThePositionsOfTheirText) {
    for (const QString& text :
         {QString(), u"\n"_s, u"{\"a\":1}\r\nfim"_s, u"Olá, coração\nAÇÚCAR 1KG\n"_s,
          u"\uFEFFcom marca\n\uFEFF"_s, QString(20000, u'x') + u"\n"_s + QString(9000, u'y'),
          mixedText(30000, 1), mixedText(3000, 2)}) {
        SCOPED_TRACE(text.left(40).toStdString());
        const IndexedText bytes(text.toUtf8());
        EXPECT_TRUE(bytes.isUtf8());
        EXPECT_EQ(bytes.utf8(), text.toUtf8());
        expectReadsAs(bytes, text);
        const IndexedText string(text);
        EXPECT_FALSE(string.isUtf8());
        expectReadsAs(string, text);
    }
}

// Bytes that are not UTF-8 read as the replacement character, as QString::fromUtf8 reads them.
TEST(IndexedText, MalformedBytesReadAsReplacementCharacters) {
    for (const QByteArray& bytes :
         {QByteArray("a\xC3(b"), QByteArray("\xF0\x9F\x98"), QByteArray("x\xFFy\n\xC0\xAFz"),
          QByteArray(5000, 'a') + "\xE2\x82" + QByteArray(5000, 'b')}) {
        SCOPED_TRACE(bytes.toHex().left(40).toStdString());
        const IndexedText indexed(bytes);
        expectReadsAs(indexed, QString::fromUtf8(bytes));
        EXPECT_EQ(indexed.utf8(), QString::fromUtf8(bytes).toUtf8());
    }
}
