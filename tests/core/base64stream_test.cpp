#include "common/base64stream.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <optional>

namespace {

// The strict reading of a whole text: whitespace only around it, then the decoder that stops
// at the first error.
std::optional<QByteArray> wholeText(const QByteArray& text) {
    const QByteArray inner = text.trimmed();
    for (const char c : inner)
        if (QByteArray(" \t\n\v\f\r").contains(c))
            return std::nullopt;
    const auto decoded =
        QByteArray::fromBase64Encoding(inner, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? std::optional<QByteArray>(*decoded) : std::nullopt;
}

// The text fed in pieces cut at the given places.
std::optional<QByteArray> streamed(const QByteArray& text, const std::vector<qsizetype>& cuts) {
    Base64Stream stream;
    QByteArray out;
    qsizetype from = 0;
    for (const qsizetype cut : cuts) {
        stream.feed(std::string_view(text.constData() + from, std::size_t(cut - from)), out);
        from = cut;
    }
    stream.feed(std::string_view(text.constData() + from, std::size_t(text.size() - from)), out);
    if (!stream.finish(out))
        return std::nullopt;
    return out;
}

} // namespace

// Every length modulo 4, padded and not, cut at every place and fed a character at a time: the
// bytes are those of the text decoded whole.
TEST(Base64Stream, EveryLengthAndEveryCutGivesTheWholeTextsBytes) {
    for (qsizetype size = 0; size <= 13; ++size) {
        QByteArray data(size, Qt::Uninitialized);
        for (qsizetype i = 0; i < size; ++i)
            data[i] = char(i * 37 + size * 11);
        for (const QByteArray& text :
             {data.toBase64(), data.toBase64(QByteArray::OmitTrailingEquals)}) {
            SCOPED_TRACE(text.toStdString());
            for (qsizetype cut = 0; cut <= text.size(); ++cut)
                EXPECT_EQ(streamed(text, {cut}), data) << "cut at " << cut;
            std::vector<qsizetype> every;
            for (qsizetype i = 1; i < text.size(); ++i)
                every.push_back(i);
            EXPECT_EQ(streamed(text, every), data);
        }
    }
    // A text of whole groups between partial pieces, longer than a piece of the fast path.
    const QByteArray big = QByteArray(100003, 'x').toBase64();
    EXPECT_EQ(streamed(big, {1, 2, 5, 40001, 40003, big.size() - 1}), QByteArray(100003, 'x'));
}

// Invalid characters, padding in the wrong place, whitespace inside the text and around it, an
// unfinished group: valid and invalid exactly as for the whole text, wherever it is cut.
TEST(Base64Stream, RefusesAndAcceptsAsTheWholeTextReading) {
    const char* pieces[] = {"QU", "JD", "R", "A", "=", "==", " ", "\n", "\r\n",
                            "\t", "+",  "/", "!", "-", "_",  "*", ".",  "QUJD"};
    QRandomGenerator gen(11);
    for (int n = 0; n < 3000; ++n) {
        QByteArray text;
        const int count = int(gen.bounded(9));
        for (int k = 0; k < count; ++k)
            text += pieces[gen.bounded(int(std::size(pieces)))];
        SCOPED_TRACE(text.toStdString());
        const qsizetype cut = text.isEmpty() ? 0 : qsizetype(gen.bounded(int(text.size()) + 1));
        EXPECT_EQ(streamed(text, {cut}), wholeText(text));
    }
    for (const char* text : {"", "  \n", " QUJD \r\n", "QUJD=", "QU=D", "Q===", "QUJ*", "QU JD",
                             "QQ", "Q", "QUI=", "QU==", "QU==QUJD", "====", "QUJD\nQUJD"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(streamed(text, {}), wholeText(text));
    }
}

// Once refused, a text stays refused, whatever follows; blank is only whitespace.
TEST(Base64Stream, ARefusalIsFinalAndBlankIsOnlyWhitespace) {
    Base64Stream stream;
    QByteArray out;
    EXPECT_TRUE(stream.feed(" \n", out));
    EXPECT_TRUE(stream.blank());
    EXPECT_TRUE(stream.feed("QUJD", out));
    EXPECT_FALSE(stream.blank());
    EXPECT_FALSE(stream.feed("Q!", out));
    EXPECT_FALSE(stream.feed("QUJD", out));
    EXPECT_FALSE(stream.finish(out));
    EXPECT_EQ(out, QByteArray("ABC"));
}
