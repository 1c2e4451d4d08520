#pragma once

#include "common/indexedtext.h"

#include <memory>
#include <utility>
#include <vector>

// The rows of a text wrapped at a number of columns: every line takes as many rows as its
// length needs (one at least). Only the first row of every block of lines is recorded, so the
// layout of a text of millions of lines is small and quick to make; the rows of a line are
// counted from its block's. Immutable once made, so it can be made off the UI thread.
class WrappedRows {
public:
    WrappedRows(std::shared_ptr<const IndexedText> text, int columns);

    const std::shared_ptr<const IndexedText>& text() const { return m_text; }
    int columns() const { return m_columns; }
    qint64 rowCount() const { return m_rowCount; }
    // The first row of a line.
    qint64 firstRowOf(qint64 line) const;
    // The line a row belongs to and that line's first row.
    std::pair<qint64, qint64> lineOfRow(qint64 row) const;
    // How many rows a line takes.
    qint64 rowsOf(qint64 line) const;

private:
    std::shared_ptr<const IndexedText> m_text;
    int m_columns;
    qint64 m_rowCount = 0;
    std::vector<qint64> m_blockRows; // the first row of every block of lines
};
