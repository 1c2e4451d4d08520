#include "harness.h"
#include "simhelpers.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace {

class AnswerSaveTest : public WindowTest {
protected:
    const QString button = QStringLiteral("bt_ArquivoRemessaCNAB");
    const std::string path = "TCommerceAPI/ArquivoRemessaCNAB";

    static QByteArray contents(const QString& name) {
        QFile f(QStringLiteral("Arquivos/") + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    static QStringList outputFiles() {
        return QDir(QStringLiteral("Arquivos")).entryList(QDir::Files | QDir::Hidden);
    }
};

QByteArray sample(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((i * 131) ^ (i >> 9));
    return bytes;
}

} // namespace

// An answer large enough to be read on the helper thread: the file holds exactly the decoded
// bytes, and nothing else is left in the output folder.
TEST_F(AnswerSaveTest, ALargeFileIsSavedWholeFromTheHelperThread) {
    const QByteArray data = sample(3 * 1024 * 1024 + 2);
    sim.enqueue(path, sim::fileRecord(QStringLiteral("GRANDE.REM"), data, {}));
    click(button);
    EXPECT_EQ(contents(QStringLiteral("GRANDE.REM")), data);
    EXPECT_EQ(outputFiles(), QStringList{QStringLiteral("GRANDE.REM")});
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
}

// A saved file is announced in the status line, with the way to open it and its folder.
TEST_F(AnswerSaveTest, TheSavedFileIsAnnouncedInTheStatusLine) {
    sim.enqueue(path, sim::fileRecord(QStringLiteral("REMESSA.REM"), sample(12700), {}));
    click(button);
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lb_Troca"))->text(),
              QStringLiteral("Salvo: Arquivos/REMESSA.REM · 12,4 KB"));
    EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("bt_AbrirArquivoSalvo"))
                    ->isVisibleTo(window.get()));
    EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("bt_AbrirPastaArquivoSalvo"))
                    ->isVisibleTo(window.get()));
    // The next exchange takes the line back.
    click(QStringLiteral("bt_TestarSobre"));
    EXPECT_FALSE(window->findChild<QPushButton*>(QStringLiteral("bt_AbrirArquivoSalvo"))
                     ->isVisibleTo(window.get()));
}

// A large text that turns out not to be base64 near its end is reported, and the file saved
// before stays as it was, with no piece of the new one beside it.
TEST_F(AnswerSaveTest, ABrokenLargeFileLeavesThePreviousOneAlone) {
    QDir().mkpath(QStringLiteral("Arquivos"));
    fixture(QStringLiteral("Arquivos/GRANDE.REM"), "antigo");
    sim::Answer answer = sim::fileRecord(QStringLiteral("GRANDE.REM"), sample(3 * 1024 * 1024), {});
    const std::size_t text = answer.body.find("\"Base64\":\"");
    ASSERT_NE(text, std::string::npos);
    const std::size_t at = answer.body.find('"', text + 10); // the text's closing quote
    answer.body.replace(at - 4, 4, "*!*!");
    sim.enqueue(path, answer);
    click(button);
    expectMessage(QStringLiteral("não é base64 válido"));
    EXPECT_EQ(contents(QStringLiteral("GRANDE.REM")), QByteArray("antigo"));
    EXPECT_EQ(outputFiles(), QStringList{QStringLiteral("GRANDE.REM")});
}
