#pragma once

#include "widgets/exchangerecord.h"

#include <QWidget>

#include <deque>
#include <functional>

class QLabel;
class QTableWidget;
struct Evidence;
struct ReplayRequest;

// One finished exchange of the session, with the page it ran from.
struct HistoryEntry {
    ExchangeRecord record;
    QString page;
};

// The request as it went out, with the credentials of its company code.
ReplayRequest replayOf(const ExchangeRecord& record);
// The files under the output folder that changed from the entry's start until the next
// exchange started (or now): what the action's reading saved.
QStringList filesSavedBy(const HistoryEntry& entry, const HistoryEntry* next);

// The exchanges of this session, latest first: time, service, status, duration, size.
// Choosing one shows its request and answer in the panes. Kept in memory only; the user may
// save the list. Opened as a window of its own beside the main window.
class ExchangeHistory : public QWidget {
    Q_OBJECT
public:
    // The latest exchanges are kept up to this many, and up to this many bytes of requests and
    // answers together (the latest is always kept).
    static constexpr std::size_t kKept = 500;
    static constexpr qint64 kKeptBytes = 256ll * 1024 * 1024;
    // Shows a request and its answer in the window's panes.
    using Show = std::function<void(const QString& request, const QString& answer)>;

    ExchangeHistory(Show show, QWidget* window);

    void add(const ExchangeRecord& record, const QString& page);
    const std::deque<HistoryEntry>& entries() const { return m_entries; }
    // The chosen entry, else the latest; nullptr when there is none.
    const HistoryEntry* current() const;
    QTableWidget* list() const { return m_list; }

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

private:
    void fillRow(int row, const HistoryEntry& entry);
    void showChosen();
    void tell(const QString& text);
    const HistoryEntry* nextOf(const HistoryEntry& entry) const;
    Evidence evidenceOf(const HistoryEntry& entry) const;

    Show m_show;
    std::deque<HistoryEntry> m_entries; // latest first
    qint64 m_bytes = 0;                 // of the requests and answers kept
    QTableWidget* m_list;
    QLabel* m_info;
};
