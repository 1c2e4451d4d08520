#include "widgets/tabset.h"

#include <QHelpEvent>
#include <QTabBar>

namespace {

// While a batch of tabs goes in, the bar gives every tab a nominal size (Qt asks for all of
// them on each insertion); once the batch is in, it is measured for real.
class BatchTabBar : public QTabBar {
public:
    explicit BatchTabBar(TabSet& owner) : QTabBar(&owner), m_owner(owner) {}

    void fill(const std::vector<TabSet::Tab>& tabs) {
        m_filling = true;
        for (const TabSet::Tab& t : tabs)
            m_owner.addTab(t.page, t.caption);
        m_filling = false;
        // Setting a tab's text lays the bar out anew (at once if shown, else when it shows).
        if (count() > 0)
            setTabText(0, tabText(0));
    }

protected:
    QSize tabSizeHint(int index) const override {
        return m_filling ? QSize(1, 1) : QTabBar::tabSizeHint(index);
    }
    QSize minimumTabSizeHint(int index) const override {
        return m_filling ? QSize(1, 1) : QTabBar::minimumTabSizeHint(index);
    }
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ToolTip) {
            const int index = tabAt(static_cast<QHelpEvent*>(event)->pos());
            if (index >= 0)
                m_owner.tabToolTipOf(index); // in place before the bar shows it
        }
        return QTabBar::event(event);
    }

private:
    TabSet& m_owner;
    bool m_filling = false;
};

} // namespace

TabSet::TabSet(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new BatchTabBar(*this));
    setUsesScrollButtons(true);
}

void TabSet::addTabs(const std::vector<Tab>& tabs) {
    for (const Tab& t : tabs)
        if (t.toolTip)
            m_toolTipsToAsk.insert(t.page, t.toolTip);
    static_cast<BatchTabBar*>(tabBar())->fill(tabs);
}

QString TabSet::tabToolTipOf(int index) {
    if (const auto ask = m_toolTipsToAsk.take(widget(index)))
        setTabToolTip(index, ask());
    return tabToolTip(index);
}
