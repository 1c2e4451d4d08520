#pragma once

#include <QHash>
#include <QString>
#include <QTabWidget>

#include <functional>
#include <vector>

// A tab widget filled in one go. Qt lays its whole bar out again for every tab added, each
// time measuring every tab, so adding n tabs one by one measures n² tabs; a tab set measures
// its bar once, when the last of the tabs is in. A tab's tooltip is asked for the first time
// the pointer rests on the tab (or tabToolTipOf() asks), so that what it tells need not be at
// hand before.
class TabSet : public QTabWidget {
    Q_OBJECT
public:
    struct Tab {
        QWidget* page;
        QString caption;
        std::function<QString()> toolTip; // none: no tooltip
    };
    explicit TabSet(QWidget* parent = nullptr);
    // Adds the pages after those already there, in order.
    void addTabs(const std::vector<Tab>& tabs);
    // The tooltip of the tab at this index, asked for now if it has not been yet.
    QString tabToolTipOf(int index);

private:
    QHash<QWidget*, std::function<QString()>> m_toolTipsToAsk;
};
