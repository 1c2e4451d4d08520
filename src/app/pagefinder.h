#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QLineEdit;
class QListWidget;
struct PageNode;

// What the finder knows of one page: its tab, where it sits and what it calls.
struct FinderEntry {
    QString objectName;   // the tab's object name, what selectPage takes
    QString caption;      // the text on its tab
    QString where;        // the captions of the tabs above it, "ts_TNFeAPI"
    QStringList services; // the service paths its buttons call
    QStringList captions; // the captions of its buttons and group boxes
};

// Every page of the tree, with the service paths and captions its declaration gives.
std::vector<FinderEntry> finderEntries(const std::vector<PageNode>& tree);

// The entries that hold every word of the query (case and accents ignored) in their name,
// caption, group, service paths or captions; the pages whose name or service holds the whole
// query come first, the rest keep the tree's order.
std::vector<const FinderEntry*> findPages(const std::vector<FinderEntry>& entries,
                                          const QString& query);

// The Ctrl+K search: a field and the pages it matches as the user types; Enter (or a click)
// shows the chosen page, Escape closes it.
class PageFinder : public QFrame {
    Q_OBJECT
public:
    using Select = std::function<bool(const QString& objectName)>;
    PageFinder(std::vector<FinderEntry> entries, Select select, QWidget* window);

    // Shows the finder over the top of the window, with the field empty and focused.
    void open();
    QLineEdit* field() const { return m_field; }
    QListWidget* results() const { return m_results; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void jump();

    std::vector<FinderEntry> m_entries;
    Select m_select;
    QWidget* m_window;
    QLineEdit* m_field;
    QListWidget* m_results;
};
