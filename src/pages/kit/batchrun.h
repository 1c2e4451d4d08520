#pragma once

#include "pages/kit/pagespec.h"

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
    // The data value of the current row.
    std::function<json::JsonValue(PageContext&, MemTable&)> rowDados;
    // Fills the current (new) row from one line of an imported file; raises on bad values.
    std::function<void(const QString& line, MemTable&)> importLine;

    // The controls: the mode group, then the group box with the grid, the navigator and the
    // import and clear buttons.
    std::vector<Control> controls() const;
    // The page action: session check, the page's checks, then the single request or the run.
    Action action(std::vector<Check> pageChecks, std::vector<Check> singleChecks,
                  Action single) const;
    // Shows the controls of the mode chosen.
    void applyMode(PageContext& page) const;
    bool batchMode(PageContext& page) const;
    void run(PageContext& page) const;
    void importFile(PageContext& page) const;
    void clear(PageContext& page) const;
};

// "Número Inicial [a]  não pode ser maior que o Número Final [b] . Verifique!" and the zero check.
std::optional<QString> rangeRowCheck(MemTable& row);

} // namespace kit
