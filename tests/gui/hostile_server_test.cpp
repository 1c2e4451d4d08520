// The window against a hostile or broken server: every answer ends in a clear message (or, for
// a shape the reading does not expect, quietly), and nothing is written outside Arquivos.
#include "../oneshotserver.h"
#include "harness.h"

#include "pages/kit/pagebuilder.h"
#include "pages/kit/readings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <zip.h>

using namespace kit;
using testing_support::OneShotServer;

namespace {

// A ZIP archive of (name, content) entries, deflated, in base64.
std::string zipBase64(const std::vector<std::pair<const char*, QByteArray>>& entries) {
    QTemporaryDir tmp;
    const QString path = QDir(tmp.path()).filePath(QStringLiteral("a.zip"));
    int err = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &err);
    for (const auto& [name, content] : entries) {
        const zip_int64_t i = zip_file_add(
            z, name, zip_source_buffer(z, content.constData(), zip_uint64_t(content.size()), 0), 0);
        zip_set_file_compression(z, zip_uint64_t(i), ZIP_CM_DEFLATE, 9);
    }
    zip_close(z);
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll().toBase64().toStdString();
}

std::string contentStr(const std::string& base64) {
    return R"({"result":{"controle":{"err":false},"conteudo":{"str":")" + base64 + "\"}}}";
}

std::string fileRecord(const std::string& name) {
    return R"({"result":{"controle":{"err":false},"conteudo":{"livre":{"Nome":")" + name +
           R"(","Base64":"QUJD"}}}})";
}

class HostileServerTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
        holder = std::make_unique<QWidget>();
        buildPage(
            Page{.name = QStringLiteral("ts_Hostil"),
                 .controls = {check(QStringLiteral("cb_Comprimir"), QStringLiteral("Comprimir"),
                                    true),
                              line(QStringLiteral("ed_Captcha"), QStringLiteral("Captcha")),
                              image(QStringLiteral("img_Captcha"), QStringLiteral("PNG")),
                              button(QStringLiteral("bt_Captcha"), QStringLiteral("Captcha"),
                                     send(QStringLiteral("TCommerceLocalAPI/ConsultaCNPJCaptcha"),
                                          readings::captcha(QStringLiteral("ConsultaCNPJCaptcha"),
                                                            QStringLiteral("cb_Comprimir"),
                                                            QStringLiteral("img_Captcha"),
                                                            QStringLiteral("ed_Captcha")))),
                              button(QStringLiteral("bt_Arquivo"), QStringLiteral("Arquivo"),
                                     send(QStringLiteral("TCommerceLocalAPI/GeraBoletoPDF"),
                                          readings::saveFileRecord(QStringLiteral("Arquivo"))))}},
            *window, holder.get());
    }
    void press(const QString& button) {
        if (auto* local = holder->findChild<QPushButton*>(button))
            local->click();
        else
            click(button);
    }
    // Every file under the working folder, relative to it.
    QStringList filesWritten() const {
        QStringList files;
        QDirIterator it(workDir.path(), QDir::Files | QDir::Hidden | QDir::System,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(workDir.path()).relativeFilePath(it.next());
        return files;
    }
    std::unique_ptr<QWidget> holder;
};

} // namespace

TEST_F(HostileServerTest, EveryHostileAnswerEndsClearlyAndWritesOnlyIntoArquivos) {
    const QByteArray zeros(16 * 1024 * 1024, '\0');
    const struct {
        const char* what;
        const char* button;
        std::string answer; // served by the stand-in, or raw when `raw`
        bool raw;
        bool reset;
        const char* message; // "" when the answer's shape is only ignored
    } cases[] = {
        {"a name that climbs", "bt_Arquivo", fileRecord("../../fora.txt"), false, false,
         "Nome de arquivo recusado"},
        {"a name with a line break", "bt_Arquivo", fileRecord(R"(a\r\nb.txt)"), false, false,
         "Nome de arquivo recusado"},
        {"a name of dots", "bt_Arquivo", fileRecord("..."), false, false,
         "Nome de arquivo recusado"},
        {"a ZIP bomb", "bt_Captcha", contentStr(zipBase64({{"ConsultaCNPJCaptcha.png", zeros}})),
         false, false, "Arquivo compactado recusado"},
        {"a ZIP entry that climbs", "bt_Captcha", contentStr(zipBase64({{"../../fora.png", "x"}})),
         false, false, "Arquivo compactado recusado"},
        {"a ZIP entry the file functions take from the working folder", "bt_Captcha",
         contentStr(zipBase64({{":fora.png", "x"}})), false, false, "Arquivo compactado recusado"},
        {"a ZIP that is not one", "bt_Captcha", contentStr("QUJDREVGR0g="), false, false,
         "Não foi possível abrir o arquivo compactado"},
        {"a name that turns the text around", "bt_Arquivo", fileRecord(R"(fatura\u202Efdp.exe)"),
         false, false, "Nome de arquivo recusado: \"fatura\\u202Efdp.exe\""},
        {"a name with a line separator", "bt_Arquivo", fileRecord(R"(a\u2028b.txt)"), false, false,
         "Nome de arquivo recusado"},
        {"a body that is not UTF-8", "bt_Arquivo", "\xff\xfe{\"result\":\x80}", false, false,
         "Resposta inesperada"},
        {"a page of HTML with 200", "bt_Arquivo", "<html><body>OK</body></html>", false, false,
         "Resposta inesperada"},
        {"a file record that is a text", "bt_Arquivo",
         R"({"result":{"controle":{"err":false},"conteudo":{"livre":"QUJD"}}})", false, false,
         "Resposta inesperada: \"livre\" deveria ser um objeto"},
        {"an answer nested far too deep", "bt_Arquivo",
         "{\"result\":" + std::string(100'000, '[') + std::string(100'000, ']') + "}", false, false,
         "níveis de listas e objetos"},
        {"a body cut short", "bt_TestarSobre",
         "HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\n{\"result\":", true, false,
         "Socket Error # 10054"},
        {"a connection reset", "bt_TestarSobre", "", true, true, "Socket Error # 10054"},
        {"a 500 with a page of HTML", "bt_TestarSobre",
         "HTTP/1.1 500 Internal Server Error\r\nContent-Type: text/html\r\nContent-Length: 38\r\n"
         "Connection: close\r\n\r\n<html><body><h1>Erro</h1></body></html>",
         true, false, "500 Internal Server Error"},
        {"an answer over the limit", "bt_TestarSobre", std::string(300 * 1024, 'x'), false, false,
         "Resposta grande demais"},
    };
    window->exchange().setMaxAnswerBytes(256 * 1024);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<OneShotServer> raw;
        if (c.raw) {
            raw = std::make_unique<OneShotServer>(c.answer, c.reset);
            setText(QStringLiteral("ed_EnderecoWS"), raw->baseUrl());
        } else {
            setText(QStringLiteral("ed_EnderecoWS"), sim.baseUrl());
            const std::string path = QString::fromLatin1(c.button) == u"bt_Captcha"
                                         ? "TCommerceLocalAPI/ConsultaCNPJCaptcha"
                                     : QString::fromLatin1(c.button) == u"bt_Arquivo"
                                         ? "TCommerceLocalAPI/GeraBoletoPDF"
                                         : "TConexaoAPI/Sobre";
            sim.enqueue(path, sim::Answer{200, c.answer, "application/json"});
        }
        press(QString::fromLatin1(c.button));
        if (*c.message)
            expectMessage(QString::fromUtf8(c.message));
        else
            EXPECT_EQ(shownMessages(), QString());
        for (const QString& file : filesWritten())
            EXPECT_TRUE(file.startsWith(QStringLiteral("Arquivos/"))) << file.toStdString();
        EXPECT_FALSE(QFile::exists(QDir(workDir.path()).filePath(QStringLiteral("../fora.txt"))));
        EXPECT_FALSE(QFile::exists(QDir(workDir.path()).filePath(QStringLiteral("../fora.png"))));
    }
    // Nothing of the refused archives was unpacked; what was saved is what the answers named.
    EXPECT_FALSE(QFile::exists(QStringLiteral("Arquivos/ConsultaCNPJCaptcha.png")));
    EXPECT_EQ(filesWritten(), QStringList{QStringLiteral("Arquivos/ConsultaCNPJCaptcha.zip")});
}

// A file record's name is a bare file name in Arquivos or nothing: a folder separator of either
// kind, a drive, a control character or a name of dots and blanks is refused with the message
// and writes nothing; ordinary names, accents and inner dots included, are saved as named.
TEST_F(HostileServerTest, FileRecordNamesAreBareFileNamesOrRefused) {
    setText(QStringLiteral("ed_EnderecoWS"), sim.baseUrl());
    const struct {
        const char* name;    // JSON text of the name
        const char* savedAs; // "" when refused
    } cases[] = {
        {R"(..\\fora.rem)", ""},
        {R"(sub\\x.rem)", ""},
        {R"(\\fora.rem)", ""},
        {R"(C:\\x.rem)", ""},
        {"C:x.rem", ""},
        {"../fora.rem", ""},
        {"sub/x.rem", ""},
        {"/tmp/fora.rem", ""},
        {R"(a\r\nb.rem)", ""},
        {"..", ""},
        {" . ", ""},
        {"REM.TXT", "REM.TXT"},
        {"a..b.rem", "a..b.rem"},
        {R"(a\u00e7\u00e3o.xml)", "ação.xml"},
        {"nota fiscal.pdf", "nota fiscal.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        sim.enqueue("TCommerceLocalAPI/GeraBoletoPDF",
                    sim::Answer{200, fileRecord(c.name), "application/json"});
        press(QStringLiteral("bt_Arquivo"));
        if (*c.savedAs) {
            EXPECT_EQ(shownMessages(), QString());
            const QString saved = QStringLiteral("Arquivos/") + QString::fromUtf8(c.savedAs);
            EXPECT_EQ(filesWritten(), QStringList{saved});
            QFile::remove(saved);
        } else {
            expectMessage(QStringLiteral("Nome de arquivo recusado"));
            EXPECT_EQ(filesWritten(), QStringList());
        }
    }
}
