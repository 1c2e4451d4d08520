// Every tab of the window opens a built page (never the placeholder of a missing one).
// QUORVA_SCREENSHOTS names a folder that receives a picture of the window on each page.
#include "harness.h"

#include "pages/registry.h"

#include <QApplication>
#include <QDir>
#include <QLabel>

using namespace Qt::StringLiterals;

TEST_F(WindowTest, EveryTabOpensItsPage) {
    const QString shots = qEnvironmentVariable("QUORVA_SCREENSHOTS");
    for (const auto& [name, page] : declaredPages()) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(window->selectPage(name));
        ASSERT_TRUE(window->isBuilt(name));
        for (const QLabel* label : window->findChild<QWidget*>(name)->findChildren<QLabel*>())
            EXPECT_FALSE(label->text().startsWith(u"Página ainda não disponível"_s));
        if (!shots.isEmpty()) {
            QApplication::processEvents(); // lay the page out before the picture
            window->grab().save(QDir(shots).filePath(name + u".png"_s));
        }
    }
    EXPECT_GE(declaredPages().size(), 160u);
}
