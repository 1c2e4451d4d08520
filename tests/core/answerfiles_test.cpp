#include "common/exception.h"
#include "common/tjsonutil.h"
#include "contracts/tarquivo.h"
#include "exchange/answerfiles.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <unistd.h>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// The JSON text of a string's content as the middleware writes it ('/' escaped).
QByteArray jsonContent(const QByteArray& text) {
    QByteArray out =
        QByteArray::fromStdString(json::toWireText(json::JsonValue::string(text.toStdString())));
    return out.mid(1, out.size() - 2);
}

QByteArray contentAnswer(const QByteArray& rawStr, bool err = false) {
    return R"({"result":{"controle":{"err":)" + QByteArray(err ? "true" : "false") +
           R"(,"cod":"","msg":""},"conteudo":{"int":0,"str":")" + rawStr +
           R"(","curr":0,"bool":true}}})";
}

QByteArray recordAnswer(const QByteArray& name, const QByteArray& rawBase64) {
    // The name comes after the text, as nothing obliges the middleware to send it first.
    return R"({"result":{"controle":{"err":false,"cod":"","msg":""},"conteudo":{"livre":{"Base64":")" +
           rawBase64 + R"(","Nome":")" + name + R"("}}}})";
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray pseudoRandomBytes(qsizetype size, quint32 seed) {
    std::vector<quint32> words(std::size_t(size / 4 + 1));
    QRandomGenerator(seed).fillRange(words.data(), qsizetype(words.size()));
    return QByteArray(reinterpret_cast<const char*>(words.data()), size);
}

class AnswerFilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString folder() const { return dir.filePath(QStringLiteral("Arquivos")); }
    QStringList leftInFolder() const {
        return QDir(folder()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
};

} // namespace

// Every length modulo 3 (padding "==", "=", none), and a large file whose text is decoded in
// many pieces: the saved bytes are exactly the decoded ones, in both forms.
TEST_F(AnswerFilesTest, SavedBytesAreExactlyTheDecodedOnes) {
    for (const qsizetype size : {0, 1, 2, 3, 4, 5, 1000, 8 * 1024 * 1024 + 1}) {
        SCOPED_TRACE(size);
        const QByteArray data = pseudoRandomBytes(size, quint32(size));
        const QByteArray raw = jsonContent(data.toBase64());
        const QString a =
            saveContentFileFromAnswer(contentAnswer(raw), folder(), QStringLiteral("A.bin"));
        const QString b =
            saveFileRecordFromAnswer(recordAnswer("B.bin", raw), folder(), [](const QString&) {});
        if (size == 0) {
            EXPECT_TRUE(a.isEmpty()); // a blank text saves nothing
            EXPECT_TRUE(b.isEmpty());
            EXPECT_TRUE(leftInFolder().isEmpty()) << leftInFolder().join(u' ').toStdString();
            continue;
        }
        const QByteArray expected = QCryptographicHash::hash(data, QCryptographicHash::Sha256);
        EXPECT_EQ(QCryptographicHash::hash(fileBytes(a), QCryptographicHash::Sha256), expected);
        EXPECT_EQ(QCryptographicHash::hash(fileBytes(b), QCryptographicHash::Sha256), expected);
        EXPECT_EQ(leftInFolder(), (QStringList{QStringLiteral("A.bin"), QStringLiteral("B.bin")}));
    }
}

// The streamed decoder reads a text exactly as the reading of the whole text does: escapes,
// the valid-character filter, whitespace around the text, padding rules and refusals.
TEST_F(AnswerFilesTest, StreamedReadingMatchesTheWholeTextReading) {
    const char* pieces[] = {"QU",      "JD",           "R",       "=",   "==",  " ",
                            "\\n",     "\\r",          "\\t",     "\\/", "+",   "\\u0041",
                            "\\u00e1", "\xe2\x82\xac", "\\u0001", "!",   "\\\\"};
    QRandomGenerator gen(7);
    for (int n = 0; n < 400; ++n) {
        QByteArray raw;
        const int count = int(gen.bounded(12));
        for (int k = 0; k < count; ++k)
            raw += pieces[gen.bounded(int(std::size(pieces)))];
        SCOPED_TRACE(raw.toStdString());
        // The whole-text reading: parse, the filtered text, the strict decoder.
        const auto parsed = json::parse(std::string("{\"str\":\"") + raw.toStdString() + "\"}");
        ASSERT_TRUE(parsed.value);
        const QByteArray text = TJSONUtil::GetStrUtf8(&*parsed.value, QStringLiteral("str"));
        std::optional<QByteArray> expected;
        bool refused = false;
        if (!text.trimmed().isEmpty()) {
            try {
                expected = decodeBase64Strict(text);
            } catch (const Exception&) {
                refused = true;
            }
        }
        QFile::remove(QDir(folder()).filePath(QStringLiteral("X")));
        try {
            const QString path =
                saveContentFileFromAnswer(contentAnswer(raw), folder(), QStringLiteral("X"));
            EXPECT_FALSE(refused);
            EXPECT_EQ(path.isEmpty(), !expected.has_value());
            if (expected) {
                EXPECT_EQ(fileBytes(path), *expected);
            }
        } catch (const Exception& e) {
            EXPECT_TRUE(refused) << e.message().toStdString();
        }
    }
}

// JSON allows blanks, tabs, CR and LF between a member's name, its colon and its value: an
// answer laid out that way saves the same bytes as the compact one, in both forms.
TEST_F(AnswerFilesTest, BlanksAroundAFileMembersColonChangeNothing) {
    const QByteArray data = pseudoRandomBytes(70 * 1024 + 2, 3);
    const QByteArray raw = jsonContent(data.toBase64());
    for (const char* blank : {"", " ", "\r\n", "\n", "\t", "   ", " \r\n\t  \n"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(blank)));
        const QByteArray b(blank);
        const QByteArray content = R"({"result":{"controle":{"err":false},"conteudo":{"str")" + b +
                                   ":" + b + "\"" + raw + "\"" + b + "}}}";
        const QByteArray record =
            R"({"result":{"controle":{"err":false},"conteudo":{"livre":{"Base64")" + b + ":" + b +
            "\"" + raw + "\"" + b + "," + b + R"("Nome")" + b + ":" + b + R"("B.bin"}}}})";
        QDir(folder()).removeRecursively();
        const QString a = saveContentFileFromAnswer(content, folder(), QStringLiteral("A.bin"));
        const QString r = saveFileRecordFromAnswer(record, folder(), [](const QString&) {});
        EXPECT_EQ(fileBytes(a), data);
        EXPECT_EQ(fileBytes(r), data);
    }
}

// A text that turns out not to be base64 after pieces of it were decoded, a reported error, or
// a refused name leave no file behind, and an existing file as it was.
TEST_F(AnswerFilesTest, AFailedOrDeclinedSaveLeavesNoPartialFile) {
    QDir().mkpath(folder());
    const QString existing = QDir(folder()).filePath(QStringLiteral("A.bin"));
    {
        QFile f(existing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("antigo");
    }
    const QByteArray good = pseudoRandomBytes(3 * 1024 * 1024, 1).toBase64();
    const QByteArray badAtTheEnd = good.left(good.size() - 8) + "*bad*==";
    EXPECT_THROW(
        saveContentFileFromAnswer(contentAnswer(badAtTheEnd), folder(), QStringLiteral("A.bin")),
        Exception);
    EXPECT_THROW(
        saveFileRecordFromAnswer(recordAnswer("A.bin", "QU JD"), folder(), [](const QString&) {}),
        Exception);
    EXPECT_TRUE(
        saveContentFileFromAnswer(contentAnswer(good, true), folder(), QStringLiteral("A.bin"))
            .isEmpty());
    EXPECT_THROW(saveFileRecordFromAnswer(
                     recordAnswer("A.bin", good), folder(),
                     [](const QString&) { throw Exception(QStringLiteral("recusado")); }),
                 Exception);
    // Not JSON: the reading says so and writes nothing; an answer cut off (the connection lost)
    // after the text was decoded into a file, or in the middle of the text, is not JSON either.
    for (const QByteArray& notJson :
         {contentAnswer(good).chopped(1), contentAnswer("QU\x01JD"), contentAnswer("QU\\x")})
        EXPECT_THROW(saveContentFileFromAnswer(notJson, folder(), QStringLiteral("A.bin")),
                     Exception);
    for (const QByteArray& cut : {recordAnswer("A.bin", good).chopped(3),
                                  recordAnswer("A.bin", good).left(good.size() / 2)})
        EXPECT_THROW(saveFileRecordFromAnswer(cut, folder(), [](const QString&) {}), Exception);
    EXPECT_EQ(fileBytes(existing), QByteArray("antigo"));
    EXPECT_EQ(leftInFolder(), QStringList{QStringLiteral("A.bin")});

    // A folder that cannot be written: the error names the file, and nothing is left.
    const QString blocked = dir.filePath(QStringLiteral("bloqueada"));
    QFile(blocked).open(QIODevice::WriteOnly); // a file where the folder should be
    EXPECT_THROW(saveContentFileFromAnswer(contentAnswer("QUJD"), blocked, QStringLiteral("A.bin")),
                 EFileError);
}

// An answer that holds a good file but cannot be read whole, or whose parts have the wrong
// kind, is reported with what was expected, and nothing is written.
TEST_F(AnswerFilesTest, UnusableAnswersAreReportedNamingWhatWasExpected) {
    struct Case {
        QByteArray body;
        QString said;
    };
    const QByteArray file = "QUJD";
    const std::vector<Case> cases = {
        {contentAnswer(file).replace("\"curr\":0", "\"curr\":1e400"), u"não é JSON válido"_s},
        {contentAnswer(file).replace("\"int\":0", "\"int\":\"\\ud800\""), u"não é JSON válido"_s},
        {"<html><body>OK</body></html>", u"não é JSON válido"_s},
        {R"({"result":{"controle":{"err":false},"conteudo":{"livre":"QUJD"}}})",
         u"\"livre\" deveria ser um objeto"_s},
    };
    for (const Case& c : cases) {
        try {
            if (c.body.contains("livre"))
                saveFileRecordFromAnswer(c.body, folder(), [](const QString&) {});
            else
                saveContentFileFromAnswer(c.body, folder(), QStringLiteral("A.bin"));
            ADD_FAILURE() << "nada foi dito de " << c.body.toStdString();
        } catch (const Exception& e) {
            EXPECT_TRUE(e.message().contains(c.said)) << e.message().toStdString();
            EXPECT_TRUE(e.message().startsWith(u"Resposta inesperada"_s))
                << e.message().toStdString();
        }
    }
    EXPECT_TRUE(leftInFolder().isEmpty());
}

// A disk that fills while the file is received: the message says so and names the file asked
// for; nothing is left on the disk. Needs a small file system of its own (root).
TEST_F(AnswerFilesTest, AFullDiskIsReportedByTheFileAskedFor) {
    const QString mount = dir.filePath(u"cheio"_s);
    QDir().mkpath(mount);
    const QByteArray target = QFile::encodeName(mount);
    if (::geteuid() != 0 ||
        std::system(
            ("mount -t tmpfs -o size=256k tmpfs '" + target + "' 2>/dev/null").constData()) != 0)
        GTEST_SKIP() << "sem um sistema de arquivos pequeno para encher";
    const QString previous = QDir::currentPath();
    QDir::setCurrent(mount);
    const QByteArray big = pseudoRandomBytes(1024 * 1024, 7).toBase64();
    try {
        const QString saved =
            saveContentFileFromAnswer(contentAnswer(big), u"Arquivos"_s, u"x.pdf"_s);
        ADD_FAILURE() << "o disco cheio não foi relatado: " << saved.toStdString();
    } catch (const EFileError& e) {
        EXPECT_EQ(e.message().toStdString(), "Sem espaço em disco ao gravar Arquivos/x.pdf");
    }
    EXPECT_TRUE(QDir(u"Arquivos"_s).entryList(QDir::Files | QDir::Hidden).isEmpty());
    QDir::setCurrent(previous);
    std::system(("umount '" + target + "'").constData());
}

// Only the member the reading picks is saved: the first "str", in the wrapped envelope.
TEST_F(AnswerFilesTest, OnlyThePickedMemberIsSaved) {
    const QByteArray body =
        R"({"conteudo":{"str":"WFhY"},"result":{"controle":{"err":false},"conteudo":{"STR":"Wlla","str":"QUJD","str":"REVG"}}})";
    const QString path = saveContentFileFromAnswer(body, folder(), QStringLiteral("P"));
    EXPECT_EQ(fileBytes(path), QByteArray("ABC"));
    EXPECT_EQ(leftInFolder(), QStringList{QStringLiteral("P")});
}
