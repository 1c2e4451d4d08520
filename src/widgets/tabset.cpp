#include "widgets/tabset.h"

#include <QTabBar>

namespace {

// While a batch of tabs goes in, the bar gives every tab a nominal size (Qt asks for all of
// them on each insertion); once the batch is in, it is measured for real.
class BatchTabBar : public QTabBar {
public:
    using QTabBar::QTabBar;

    void fill(const std::vector<TabSet::Tab>& tabs, QTabWidget& owner) {
        m_filling = true;
        for (const TabSet::Tab& t : tabs)
            owner.setTabToolTip(owner.addTab(t.page, t.caption), t.toolTip);
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

private:
    bool m_filling = false;
};

} // namespace

TabSet::TabSet(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new BatchTabBar(this));
    setUsesScrollButtons(true);
}

void TabSet::addTabs(const std::vector<Tab>& tabs) {
    static_cast<BatchTabBar*>(tabBar())->fill(tabs, *this);
}
