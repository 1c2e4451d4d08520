#pragma once

#include <QFrame>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QListWidget;
struct PageNode;

// What the finder knows of one page: its tab, where it sits, what it does and what it calls.
struct FinderEntry {
    QString objectName;   // the tab's object name, what selectPage takes
    QString caption;      // the text on its tab
    QString where;        // the captions of the tabs above it, "ts_TNFeAPI"
    QString description;  // what the page's service does
    QStringList services; // the service paths its buttons call
    QStringList captions; // the captions of its buttons and group boxes
    QStringList labels;   // the labels of its fields
    QStringList keys;     // the keys of its Dados
};

// Every page of the tree, with what its declaration says of itself.
std::vector<FinderEntry> finderEntries(const std::vector<PageNode>& tree);

// The entries that hold every word of the query (case, accents and hyphens ignored) in their
// name, caption, group, description, service paths, captions, labels or keys; a word also
// matches a description word of the same stem ("cancelar" finds "Cancela"). Pages whose
// description holds the words as whole words come first, then those whose description holds
// their stems; a word in the page's name or service paths counts less, the whole query there
// decides a tie; ties left keep the tree's order.
std::vector<const FinderEntry*> findPages(const std::vector<FinderEntry>& entries,
                                          const QString& query);

// The Ctrl+K search: a field and the pages it matches as the user types; Enter (or a click)
// shows the chosen page, Escape closes it. The index is built when the finder first opens.
class PageFinder : public QFrame {
    Q_OBJECT
public:
    using Select = std::function<bool(const QString& objectName)>;
    using Index = std::function<std::vector<FinderEntry>()>;
    PageFinder(Index index, Select select, QWidget* window);

    // Shows the finder over the top of the window, with the field empty and focused.
    void open();
    QLineEdit* field() const { return m_field; }
    QListWidget* results() const { return m_results; }
    bool indexed() const { return m_entries.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    void jump();
    void fitWidth();

    Index m_index;
    std::optional<std::vector<FinderEntry>> m_entries;
    Select m_select;
    QWidget* m_window;
    QLineEdit* m_field;
    QListWidget* m_results;
};
