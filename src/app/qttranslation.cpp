#include "app/qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

QTranslator* installQtTranslation(QCoreApplication& app) {
    const QStringList folders = {QLibraryInfo::path(QLibraryInfo::TranslationsPath),
                                 u"/usr/share/qt6/translations"_s};
    for (const QString& folder : folders) {
        auto translator = std::make_unique<QTranslator>(&app);
        if (translator->load(u"qtbase_pt_BR"_s, folder)) {
            QCoreApplication::installTranslator(translator.get());
            return translator.release(); // the application is its parent
        }
    }
    return nullptr;
}
