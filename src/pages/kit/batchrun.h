#pragma once

#include "pages/kit/pagespec.h"
#include "pages/kit/tablerows.h"

class MemTable;

namespace kit {

// A page that sends one request from its own fields or, from a grid, one signed request per
// row, marking each row with its outcome ("OK" when the answer contains "err":false, "ERRO"
// otherwise) and keeping the request and answer texts in the row.
struct BatchRun {
    QString modeGroup; // the "Tipo" radio group: first item single, second batch
    QStringList modeItems;
    QString groupBox; // holds the grid, hidden in single mode
    QString groupCaption;
    QString grid;
    QString navigator;
    QString importButton;
    QString clearButton;
    QString table;
    QString path;
    QStringList singleControls; // hidden (or disabled) in batch mode
    bool disableInsteadOfHide = false;
    QString tableEmptyMessage;
    // The row's check; the message when it fails.
    std::function<std::optional<QString>(MemTable&)> rowCheck;
    QString runConfirmation;
    QString importConfirmation;
    QString clearConfirmation;
    // In a run, the keys whose values come from the row's cells; every other key is the
    // page's control, as in a single request.
    std::vector<Column> rowKeys;
    // The data value of the current row, when it is not the page's keyed controls with rowKeys.
    std::function<json::JsonValue(PageContext&, MemTable&)> rowDados;
    // Fills the current (new) row from one line of an imported file; raises on bad values.
    std::function<void(const QString& line, MemTable&)> importLine;

    // The "Tipo" radio group that switches between the single request and the run.
    Control modeControl() const;
    // The group box with the grid, its navigator and the import and clear buttons.
    Control gridBox() const;
    // The page action: session check, the page's checks, then the single request or the run.
    Action action(std::vector<Check> pageChecks, std::vector<Check> singleChecks,
                  Action single) const;
    // Shows the controls of the mode chosen.
    void applyMode(PageContext& page) const;
    bool batchMode(PageContext& page) const;
    // Sends the rows in order; a cancel (during a row or between rows) ends the run, the rows
    // not sent keeping an empty outcome.
    void run(PageContext& page) const;
    // Selecting a row of the grid shows its request and answer in the panes, and a cell's
    // whole text shows as its tooltip.
    void showRowsInPanes(PageContext& page) const;
    void importFile(PageContext& page) const;
    void clear(PageContext& page) const;
};

// "Número Inicial [a]  não pode ser maior que o Número Final [b] . Verifique!" and the zero check.
std::optional<QString> rangeRowCheck(MemTable& row);

} // namespace kit
