#pragma once

#include "exchange/historydb.h"
#include "widgets/exchangerecord.h"

#include <QWidget>

#include <deque>
#include <functional>
#include <optional>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class HistoryStore;
struct Evidence;
struct ReplayRequest;

// The request as it went out, with the credentials of its company code.
ReplayRequest replayOf(const ExchangeRecord& record);
// The files under the output folder that changed from the entry's start until the next
// exchange started (or now): what the action's reading saved.
QStringList filesSavedBy(const HistoryEntry& entry, const HistoryEntry* next);

// The exchanges, latest first: time, service, status, duration, size. Choosing one shows its
// request and answer in the panes. The session's latest are kept in memory; with a store, every
// exchange is also stored and the list shows the stored ones, filtered and a page at a time.
// Opened as a window of its own beside the main window.
class ExchangeHistory : public QWidget {
    Q_OBJECT
public:
    // By default the latest exchanges are kept in memory up to this many, and up to this many
    // bytes of requests and answers together (the latest is always kept).
    static constexpr std::size_t kKept = 500;
    static constexpr qint64 kKeptBytes = 256ll * 1024 * 1024;
    // Stored exchanges listed at a time.
    static constexpr int kPageRows = 100;
    // Shows a request and its answer in the window's panes.
    using Show = std::function<void(const QString& request, const QString& answer)>;

    ExchangeHistory(Show show, QWidget* window, std::size_t kept = kKept,
                    qint64 keptBytes = kKeptBytes);

    // Every exchange from now on is stored there too, and the list shows the stored ones.
    void attachStore(HistoryStore* store);
    HistoryStore* store() const { return m_store; }
    // The environment the next exchanges run in.
    void setEnvironment(const QString& name) { m_environment = name; }

    void add(const ExchangeRecord& record, const QString& page);
    // A file the latest exchange's reading saved: listed with that exchange, and stored.
    void addSavedFile(const QString& path);
    const std::deque<HistoryEntry>& entries() const { return m_entries; }
    // The bytes of the requests and answers kept in memory.
    qint64 keptBytes() const { return m_bytes; }
    // The chosen entry, else the latest; nullptr when there is none.
    const HistoryEntry* current() const;
    QTableWidget* list() const { return m_list; }
    // The stored exchanges matching the filters, of every page.
    qint64 storedTotal() const { return m_total; }
    // Asks the store for the list again (the filters or the page changed); the list is
    // refilled when the answer comes.
    void refresh();
    // Empties the stored history, after asking.
    void clearStored();

    // Shows the window (above the main one).
    void open();
    // The chosen (else the latest) exchange as a curl command on the clipboard; a body too
    // large for the command goes to a file the user names.
    void copyAsCurl();
    // The chosen (else the latest) exchange written as an evidence file the user names.
    void saveEvidence();
    // The list, one exchange a line, into a text file the user names.
    void saveList();
    // The chosen exchanges (else the latest), one step each, into a scenario file the user
    // names.
    void saveAsScenario();

Q_SIGNALS:
    // The list was refilled from the store.
    void listed();

private:
    QWidget* createFilters();
    QWidget* createPaging();
    HistoryFilter filter() const;
    void fillRow(int row, const HistoryEntry& entry);
    void fillList(const HistoryPage& page);
    void showChosen();
    void tell(const QString& text);
    const HistoryEntry* nextOf(const HistoryEntry& entry) const;
    Evidence evidenceOf(const HistoryEntry& entry) const;

    Show m_show;
    std::size_t m_kept;
    qint64 m_keptBytes;
    std::deque<HistoryEntry> m_entries; // latest first
    qint64 m_bytes = 0;                 // of the requests and answers kept
    HistoryStore* m_store = nullptr;
    qint64 m_storedAdds = 0;     // entries handed to the store, counted as it counts them
    qint64 m_latestStoredId = 0; // of the latest entry, once the store wrote it
    QString m_environment;
    std::vector<HistoryEntry> m_rows; // the stored page listed
    std::optional<HistoryEntry> m_chosen;
    qint64 m_total = 0;
    int m_offset = 0;
    QTimer* m_refreshSoon;
    QTableWidget* m_list;
    QWidget* m_filters;
    QComboBox* m_filterEnvironment;
    QLineEdit* m_filterService;
    QComboBox* m_filterVerdict;
    QDateEdit* m_filterFrom;
    QDateEdit* m_filterUntil;
    QLineEdit* m_filterText;
    QWidget* m_paging;
    QLabel* m_pageInfo;
    QPushButton* m_previous;
    QPushButton* m_next;
    QLabel* m_info;
};
