#include "harness.h"

#include "widgets/largetextview.h"
#include "widgets/textpane.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

// One notch of the wheel turned over the middle of the control.
void turnWheel(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QWheelEvent wheel(at, w->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &wheel);
}

QString valueOf(QWidget* w) {
    if (auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    return qobject_cast<QAbstractSpinBox*>(w)->text();
}

} // namespace

// The wheel passing over a list, spin box or date picker leaves it as it was; once the
// control has the focus, the wheel changes it.
TEST_F(WindowTest, WheelChangesOnlyTheFocusedControl) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(window->selectPage(u"ts_GeraBoleto"_s));
    std::vector<QWidget*> controls{find<QComboBox>(u"ed_GeraBoletoSacadoTipo"_s)};
    for (QWidget* w : controls) {
        SCOPED_TRACE(w->objectName().toStdString());
        QWidget* page = w->parentWidget();
        while (page && !window->selectPage(page->objectName()))
            page = page->parentWidget();
        window->findChild<QWidget*>(u"ed_Id"_s)->setFocus();
        // From the first item, one notch down has somewhere to go.
        if (auto* combo = qobject_cast<QComboBox*>(w))
            combo->setCurrentIndex(0);
        const QString before = valueOf(w);
        turnWheel(w);
        EXPECT_EQ(valueOf(w), before);
        EXPECT_FALSE(w->hasFocus());
        w->setFocus();
        ASSERT_TRUE(w->hasFocus());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            combo->setCurrentIndex(0);
        const QString focused = valueOf(w);
        turnWheel(w);
        EXPECT_NE(valueOf(w), focused);
    }
}

// A multi-line field says how Enter and Shift+Enter behave, and Shift+Enter breaks the line.
TEST_F(WindowTest, MultiLineFieldsTellHowEnterBehaves) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* memo = find<QPlainTextEdit>(u"mm_EnviaEmailMensagem"_s);
    ASSERT_NE(memo, nullptr);
    const QString keys = u"Enter: próximo campo · Shift+Enter: nova linha"_s;
    EXPECT_EQ(memo->placeholderText(), keys);
    EXPECT_EQ(memo->toolTip(), keys);
    for (QWidget* page = memo->parentWidget(); page; page = page->parentWidget())
        if (window->selectPage(page->objectName()))
            break;
    memo->setPlainText(QString());
    memo->setFocus();
    QTest::keyClicks(memo, u"a"_s);
    QTest::keyClick(memo, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClicks(memo, u"b"_s);
    EXPECT_EQ(memo->toPlainText(), u"a\nb"_s);
}

// Assistive technology reads a pane's text, selection and caret, and can select in it.
TEST_F(WindowTest, PaneTextIsReadByAssistiveTechnology) {
    auto* pane = window->findChild<TextPane*>(u"mm_Response"_s);
    ASSERT_NE(pane, nullptr);
    pane->setText(u"{\"result\":\"Olá\"}\nfim"_s);
    LargeTextView* view = pane->view();
    QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(view);
    ASSERT_NE(a11y, nullptr);
    QAccessibleTextInterface* text = a11y->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->characterCount(), view->text().size());
    EXPECT_EQ(text->text(0, text->characterCount()), view->text());
    EXPECT_EQ(a11y->text(QAccessible::Value), view->text());
    EXPECT_EQ(text->text(11, 14), u"Olá"_s);
    EXPECT_TRUE(a11y->state().readOnly);

    view->select(11, 3);
    EXPECT_EQ(text->selectionCount(), 1);
    int start = -1;
    int end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(start, 11);
    EXPECT_EQ(end, 14);
    EXPECT_EQ(text->cursorPosition(), 14);

    text->setSelection(0, 17, 20);
    EXPECT_EQ(view->selectedText(), u"fim"_s);
    text->removeSelection(0);
    EXPECT_EQ(text->selectionCount(), 0);
    text->setCursorPosition(2);
    EXPECT_EQ(text->cursorPosition(), 2);
}
