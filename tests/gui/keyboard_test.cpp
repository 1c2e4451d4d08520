// Every page can be filled and sent with the keyboard alone: Tab reaches its fields and buttons
// in the order they are declared, and every field is named by its label.
#include "harness.h"

#include "pages/registry.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;
using kit::Control;
using kit::WidgetKind;

namespace {

// Every declared control (and the button beside a field, a grid's navigator) with its place in
// the declaration.
void flatten(const std::vector<Control>& controls, std::map<QString, int>& order,
             std::vector<const Control*>& all) {
    for (const Control& c : controls) {
        order.emplace(c.name, int(order.size()));
        all.push_back(&c);
        if (!c.buddyButton.isEmpty())
            order.emplace(c.buddyButton, int(order.size()));
        if (!c.navigator.isEmpty()) // a grid's navigator comes with it
            order.emplace(c.navigator, int(order.size()));
        flatten(c.children, order, all);
    }
}

// A control the user has to be able to reach with Tab.
bool mustBeReached(const Control& c) {
    switch (c.widget) {
    case WidgetKind::Line:
    case WidgetKind::Password:
    case WidgetKind::Memo:
    case WidgetKind::ComboList:
    case WidgetKind::ComboEditable:
    case WidgetKind::EnumCombo:
    case WidgetKind::Check:
    case WidgetKind::Spin:
    case WidgetKind::Date:
    case WidgetKind::DateTime:
    case WidgetKind::ListBox:
    case WidgetKind::Grid:
    case WidgetKind::Button:
        return true;
    default: // a radio button is reached through the chosen one of its set
        return false;
    }
}

bool isTabStop(const QWidget* w, const QWidget* window) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isVisibleTo(window) &&
           w->isEnabled() && !w->focusProxy();
}

} // namespace

class KeyboardTest : public WindowTest {
protected:
    // The declared controls Tab stops at on the page as shown, in the order it stops there.
    std::vector<QString> tabStops(QWidget* page, const std::map<QString, int>& order) {
        std::vector<QString> stops;
        QWidget* w = page;
        do {
            w = w->nextInFocusChain();
            if (!page->isAncestorOf(w) || !isTabStop(w, window.get()))
                continue;
            for (QWidget* a = w; a && a != page; a = a->parentWidget())
                if (order.count(a->objectName())) {
                    if (stops.empty() || stops.back() != a->objectName())
                        stops.push_back(a->objectName());
                    break;
                }
        } while (w != page);
        return stops;
    }

    void checkTabOrder(const QString& name, QWidget* page, const std::map<QString, int>& order,
                       const std::vector<const Control*>& all) {
        const std::vector<QString> stops = tabStops(page, order);
        for (std::size_t i = 1; i < stops.size(); ++i)
            EXPECT_LT(order.at(stops[i - 1]), order.at(stops[i]))
                << name.toStdString() << ": " << stops[i - 1].toStdString() << " before "
                << stops[i].toStdString();
        for (const Control* c : all) {
            QWidget* w = window->findControl(c->name);
            if (!mustBeReached(*c) || !w || !w->isVisibleTo(window.get()) || !w->isEnabled())
                continue;
            EXPECT_NE(std::find(stops.begin(), stops.end(), c->name), stops.end())
                << name.toStdString() << ": Tab never reaches " << c->name.toStdString();
        }
    }
};

TEST_F(KeyboardTest, TabFollowsTheDeclarationAndLabelsNameTheirFields) {
    for (const auto& [name, page] : declaredPages()) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_TRUE(window->selectPage(name));
        QWidget* root = window->findChild<QWidget*>(name);
        ASSERT_NE(root, nullptr);
        std::map<QString, int> order;
        std::vector<const Control*> all;
        flatten(page.controls, order, all);

        for (const Control* c : all) {
            if (c->label.isEmpty() || c->widget == WidgetKind::Group ||
                c->widget == WidgetKind::Tabs || c->widget == WidgetKind::RadioGroup)
                continue;
            const QString labelName = c->labelName.isEmpty() ? u"lb_"_s + c->name : c->labelName;
            const auto* label = root->findChild<QLabel*>(labelName);
            ASSERT_NE(label, nullptr) << labelName.toStdString();
            EXPECT_EQ(label->buddy(), window->findControl(c->name)) << c->name.toStdString();
        }

        checkTabOrder(name, root, order, all);
        // Every tab of every tab set in turn.
        for (QTabWidget* tabs : root->findChildren<QTabWidget*>()) {
            const int shown = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                checkTabOrder(name + u" / "_s + tabs->tabText(i), root, order, all);
            }
            tabs->setCurrentIndex(shown);
        }
    }
}

// Typed into, tabbed through and pressed with Space: the request goes out with what was typed.
TEST_F(KeyboardTest, APageIsFilledAndSentWithKeysAlone) {
    window->selectPage(u"ts_CancelarNFe"_s);
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget* filial = window->findControl(u"ed_FilialCancelarNFe"_s);
    filial->setFocus(Qt::TabFocusReason);
    QTest::keyClick(filial, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(filial, u"002"_s);
    QTest::keyClick(filial, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->findControl(u"ed_CNPJCancelarNFe"_s));
    QWidget* button = window->findControl(u"bt_TestarCancelarNFe"_s);
    for (int i = 0; i < 40 && QApplication::focusWidget() != button; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), button);
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !received().empty(); }, 5000));
    EXPECT_EQ(sentDados().find("FILIAL")->toQString(), u"002"_s);
}

// The action below a tall tab set, or below a batch's grid once the batch mode is chosen, stands
// below the part of the page that scrolls: at 1366×768 it is seen without scrolling.
TEST_F(KeyboardTest, ActionBelowATallPartIsInSight) {
    struct Case {
        QString page, modeGroup, button;
    };
    for (const Case& c : {
             Case{u"ts_ProcessaNotaDeTransferencia"_s, {}, u"bt_ProcessaNotaDeTransferencia"_s},
             Case{u"ts_InutilizaCTe"_s, u"rg_InutilizaCTeTipo"_s, u"bt_TestarInutilizaCTe"_s},
             Case{u"ts_InutilizaSEFAZ"_s, u"rg_InutilizaSEFAZTipo"_s, u"bt_TestarInutilizaSEFAZ"_s},
             Case{u"tsRegerarXMLNaGuarda"_s, u"rg_RegerarXMLNaGuardaTipo"_s,
                  u"bt_RegerarXMLNaGuardaXML"_s},
         }) {
        SCOPED_TRACE(c.page.toStdString());
        window->resize(1366, 740);
        ASSERT_TRUE(window->selectPage(c.page));
        if (!c.modeGroup.isEmpty()) {
            const auto radios = window->findControl(c.modeGroup)->findChildren<QRadioButton*>();
            ASSERT_GE(radios.size(), 2);
            radios[1]->click(); // the batch
        }
        QApplication::processEvents();
        QWidget* button = window->findControl(c.button);
        ASSERT_TRUE(button->isVisible());
        EXPECT_EQ(button->visibleRegion().boundingRect(), button->rect());
    }
}
