#pragma once

#include <QString>
#include <QTabWidget>

#include <vector>

// A tab widget filled in one go. Qt lays its whole bar out again for every tab added, each
// time measuring every tab, so adding n tabs one by one measures n² tabs; a tab set measures
// its bar once, when the last of the tabs is in.
class TabSet : public QTabWidget {
    Q_OBJECT
public:
    struct Tab {
        QWidget* page;
        QString caption;
        QString toolTip;
    };
    explicit TabSet(QWidget* parent = nullptr);
    // Adds the pages after those already there, in order.
    void addTabs(const std::vector<Tab>& tabs);
};
