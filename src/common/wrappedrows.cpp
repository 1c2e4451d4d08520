#include "common/wrappedrows.h"

#include <algorithm>

namespace {

constexpr qint64 kBlockLines = 64;

} // namespace

WrappedRows::WrappedRows(std::shared_ptr<const IndexedText> text, int columns)
    : m_text(std::move(text)), m_columns(std::max(1, columns)) {
    const std::vector<qint64>& lines = m_text->lineStarts();
    const qint64 n = qint64(lines.size());
    m_blockRows.reserve(std::size_t(n / kBlockLines + 1));
    qint64 row = 0;
    // Every line but the last ends with its line break.
    for (qint64 i = 0; i < n; ++i) {
        if (i % kBlockLines == 0)
            m_blockRows.push_back(row);
        const qint64 length =
            (i + 1 < n ? lines[std::size_t(i) + 1] - 1 : m_text->size()) - lines[std::size_t(i)];
        row += length <= m_columns ? 1 : (length + m_columns - 1) / m_columns;
    }
    m_rowCount = row;
}

qint64 WrappedRows::rowsOf(qint64 line) const {
    const std::vector<qint64>& lines = m_text->lineStarts();
    const qint64 n = qint64(lines.size());
    const qint64 length = (line + 1 < n ? lines[std::size_t(line) + 1] - 1 : m_text->size()) -
                          lines[std::size_t(line)];
    return length <= m_columns ? 1 : (length + m_columns - 1) / m_columns;
}

qint64 WrappedRows::firstRowOf(qint64 line) const {
    const qint64 block = line / kBlockLines;
    qint64 row = m_blockRows[std::size_t(block)];
    for (qint64 i = block * kBlockLines; i < line; ++i)
        row += rowsOf(i);
    return row;
}

std::pair<qint64, qint64> WrappedRows::lineOfRow(qint64 row) const {
    const auto block = std::upper_bound(m_blockRows.begin(), m_blockRows.end(), row) - 1;
    qint64 line = qint64(block - m_blockRows.begin()) * kBlockLines;
    qint64 first = *block;
    const qint64 n = qint64(m_text->lineStarts().size());
    while (line + 1 < n) {
        const qint64 rows = rowsOf(line);
        if (first + rows > row)
            break;
        first += rows;
        ++line;
    }
    return {line, first};
}
