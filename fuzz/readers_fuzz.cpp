// The readers of answers the window runs on every body: the verdict, the formatted view, and
// both savers of the files answers carry. Any body is read or refused with an error; the view
// stays a small multiple of the body; a saver leaves in its folder nothing but the file it
// saved.
#include "common/exception.h"
#include "common/jsonpretty.h"
#include "exchange/answerfiles.h"
#include "exchange/answerverdict.h"

#include <QDir>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

// What the folder holds once a saver is done: the saved file or nothing.
void expectOnly(const QDir& folder, const QString& saved) {
    const QStringList left =
        folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    if (left.size() > 1 || (left.size() == 1 && folder.filePath(left[0]) != saved))
        std::abort(); // a temporary file was left behind, or a file landed beside the one saved
    QDir(folder).removeRecursively();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir work;
    const QByteArray body(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)readAnswerVerdict(body);

    // Small folds, so that the fuzzer reaches them.
    const QString text = QString::fromUtf8(body);
    const jsonpretty::Formatted view = jsonpretty::format(text, {.base64Fold = 8, .textFold = 64});
    if (view.isJson && view.text.size() > 64 * (text.size() + 16))
        std::abort(); // the view grew out of proportion to the body
    for (const jsonpretty::Fold& fold : view.folds)
        (void)fold.bytes();

    const QDir folder(QDir(work.path()).filePath(QStringLiteral("Arquivos")));
    QString saved;
    try {
        saved = saveContentFileFromAnswer(body, folder.path(), QStringLiteral("conteudo.bin"));
    } catch (const Exception&) {
    }
    expectOnly(folder, saved);
    saved.clear();
    try {
        saved = saveFileRecordFromAnswer(body, folder.path(), [](const QString& name) {
            if (name.contains(u'/') || name.contains(u'\\') || name.startsWith(u'.'))
                throw Exception(QStringLiteral("nome recusado"));
        });
    } catch (const Exception&) {
    }
    expectOnly(folder, saved);
    return 0;
}
