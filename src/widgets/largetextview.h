#pragma once

#include "common/indexedtext.h"
#include "common/wrappedrows.h"

#include <QAbstractScrollArea>
#include <QByteArray>
#include <QString>

#include <algorithm>
#include <memory>
#include <vector>

class QMenu;

// A read-only view of a text of any size (hundreds of megabytes): the line index is built off
// the UI thread, lines are wrapped at the width of the view in a fixed-pitch font, and only the
// rows in sight are laid out and painted. A text given as UTF-8 bytes is kept as them, and only
// what is read of it is decoded. It selects, copies, highlights search matches and marks ranges
// that act when clicked (folded strings). Offsets are positions in UTF-16 units, those of the
// text as a QString, whichever way it was given.
class LargeTextView : public QAbstractScrollArea {
    Q_OBJECT
public:
    struct Range {
        qint64 start = 0;
        qint64 length = 0;
    };

    explicit LargeTextView(QWidget* parent = nullptr);
    ~LargeTextView() override;

    void setText(const QString& text);
    void setUtf8(const QByteArray& utf8);
    // A text indexed already (shown at once, whatever its size).
    void setContent(std::shared_ptr<const IndexedText> content);
    // The whole text, decoded when it was given as bytes.
    QString text() const;
    // The text and its index, once ready (texts under a megabyte are indexed at once).
    const std::shared_ptr<const IndexedText>& content() const { return m_content; }
    // The text is indexed and wrapped into rows (texts of many lines are wrapped off the UI
    // thread, as they are indexed).
    bool isIndexed() const { return m_rows != nullptr; }
    qint64 lineCount() const;
    // In UTF-16 units; a text given as bytes counts once indexed.
    qint64 textSize() const;
    QString textRange(qint64 start, qint64 length) const;

    void select(qint64 start, qint64 length); // and brings it into sight
    void selectAll();
    void clearSelection();
    QString selectedText() const;
    // The selection as [start, end) offsets (equal when nothing is selected) and the caret.
    qint64 selectionStart() const { return std::min(m_anchor, m_caret); }
    qint64 selectionEnd() const { return std::max(m_anchor, m_caret); }
    qint64 caret() const { return m_caret; }
    void copy() const;
    // Puts a part of the text on the clipboard ("Copiar tudo": the whole text).
    void copyRange(qint64 start, qint64 length) const;
    void scrollToOffset(qint64 offset);
    void scrollToEnd();
    // The offset of the first character in sight.
    qint64 firstVisibleOffset() const;
    // Where a character is drawn in the viewport (its top-left corner), for tests and menus;
    // (-1, -1) when it is out of sight.
    QPoint pointOf(qint64 offset) const;
    qint64 offsetAt(const QPoint& viewportPoint) const;

    // Search matches, sorted by start, all of the same length; current is drawn apart.
    void setHighlights(std::shared_ptr<const std::vector<qint64>> starts, qint64 length,
                       qint64 current);
    // Ranges drawn as links; clicking one emits linkActivated with its index.
    void setLinks(std::vector<Range> links);

Q_SIGNALS:
    void linkActivated(int index);
    // The context menu is being made for a click at offset: the receiver may add entries.
    void menuRequested(QMenu* menu, qint64 offset);
    void indexed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    using Lines = std::vector<qint64>; // start offset of every line
    void reset();
    template <typename Index> void indexOffUiThread(Index index);
    void takeIndex(std::shared_ptr<const IndexedText> content,
                   std::shared_ptr<const WrappedRows> rows = {});
    void takeRows(std::shared_ptr<const WrappedRows> rows);
    // Wraps the text at the view's width, at once or off the UI thread when it has many lines.
    void layoutRows();
    qint64 lineOf(qint64 offset) const;
    qint64 rowOf(qint64 offset) const;
    // Start and end (exclusive, without the line break) of a wrapped row.
    std::pair<qint64, qint64> rowSpan(qint64 row) const;
    int rowsInSight() const;
    int linkAt(qint64 offset) const;

    // The text while it is being indexed, as it was given.
    QString m_pendingText;
    QByteArray m_pendingUtf8;
    std::shared_ptr<const IndexedText> m_content;
    // The rows of m_content, at m_columns or, while a new width is laid out, the former one.
    std::shared_ptr<const WrappedRows> m_rows;
    qint64 m_scrollOnLayout = 0; // the offset to bring into sight once the rows are laid out
    quint64 m_generation = 0;    // of the text
    quint64 m_layingOut = 0;     // the generation whose rows are being laid out off the thread
    int m_columns = 80;
    qreal m_charWidth = 8; // the advance of one character, fractions included
    int m_lineHeight = 14;
    qint64 m_anchor = 0;
    qint64 m_caret = 0;
    std::shared_ptr<const std::vector<qint64>> m_matches;
    qint64 m_matchLength = 0;
    qint64 m_currentMatch = -1;
    std::vector<Range> m_links;
};
