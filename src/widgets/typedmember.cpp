#include "widgets/typedmember.h"

#include "common/exception.h"
#include "common/filehelpers.h"
#include "widgets/busywait.h"
#include "widgets/dialogs.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

namespace {

QTemporaryDir& copies() {
    // Removed, with what it holds, when the program ends.
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/testador-quorva-XXXXXX"));
    return folder;
}

// A name of the member's key, safe as a file name whatever the answer called it.
QString copyName(const jsonpretty::Fold& fold) {
    static int copiesMade = 0;
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9_-]+"));
    QString stem = QString(fold.key).replace(unsafe, QStringLiteral("_")).left(40);
    if (stem.isEmpty() || stem == QStringLiteral("_"))
        stem = QStringLiteral("arquivo");
    return QStringLiteral("%1-%2.%3")
        .arg(stem)
        .arg(++copiesMade)
        .arg(filekind::extension(fold.kind));
}

void writeCopy(const QString& path, const jsonpretty::Fold& fold) {
    writeFileWhole(path, fold.bytes());
}

} // namespace

QString typedMemberFolder() {
    if (!copies().isValid())
        throw Exception(QStringLiteral("Não foi possível criar a pasta temporária do testador: %1")
                            .arg(copies().errorString()));
    return copies().path();
}

void openTypedMember(const jsonpretty::Fold& fold) {
    try {
        const QString path = QDir(typedMemberFolder()).filePath(copyName(fold));
        waitWithoutFreezing(QStringLiteral("Preparando %1…").arg(QDir::toNativeSeparators(path)),
                            [&] {
                                writeCopy(path, fold);
                                return true;
                            });
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
            dialogs().message(QStringLiteral("Nenhum programa do sistema abriu o arquivo %1. "
                                             "Use \"Salvar como…\" para guardá-lo.")
                                  .arg(QDir::toNativeSeparators(path)),
                              Dialogs::Kind::Warning);
    } catch (const ERequestCancelled&) {
        // The user stopped it: the copy was not opened.
    } catch (const Exception& e) {
        dialogs().message(e.message(), Dialogs::Kind::Error);
    }
}
