#include "common/companykeys.h"
#include "common/exception.h"
#include "common/md5.h"
#include "common/texthelpers.h"
#include "common/tjsonutil.h"
#include "exchange/envelope.h"
#include "exchange/signedwire.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

QString expectedSignature(const JsonValue& parametros, int company) {
    const QString letters = LetrasENumeros(QString::fromStdString(json::toSigningText(parametros)));
    return MD5(letters.toLatin1() + RetSenInt(company));
}

} // namespace

TEST(Md5, KnownDigests) {
    EXPECT_EQ(MD5(""), QStringLiteral("D41D8CD98F00B204E9800998ECF8427E"));
    EXPECT_EQ(MD5("abc"), QStringLiteral("900150983CD24FB0D6963F7D28E17F72"));
}

TEST(CompanyKeys, KeyZeroServesCodesOutsideOneToThirteen) {
    CompanyKeys::useDevelopmentKeys();
    EXPECT_EQ(RetSenInt(0).size(), 64);
    EXPECT_EQ(RetSenInt(3),
              QByteArray("39rnv0g*F1C4tcL?Z1Tw-Ye8BMe+Fv?-@V-jdD0c#@?gFepgW0yXyT1ZzEnGCq32"));
    EXPECT_EQ(RetSenInt(14), RetSenInt(0));
    EXPECT_EQ(RetSenInt(-1), RetSenInt(0));
    EXPECT_NE(RetSenInt(13), RetSenInt(0));
}

TEST(Envelope, MembersInOrderAndSignatureOverLettersAndDigits) {
    CompanyKeys::useDevelopmentKeys();
    JsonValue dados = JsonValue::object();
    dados.add("Nome", TJSONUtil::SetStr(QString::fromUtf8("Água \"x\" / y")));
    dados.add("Valor", TJSONUtil::SetDoub(1e20));
    const JsonValue env = buildEnvelope(QStringLiteral("15"), QStringLiteral("3"), dados);
    const std::string wire = json::toWireText(env);
    EXPECT_EQ(
        wire.rfind(
            R"({"Parametros":{"Id":15,"Dados":{"Nome":"\u00C1gua \"x\" \/ y","Valor":1E20}},"Assinatura":")",
            0),
        0u)
        << wire;

    JsonValue parametros = JsonValue::object();
    parametros.add("Id", JsonValue::integer(15));
    parametros.add("Dados", dados);
    // Only "gua", "x", "y" of the string count; the escapes of the wire text do not.
    EXPECT_EQ(LetrasENumeros(QString::fromStdString(json::toSigningText(parametros))),
              QStringLiteral("Id15DadosNomeguaxyValor1E20"));
    EXPECT_EQ(env.find("Assinatura")->toQString(), expectedSignature(parametros, 3));
    // Same data, same session and company: same signature; another company: another one.
    EXPECT_EQ(json::toWireText(buildEnvelope(QStringLiteral("15"), QStringLiteral("3"), dados)),
              wire);
    EXPECT_NE(json::toWireText(buildEnvelope(QStringLiteral("15"), QStringLiteral("4"), dados)),
              wire);
}

TEST(Envelope, SessionIdAndCompanyCodeConversions) {
    const struct {
        const char* typed;
        const char* sent;
    } ids[] = {
        {"abc", "0"},
        {"  42", "42"},
        {"42 ", "0"},
        {"2147483648", "2147483648"},
        {"5000000000", "5000000000"},
        {"-5000000000", "-5000000000"},
        {"9223372036854775807", "9223372036854775807"},
        {"9223372036854775808", "0"},
    };
    for (const auto& c : ids) {
        const JsonValue env = buildEnvelope(QString::fromLatin1(c.typed), QStringLiteral("0"),
                                            JsonValue::string(std::string()));
        EXPECT_EQ(json::toWireText(*env.find("Parametros")),
                  std::string(R"({"Id":)") + c.sent + R"(,"Dados":""})")
            << c.typed;
    }
    try {
        buildEnvelope(QStringLiteral("1"), QStringLiteral("abc"), JsonValue::object());
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("'abc' is not a valid integer value"));
    }
}

TEST(Envelope, LargeDataSignsLikeSmallData) {
    JsonValue dados = JsonValue::object();
    dados.add("XML", JsonValue::string("<a>" + std::string(3'000'000, 'z') + "ção</a>"));
    JsonValue parametros = JsonValue::object();
    parametros.add("Id", JsonValue::integer(1));
    parametros.add("Dados", dados);
    EXPECT_EQ(signParametros(parametros, 5), expectedSignature(parametros, 5));
}

TEST(CompanyKeys, KeyFileReplacesKeysAndMalformedFilesAreRefused) {
    QTemporaryDir dir;
    auto write = [&](const QString& name, const QByteArray& content) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        return f.fileName();
    };
    QByteArray good;
    for (int i = 0; i < 14; ++i)
        good += QByteArray(64, char('A' + i)) + "\r\n";
    CompanyKeys::loadFile(write("good.txt", good));
    EXPECT_FALSE(CompanyKeys::usingDevelopmentKeys());
    EXPECT_EQ(RetSenInt(2), QByteArray(64, 'C'));

    const QByteArray secretLine = QByteArray(63, 'S');
    const QByteArray bad = good.left(66 * 3) + secretLine + "\n" + good.mid(66 * 4);
    try {
        CompanyKeys::loadFile(write("bad.txt", bad));
        ADD_FAILURE();
    } catch (const Exception& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("linha 4"))) << e.what();
        EXPECT_FALSE(e.message().contains(QString::fromLatin1(secretLine))); // never shows a key
    }
    EXPECT_EQ(RetSenInt(2), QByteArray(64, 'C')); // keys in use unchanged
    EXPECT_THROW(CompanyKeys::loadFile(write("short.txt", good.left(66 * 13))), Exception);
    // A file saved with the UTF-8 byte-order mark, as some editors write it, is read alike.
    CompanyKeys::loadFile(write("bom.txt", "\xEF\xBB\xBF" + good.replace('C', 'c')));
    EXPECT_EQ(RetSenInt(2), QByteArray(64, 'c'));
    CompanyKeys::useDevelopmentKeys();
}

// Only a regular file is read, and only so far: a device never ends and a pipe without a
// writer would block the open for ever.
TEST(CompanyKeys, OnlyABoundedRegularFileIsRead) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QFile big(dir.filePath(QStringLiteral("big.txt")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(1024 * 1024, 'A'));
    big.close();
    for (const QString& path : {QStringLiteral("/dev/zero"), fifo, dir.path(), big.fileName()}) {
        try {
            CompanyKeys::loadFile(path);
            ADD_FAILURE() << path.toStdString();
        } catch (const Exception& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("Arquivo de chaves recusado")))
                << e.what();
        }
    }
    EXPECT_TRUE(CompanyKeys::usingDevelopmentKeys());
}

// A key file others can read is used, with one warning on standard error; the warning stays
// available for the window.
TEST(CompanyKeys, KeyFileReadableByOthersIsWarnedAboutOnce) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("chaves.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (int i = 0; i < 14; ++i)
        f.write(QByteArray(64, char('a' + i)) + "\n");
    f.close();
    ASSERT_EQ(::chmod(QFile::encodeName(f.fileName()).constData(), 0600), 0);
    testing::internal::CaptureStderr();
    CompanyKeys::loadFile(f.fileName());
    EXPECT_EQ(CompanyKeys::permissionWarning(), QString());
    ASSERT_EQ(::chmod(QFile::encodeName(f.fileName()).constData(), 0644), 0);
    CompanyKeys::loadFile(f.fileName());
    CompanyKeys::loadFile(f.fileName());
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(CompanyKeys::permissionWarning().contains(QStringLiteral("chmod 600")));
    EXPECT_EQ(RetSenInt(1), QByteArray(64, 'b'));
    const auto first = err.find("chmod 600");
    EXPECT_NE(first, std::string::npos) << err;
    EXPECT_EQ(err.find("chmod 600", first + 1), std::string::npos) << err;
    CompanyKeys::useDevelopmentKeys();
    EXPECT_EQ(CompanyKeys::permissionWarning(), QString());
}

namespace {
class CollectingSink : public json::TextSink {
public:
    void write(std::string_view chunk) override {
        text.append(chunk);
        ++pieces;
    }
    std::string text;
    int pieces = 0;
};

// The envelope written straight from the text's bytes (given in memory of exactly their size, so
// that a reading past their end is caught); nothing when the text is not taken that way.
std::optional<std::string> signedFromBytes(const std::string& text, const QString& company) {
    const std::unique_ptr<char[]> bytes(new char[text.size()]);
    std::memcpy(bytes.get(), text.data(), text.size());
    CollectingSink sink;
    if (!writeSignedEnvelope(DadosText{std::string_view(bytes.get(), text.size()), {}},
                             QStringLiteral("1001"), company, sink))
        return std::nullopt;
    return sink.text;
}

// The envelope written straight from the bytes is the one built as a value from the parsed text.
void expectSameEnvelope(const std::string& text) {
    json::ParseResult parsed = json::parse(text);
    ASSERT_TRUE(parsed.value);
    for (const QString& company : {QStringLiteral("0"), QStringLiteral("7")}) {
        const std::optional<std::string> fast = signedFromBytes(text, company);
        ASSERT_TRUE(fast);
        EXPECT_EQ(*fast,
                  json::toWireText(buildEnvelope(QStringLiteral("1001"), company, *parsed.value)));
    }
}

void expectNotTaken(const std::string& text) {
    EXPECT_FALSE(signedFromBytes(text, QStringLiteral("0")));
}
} // namespace

// Written straight from the data's bytes, the envelope is byte for byte the one built as a value
// from the parsed data, for every kind of string content; texts read otherwise by the general
// way are left to it.
TEST(Envelope, WrittenFromTheDataBytesIsTheEnvelopeBuiltFromTheValue) {
    const std::string large = std::string(300000, 'x') + "\\/Ç\\u00e9\\n" + std::string(70000, '9');
    const std::string cases[] = {
        R"({"CNPJ":"11222333000181","XML":"<a>\r\n\"x\"</a>"})",
        R"({"s":"barra / e \/ e \\ e \" e \b\f\n\r\t"})",
        R"({"u":"\u0041\u00e9\u20AC\uD83D\uDE00\u0000\u001f\u007f\u002F\u005c\u0022\u000A"})",
        "{\"utf8\":\"açúcar € 😀 \x7f"
        "Z1\",\"chave é\":\"v\"}",
        R"({"n":[1,-2.5e3,"texto",{"x":"y","":""},[],{}],"t":true,"f":false,"z":null})",
        R"({"dup":"a","dup":"b","vazio":"","obj":{"inner":{"deep":"z\/z"}}})",
        R"({"k\u00e9y\n\/":"chave com escapes","\u0000":0})",
        R"("só uma string")",
        R"([ "a" , {"b" : "c"} ])",
        "  {\"espaço\" : \"antes\" }  ",
        "{\"big\":\"" + large + "\",\"after\":\"ok\"}",
        R"(12)",
        R"(null)",
    };
    std::vector<std::string> texts(std::begin(cases), std::end(cases));
    // Every kind of byte the writing stops at, at every place around the sixteen bytes it
    // reads at once.
    for (std::size_t before = 0; before <= 40; ++before)
        texts.push_back("{\"a\":\"" + std::string(before, 'x') + "ç\\\"\\u00e9/€😀\\n" +
                        std::string(before % 17, 'y') + "\"}");
    for (const std::string& text : texts) {
        SCOPED_TRACE(text.substr(0, 200));
        expectSameEnvelope(text);
    }
    for (const char* text : {R"({"a":"\uDC00"})", R"({"a":"\uD800x"})", R"({"a":"\uD800\u0041"})",
                             R"({"a":"\q"})", "{\"a\":\"\x01\"}", R"({"a":)", R"({"a":"b")", "",
                             "{\"a\":\"\xC3\"}", "{\"a\":\"\xED\xA0\x80\"}", "{} x", "[1,]"}) {
        SCOPED_TRACE(text);
        expectNotTaken(text);
    }
    // A zero byte ends the reading early: the general way decides.
    expectNotTaken(std::string("{\"a\":1}\0 ", 9));
    // Bytes that are not UTF-8 anywhere (a name, outside strings, or deep into a long string at
    // every place around the bytes read at once) are left to the general reading, which
    // repairs them.
    for (const std::string bad : {"\xC3", "\xED\xA0\x80", "\xFF", "\xC3\x41", "\xF4\x90\x80\x80"}) {
        SCOPED_TRACE(QByteArray::fromStdString(bad).toHex().constData());
        expectNotTaken("{\"" + bad + "\":\"x\"}");
        expectNotTaken("[1," + bad + "]");
        for (std::size_t before = 0; before <= 40; ++before)
            expectNotTaken("{\"a\":\"" + std::string(before, 'x') + bad +
                           std::string(before % 3, 'y') + "\"}");
    }
    // The company code is converted before anything is written.
    CollectingSink sink;
    EXPECT_THROW(writeSignedEnvelope(DadosText{R"({"a":"b"})", {}}, QStringLiteral("1"),
                                     QStringLiteral("x"), sink),
                 Exception);
    EXPECT_TRUE(sink.text.empty());
}

namespace {

// Data shaped as requests are: nested objects and lists, many short members, accents, numbers
// of every form, and a file's long base64.
std::string nested(int depth) {
    std::string open, close;
    for (int i = 0; i < depth; ++i) {
        open +=
            i % 2 ? "[\"nível " + std::to_string(i) + "\"," : "{\"n" + std::to_string(i) + "\":";
        close.insert(0, i % 2 ? "]" : "}");
    }
    return open + "\"fundo ç\"" + close;
}

std::string manyMembers(int count) {
    std::string s = "{";
    for (int i = 0; i < count; ++i)
        s += (i ? ",\"campo" : "\"campo") + std::to_string(i) + "\":" +
             (i % 3 == 0   ? "\"valor " + std::to_string(i) + "\""
              : i % 3 == 1 ? std::to_string(i * 37) + "." + std::to_string(i % 100)
                           : std::string(i % 2 ? "true" : "null"));
    return s + "}";
}

std::string accents() {
    return R"({"Razão Social":"Padaria São João Ltda","Endereço":{"Logradouro":"Av. Brasília, nº 12",)"
           R"("Município":"Goiânia","Complemento":"Próximo à estação — bloco Ç"},"Observação":)"
           R"("Pão de açúcar, maçã, coração; “aspas” € ™ 😀 𝄞","Ãé":["ü","Æ","ß","ñ"]})";
}

std::string numbers() {
    return R"({"i":[0,-0,7,-12,2147483648,-9223372036854775809,123456789012345678901234567890],)"
           R"("d":[0.5,-2.50,1e3,1E+300,-1.5e-300,3.14159265358979323846264338327950288],)"
           R"("dinheiro":{"vProd":4.99,"vDesc":0.00,"qCom":1.0000}})";
}

std::string longBase64(std::size_t bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string b64;
    b64.reserve(bytes);
    uint32_t x = 12345;
    for (std::size_t i = 0; i < bytes; ++i) {
        x = x * 1103515245 + 12345;
        b64 += kAlphabet[(x >> 16) % 64];
    }
    return R"({"Arquivo":{"Nome":"nota.pdf","Base64":")" + b64 + R"("},"Tamanho":)" +
           std::to_string(bytes) + "}";
}

std::string items(int count) {
    std::string s = R"({"CNPJ":"11222333000181","Itens":[)";
    for (int i = 0; i < count; ++i)
        s += std::string(i ? "," : "") + R"({"nItem":)" + std::to_string(i + 1) + R"(,"cProd":"P)" +
             std::to_string(1000 + i) + R"(","xProd":"AÇÚCAR CRISTAL 1KG – lote \/)" +
             std::to_string(i) +
             R"(","NCM":"17019900","CFOP":"5102","uCom":"UN","qCom":2.0000,"vUnCom":4.99,)"
             R"("vProd":9.98,"imposto":{"ICMS":{"orig":0,"CST":"00","pICMS":18.00},)"
             R"("PIS":{"CST":"01","vPIS":0.16}},"obs":null,"ativo":true})";
    return s + "]}";
}

} // namespace

// The envelope written straight from the bytes is the one built from the value, for each shape
// of data users send.
TEST(Envelope, WrittenFromTheBytesForEveryShapeOfData) {
    const struct {
        const char* shape;
        std::string text;
    } shapes[] = {
        {"nested 40 levels", nested(40)},
        {"nested to the deepest level taken", nested(json::kMaxDepth)},
        {"many members", manyMembers(5000)},
        {"accents in names and values", accents()},
        {"numbers of every form", numbers()},
        {"long base64 of a file", longBase64(3 * 1024 * 1024 + 7)},
        {"items of a sale", items(2000)},
        {"all of it together", "[" + nested(20) + "," + manyMembers(300) + "," + accents() + "," +
                                   numbers() + "," + longBase64(70000) + "," + items(50) + "]"},
    };
    for (const auto& s : shapes) {
        SCOPED_TRACE(s.shape);
        expectSameEnvelope(s.text);
    }
    // Deeper than the readers take: left to the general reading, which refuses it.
    expectNotTaken(nested(json::kMaxDepth + 1));
    EXPECT_FALSE(json::parse(nested(json::kMaxDepth + 1)).value);
}

// What is done with is told in order, once, and all of it: the owner may give it back.
TEST(Envelope, EveryPartOfTheDataIsToldDoneWithOnceInOrder) {
    const std::string text = items(20000); // several mebibytes
    std::size_t toldBytes = 0;
    int parts = 0;
    const char* next = text.data();
    bool inOrder = true;
    const DadosText dados{text, [&](std::string_view part) {
                              inOrder = inOrder && part.data() == next;
                              next = part.data() + part.size();
                              toldBytes += part.size();
                              ++parts;
                          }};
    CollectingSink sink;
    ASSERT_TRUE(writeSignedEnvelope(dados, QStringLiteral("1"), QStringLiteral("0"), sink));
    EXPECT_TRUE(inOrder);
    EXPECT_EQ(toldBytes, text.size());
    EXPECT_GT(parts, 2);
}
