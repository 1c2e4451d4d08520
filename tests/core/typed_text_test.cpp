#include "common/filekind.h"
#include "common/indexedtext.h"
#include "common/jsonplace.h"
#include "common/jsonpretty.h"
#include "common/xmltext.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using filekind::Kind;

namespace {

std::string base64Of(const QByteArray& bytes) {
    return bytes.toBase64().toStdString();
}

// A file of the given first bytes, long enough to be folded whatever its kind.
QByteArray fileStartingWith(const QByteArray& head, qsizetype size = 300) {
    QByteArray bytes = head;
    while (bytes.size() < size)
        bytes.append(char('a' + bytes.size() % 26));
    return bytes;
}

} // namespace

// The kind comes from the first bytes only; text too short for a mark, or not base64, has
// none.
TEST(FileKind, TellsTheFileByItsFirstBytes) {
    const struct {
        const char* name;
        std::string base64;
        Kind kind;
    } cases[] = {
        {"PDF", base64Of(fileStartingWith("%PDF-1.7\n")), Kind::Pdf},
        {"ZIP", base64Of(fileStartingWith("PK\x03\x04\x14\x00")), Kind::Zip},
        {"empty ZIP", base64Of(QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0')), Kind::Zip},
        {"PNG", base64Of(fileStartingWith("\x89PNG\r\n\x1A\n")), Kind::Png},
        {"JPEG", base64Of(fileStartingWith("\xFF\xD8\xFF\xE0")), Kind::Jpeg},
        {"XML declaration", base64Of(fileStartingWith("<?xml version=\"1.0\"?><a/>")), Kind::Xml},
        {"XML after a byte order mark and blanks",
         base64Of(fileStartingWith("\xEF\xBB\xBF \r\n<NFe xmlns=\"x\">")), Kind::Xml},
        {"other bytes", base64Of(fileStartingWith("GIF89a")), Kind::None},
        {"text that merely has a '<'", base64Of(fileStartingWith("a <b>")), Kind::None},
        {"line breaks of a wrapped base64", "JVBE\r\nRi0x\nLjQK", Kind::Pdf},
        {"short and whole", base64Of("%PDF-"), Kind::Pdf},
        {"short of the mark", base64Of("%PD"), Kind::None},
        {"unpadded", "JVBERi0", Kind::Pdf},
        {"padding inside", "JV==Ri0xLjQK", Kind::None},
        {"not base64", "%PDF-1.7 is not base64 at all", Kind::None},
        {"bad character early", "JVBE*i0xLjQKJVBERi0xLjQK", Kind::None},
        {"empty", "", Kind::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(filekind::ofBase64(c.base64), c.kind);
    }
    EXPECT_EQ(filekind::extension(Kind::Jpeg), u"jpg"_s);
}

// A base64 member that is a file is folded, whatever its length, and named by its type with
// both of its actions; other strings keep the folds they had.
TEST(FileKind, FormattedViewNamesTypedMembers) {
    const QByteArray pdf = fileStartingWith("%PDF-1.4\n", 46285);
    const QByteArray png = fileStartingWith("\x89PNG\r\n\x1A\n", 40);
    const QString json =
        u"{\"Arquivo\":\"%1\",\"lista\":[\"%2\"],\"id\":\"QUJDREVGR0hJSktMTU5PUA==\","
        "\"msg\":\"<b>Erro</b> no campo\"}"_s.arg(QString::fromLatin1(pdf.toBase64()),
                                                  QString::fromLatin1(png.toBase64()));
    const jsonpretty::Formatted f = jsonpretty::format(json);
    ASSERT_TRUE(f.isJson);
    ASSERT_EQ(f.folds.size(), 2u);
    const jsonpretty::Fold& first = f.folds[0];
    EXPECT_EQ(f.text.mid(first.start, first.length), u"[PDF, 45,2 KB — Abrir · Salvar como…]"_s);
    EXPECT_EQ(f.text.mid(first.open.start, first.open.length), u"Abrir"_s);
    EXPECT_EQ(f.text.mid(first.save.start, first.save.length), u"Salvar como…"_s);
    EXPECT_EQ(first.kind, Kind::Pdf);
    EXPECT_EQ(first.key, u"Arquivo"_s);
    EXPECT_EQ(first.bytes(), pdf);
    EXPECT_EQ(f.folds[1].kind, Kind::Png); // short, in an array
    EXPECT_EQ(f.folds[1].key, QString());
    // A short base64 of no known kind and an HTML text stay readable.
    EXPECT_TRUE(f.text.contains(u"\"QUJDREVGR0hJSktMTU5PUA==\""_s));
    EXPECT_TRUE(f.text.contains(u"\"<b>Erro</b> no campo\""_s));
}

// The formatted view of an answer's bytes is that of the text the pane reads them as: accents,
// a folded file, a number beyond a double, bytes that are not UTF-8, a leading byte-order mark.
TEST(FileKind, FormattedViewOfBytesIsThatOfTheirText) {
    const QByteArray pdf = fileStartingWith("%PDF-1.4\n", 5000);
    for (const QByteArray& bytes : {QByteArray(R"({"a":"coração","n":[1e400,-0.5]})"),
                                    QByteArray(R"({"Arquivo":")") + pdf.toBase64() + R"("})",
                                    QByteArray("{\"a\":\"x\xFFy\xC3\"}"),
                                    QByteArray("\xEF\xBB\xBF{\"a\":1}"), QByteArray("[1,")}) {
        SCOPED_TRACE(bytes.left(40).toHex().toStdString());
        const jsonpretty::Formatted fromBytes = jsonpretty::format(bytes);
        const jsonpretty::Formatted fromText = jsonpretty::format(QString::fromUtf8(bytes).prepend(
            bytes.startsWith("\xEF\xBB\xBF") ? u"\uFEFF"_s : QString()));
        EXPECT_EQ(fromBytes.isJson, fromText.isJson);
        EXPECT_EQ(fromBytes.text, fromText.text);
        EXPECT_EQ(fromBytes.error, fromText.error);
        ASSERT_EQ(fromBytes.folds.size(), fromText.folds.size());
        for (std::size_t i = 0; i < fromBytes.folds.size(); ++i)
            EXPECT_EQ(fromBytes.folds[i].bytes(), fromText.folds[i].bytes());
    }
}

// The XML a text holds, unquoted: a member of JSON (as received or as formatted), or a field
// quoted as the fiscal readings quote it.
TEST(XmlText, FindsTheXmlAndUnquotesIt) {
    const QString xml =
        u"<?xml version=\"1.0\"?>\n<nfeProc caminho=\"C:\\notas\\n1\">ç</nfeProc>"_s;
    // As received: escapes of JSON.
    const QString wire =
        uR"({"result":"<?xml version=\"1.0\"?>\n<nfeProc caminho=\"C:\\notas\\n1\">\u00E7</nfeProc>","n":"<"})"_s;
    // The same answer with characters of several bytes before the string, and both read as
    // a QString and as the bytes received.
    for (const QString& answer :
         {wire, u"{\"a\u00E7\u00E3o\":\"\U0001F600\",\"x\":\"\\\"\","_s + wire.mid(1)}) {
        SCOPED_TRACE(answer.left(30).toStdString());
        const IndexedText bytes(answer.toUtf8());
        const auto at = [&](qint64 offset) {
            const auto found = xmltext::stringAt(answer, offset);
            EXPECT_EQ(xmltext::stringAt(bytes, offset), found) << offset;
            return found;
        };
        const qint64 key = answer.indexOf(u"result"_s);
        EXPECT_EQ(at(answer.indexOf(u"nfeProc"_s)), xml);
        EXPECT_EQ(at(answer.indexOf(u"?>"_s)), xml);              // after an escaped quote
        EXPECT_EQ(at(answer.indexOf(u"\",\"n\""_s)), xml);        // its closing quote
        EXPECT_EQ(at(key), std::nullopt);                         // the key
        EXPECT_EQ(at(answer.indexOf(u",\"n\""_s)), std::nullopt); // between
        EXPECT_EQ(at(answer.size() - 3), std::nullopt);           // "<" is not XML
        EXPECT_EQ(at(answer.size()), std::nullopt);
        EXPECT_EQ(at(1), std::nullopt);
    }

    // As the formatted view shows it.
    const QString shown = jsonpretty::format(wire).text;
    EXPECT_EQ(xmltext::stringAt(shown, shown.indexOf(u"nfeProc"_s)), xml);

    // A field: quotes escaped and nothing else, so backslashes stay as they are.
    const QString field = u'"' + QString(xml).replace(u'"', u"\\\""_s) + u'"';
    EXPECT_EQ(xmltext::ofField(field), xml);
    EXPECT_EQ(xmltext::ofField(xml), xml);
    EXPECT_EQ(xmltext::ofField(u"\"abc\""_s), std::nullopt);
    EXPECT_EQ(xmltext::ofField(u"*** VERIFIQUE NO GRID ***"_s), std::nullopt);
}

// JSON that cannot be read is placed by line and column, as an editor counts them.
TEST(JsonPlace, GivesLineAndColumn) {
    EXPECT_EQ(json::whyNotJson("{\"a\": 1,\n  \"b\": }"), u"linha 2, coluna 8: Invalid value"_s);
    EXPECT_EQ(json::whyNotJson("[1]"), QString());
    EXPECT_EQ(json::placeIn("abc", 0), u"linha 1, coluna 1"_s);
    EXPECT_EQ(json::placeIn("a\nb", 2), u"linha 2, coluna 1"_s);
}
