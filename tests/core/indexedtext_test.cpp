#include "common/indexedtext.h"
#include "common/memorysteps.h"
#include "common/wrappedrows.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <algorithm>

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
        const QString part = expected.mid(from, std::max<qint64>(0, to - from));
        EXPECT_EQ(indexed.mid(at, length), part) << at << " " << length;
        EXPECT_EQ(indexed.utf8Mid(at, length), part.toUtf8()) << at << " " << length;
    }
    EXPECT_EQ(indexed.mid(-5, 3), QString());
    EXPECT_EQ(indexed.mid(expected.size(), 5), QString());
    EXPECT_EQ(indexed.mid(0, expected.size() + 9), expected);
    EXPECT_EQ(indexed.utf8Mid(0, expected.size() + 9), expected.toUtf8());
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

// The rows of a wrapped text, counted from blocks of lines, are those of every line counted
// one after another: empty lines, lines of exactly the width and one more, a text ending with
// a line break, many blocks of lines, widths of one column up.
TEST(WrappedRows, RowsAreThoseOfEveryLineWrapped) {
    QString lines;
    QRandomGenerator gen(7);
    for (int i = 0; i < 700; ++i)
        lines += QString(gen.bounded(3) == 0 ? 0 : gen.bounded(45), u'x') + u'\n';
    for (const QString& text : {QString(), u"\n"_s, u"abc"_s, QString(40, u'y'), lines,
                                lines + u"fim"_s, mixedText(20000, 3)}) {
        const auto indexed = std::make_shared<const IndexedText>(text.toUtf8());
        const std::vector<qint64> starts = lineStartsOf(text);
        for (const int columns : {1, 7, 20, 21, 40, 1000}) {
            SCOPED_TRACE(QStringLiteral("%1 characters, %2 columns")
                             .arg(text.size())
                             .arg(columns)
                             .toStdString());
            const WrappedRows rows(indexed, columns);
            qint64 row = 0;
            for (std::size_t line = 0; line < starts.size(); ++line) {
                const qint64 end = line + 1 < starts.size() ? starts[line + 1] - 1 : text.size();
                const qint64 count =
                    std::max<qint64>(1, (end - starts[line] + columns - 1) / columns);
                ASSERT_EQ(rows.firstRowOf(qint64(line)), row) << line;
                ASSERT_EQ(rows.rowsOf(qint64(line)), count) << line;
                for (qint64 r = row; r < row + count; ++r)
                    ASSERT_EQ(rows.lineOfRow(r), std::make_pair(qint64(line), row)) << r;
                row += count;
            }
            EXPECT_EQ(rows.rowCount(), row);
        }
    }
}

// A large text let go of gives its pages back only when nothing else holds them: another
// reference to the same text, or bytes it merely points at, read on unchanged.
TEST(MemorySteps, GiveBackOnlyWhatIsHeldAlone) {
    constexpr qsizetype kSize = qsizetype(16) << 20;
    QByteArray alone(kSize, 'a');
    QByteArray shared(kSize, 's');
    const QByteArray other = shared;
    std::vector<char> foreign(std::size_t(kSize), 'f');
    QByteArray pointing = QByteArray::fromRawData(foreign.data(), kSize);
    QString sharedText(kSize / 2, u'é');
    const QString otherText = sharedText;
    std::vector<qint64> lines(std::size_t(kSize / 8), 7);

    memorysteps::giveBack(alone);
    memorysteps::giveBack(shared);
    memorysteps::giveBack(pointing);
    memorysteps::giveBack(sharedText);
    memorysteps::giveBack(lines);

    EXPECT_TRUE(alone.isEmpty() && shared.isEmpty() && pointing.isEmpty());
    EXPECT_TRUE(sharedText.isEmpty() && lines.empty());
    EXPECT_EQ(other.count('s'), kSize);
    EXPECT_EQ(std::count(foreign.begin(), foreign.end(), 'f'), kSize);
    EXPECT_EQ(otherText.count(u'é'), kSize / 2);
}
