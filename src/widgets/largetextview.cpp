#include "widgets/largetextview.h"
#include "widgets/largetextaccessible.h"

#include "common/bytesize.h"
#include "widgets/offthread.h"
#include "widgets/textrangemime.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 4;
// Texts up to this size are indexed at once; larger ones on the thread pool.
constexpr qsizetype kIndexAtOnce = 1 << 20;
// Texts of more lines are wrapped into rows on the thread pool.
constexpr qint64 kLayOutAtOnce = 100000;
// Copies of more characters hand the clipboard the text to read when pasted.
constexpr qint64 kCopyAtOnce = 1 << 16;

// What a row shows: control characters as blanks, so that columns stay in place.
QString shownRow(QString s) {
    for (QChar& c : s)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    return s;
}

} // namespace

LargeTextView::LargeTextView(QWidget* parent) : QAbstractScrollArea(parent) {
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setCursor(Qt::IBeamCursor);
    viewport()->setMouseTracking(true);
    setText(QString());
    installLargeTextAccessibility();
}

LargeTextView::~LargeTextView() = default;

void LargeTextView::reset() {
    // A large text, its index and its rows are freed off the UI thread.
    releaseOffUiThread(m_pendingText, m_pendingUtf8, m_content, m_rows, m_matches);
    m_scrollOnLayout = 0;
    m_anchor = m_caret = 0;
    m_currentMatch = -1;
    m_links.clear();
    ++m_generation;
}

void LargeTextView::setText(const QString& text) {
    reset();
    if (text.size() <= kIndexAtOnce) {
        takeIndex(std::make_shared<const IndexedText>(text));
        return;
    }
    m_pendingText = text;
    indexOffUiThread([text] { return std::make_shared<const IndexedText>(text); });
}

void LargeTextView::setUtf8(const QByteArray& utf8) {
    reset();
    if (utf8.size() <= kIndexAtOnce) {
        takeIndex(std::make_shared<const IndexedText>(utf8));
        return;
    }
    m_pendingUtf8 = utf8;
    indexOffUiThread([utf8] { return std::make_shared<const IndexedText>(utf8); });
}

void LargeTextView::setContent(std::shared_ptr<const IndexedText> content) {
    reset();
    takeIndex(content ? std::move(content) : std::make_shared<const IndexedText>());
}

template <typename Index> void LargeTextView::indexOffUiThread(Index index) {
    verticalScrollBar()->setRange(0, 0);
    viewport()->update();
    // The rows are laid out at the width of the moment, with the index.
    layoutRows();
    runOffUiThread(
        this,
        [index = std::move(index), columns = m_columns] {
            std::shared_ptr<const IndexedText> content = index();
            return std::make_shared<const WrappedRows>(std::move(content), columns);
        },
        [this, generation = m_generation](std::shared_ptr<const WrappedRows> rows) {
            if (generation == m_generation)
                takeIndex(rows->text(), rows);
            else
                releaseOffUiThread(rows); // a text replaced while it was indexed
        });
}

void LargeTextView::takeIndex(std::shared_ptr<const IndexedText> content,
                              std::shared_ptr<const WrappedRows> rows) {
    m_pendingText.clear();
    m_pendingUtf8.clear();
    m_content = std::move(content);
    if (rows) {
        takeRows(std::move(rows));
        layoutRows(); // again when the width changed meanwhile
    } else {
        layoutRows();
    }
    viewport()->update();
}

void LargeTextView::takeRows(std::shared_ptr<const WrappedRows> rows) {
    const bool first = !m_rows;
    const qint64 keep = first ? m_scrollOnLayout : firstVisibleOffset();
    releaseOffUiThread(m_rows); // the rows at the former width
    m_rows = std::move(rows);
    const qint64 total = m_rows->rowCount();
    const qint64 maxFirst = std::max<qint64>(0, total - rowsInSight());
    verticalScrollBar()->setRange(0, int(std::min<qint64>(maxFirst, INT_MAX)));
    verticalScrollBar()->setPageStep(std::max(1, rowsInSight() - 1));
    verticalScrollBar()->setSingleStep(1);
    if (first) {
        verticalScrollBar()->setValue(0);
        if (keep > 0)
            scrollToOffset(keep);
    } else {
        verticalScrollBar()->setValue(int(std::min<qint64>(rowOf(keep), INT_MAX)));
    }
    viewport()->update();
    if (first)
        Q_EMIT indexed();
}

QString LargeTextView::text() const {
    if (m_content)
        return m_content->toString();
    return m_pendingUtf8.isEmpty() ? m_pendingText : QString::fromUtf8(m_pendingUtf8);
}

qint64 LargeTextView::textSize() const {
    return m_content ? m_content->size() : m_pendingText.size();
}

QString LargeTextView::textRange(qint64 start, qint64 length) const {
    if (m_content)
        return m_content->mid(start, length);
    return text().mid(start, length);
}

qint64 LargeTextView::lineCount() const {
    return m_content ? qint64(m_content->lineStarts().size()) : 0;
}

void LargeTextView::layoutRows() {
    const QFontMetricsF fm(font());
    // Measured over many characters: a glyph's advance may have a fraction that adds up.
    m_charWidth = std::max(1.0, fm.horizontalAdvance(QString(100, u'M')) / 100);
    m_lineHeight = std::max(1, int(std::ceil(fm.lineSpacing())));
    m_columns = std::max(8, int((viewport()->width() - 2 * kMargin) / m_charWidth));
    if (!m_content)
        return;
    if (m_rows && m_rows->columns() == m_columns) {
        takeRows(m_rows); // the height may have changed
        return;
    }
    if (qint64(m_content->lineStarts().size()) <= kLayOutAtOnce) {
        takeRows(std::make_shared<const WrappedRows>(m_content, m_columns));
        return;
    }
    // Many lines: laid out on the thread pool, while the rows of the former width (or the
    // notice that the text is being prepared) stay in sight. One layout runs at a time; when
    // it ends, the width of that moment is laid out in turn.
    if (m_layingOut == m_generation)
        return;
    m_layingOut = m_generation;
    runOffUiThread(
        this,
        [content = m_content, columns = m_columns] {
            return std::make_shared<const WrappedRows>(content, columns);
        },
        [this, generation = m_generation](std::shared_ptr<const WrappedRows> rows) {
            if (m_layingOut == generation)
                m_layingOut = 0;
            if (generation != m_generation)
                return;
            takeRows(std::move(rows));
            if (m_rows->columns() != m_columns)
                layoutRows();
        });
}

int LargeTextView::rowsInSight() const {
    return std::max(1, viewport()->height() / m_lineHeight);
}

qint64 LargeTextView::lineOf(qint64 offset) const {
    const Lines& lines = m_content->lineStarts();
    return qint64(std::upper_bound(lines.begin(), lines.end(), offset) - lines.begin()) - 1;
}

qint64 LargeTextView::rowOf(qint64 offset) const {
    if (!m_rows)
        return 0;
    offset = std::clamp<qint64>(offset, 0, m_content->size());
    const qint64 line = lineOf(offset);
    return m_rows->firstRowOf(line) +
           std::min(m_rows->rowsOf(line) - 1,
                    (offset - m_content->lineStarts()[std::size_t(line)]) / m_rows->columns());
}

std::pair<qint64, qint64> LargeTextView::rowSpan(qint64 row) const {
    const Lines& lines = m_content->lineStarts();
    const auto [line, first] = m_rows->lineOfRow(std::max<qint64>(0, row));
    const std::size_t at = std::size_t(line);
    qint64 end = at + 1 < lines.size() ? lines[at + 1] - 1 : m_content->size();
    const qint64 start = lines[at] + (row - first) * m_rows->columns();
    end = std::min(end, start + m_rows->columns());
    return {start, std::max(start, end)};
}

qint64 LargeTextView::firstVisibleOffset() const {
    if (!m_rows)
        return m_scrollOnLayout;
    return rowSpan(verticalScrollBar()->value()).first;
}

void LargeTextView::scrollToOffset(qint64 offset) {
    if (!m_rows) {
        m_scrollOnLayout = offset; // once the rows are laid out
        return;
    }
    const qint64 row = rowOf(offset);
    const int first = verticalScrollBar()->value();
    if (row < first || row >= first + rowsInSight())
        verticalScrollBar()->setValue(int(std::max<qint64>(0, row - rowsInSight() / 3)));
    viewport()->update();
}

void LargeTextView::scrollToEnd() {
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QPoint LargeTextView::pointOf(qint64 offset) const {
    if (!m_rows)
        return {-1, -1};
    const qint64 row = rowOf(offset) - verticalScrollBar()->value();
    if (row < 0 || row >= rowsInSight())
        return {-1, -1};
    const qint64 column = offset - rowSpan(rowOf(offset)).first;
    return {kMargin + int(std::ceil(qreal(column) * m_charWidth)), int(row) * m_lineHeight};
}

qint64 LargeTextView::offsetAt(const QPoint& point) const {
    if (!m_rows)
        return 0;
    const qint64 row = verticalScrollBar()->value() + std::max(0, point.y()) / m_lineHeight;
    if (row >= m_rows->rowCount())
        return m_content->size();
    const auto [start, end] = rowSpan(row);
    const qint64 column =
        qint64(std::max(0.0, (point.x() - kMargin + m_charWidth / 2) / m_charWidth));
    return std::min(start + column, end);
}

void LargeTextView::select(qint64 start, qint64 length) {
    m_anchor = std::clamp<qint64>(start, 0, textSize());
    m_caret = std::clamp<qint64>(start + length, 0, textSize());
    scrollToOffset(m_anchor);
}

void LargeTextView::selectAll() {
    m_anchor = 0;
    m_caret = textSize();
    viewport()->update();
}

void LargeTextView::clearSelection() {
    m_anchor = m_caret;
    viewport()->update();
}

QString LargeTextView::selectedText() const {
    const qint64 from = std::min(m_anchor, m_caret);
    return textRange(from, std::max(m_anchor, m_caret) - from);
}

void LargeTextView::copy() const {
    if (m_anchor != m_caret)
        copyRange(selectionStart(), selectionEnd() - selectionStart());
}

void LargeTextView::copyRange(qint64 start, qint64 length) const {
    if (m_content && length > kCopyAtOnce) {
        // Read when pasted: no decoding nor copying of a large text here.
        QApplication::clipboard()->setMimeData(new TextRangeMimeData(m_content, start, length));
        return;
    }
    QApplication::clipboard()->setText(textRange(start, length));
}

void LargeTextView::setHighlights(std::shared_ptr<const std::vector<qint64>> starts, qint64 length,
                                  qint64 current) {
    releaseOffUiThread(m_matches);
    m_matches = std::move(starts);
    m_matchLength = length;
    m_currentMatch = current;
    viewport()->update();
}

void LargeTextView::setLinks(std::vector<Range> links) {
    m_links = std::move(links);
    viewport()->update();
}

int LargeTextView::linkAt(qint64 offset) const {
    const auto it = std::upper_bound(m_links.begin(), m_links.end(), offset,
                                     [](qint64 o, const Range& r) { return o < r.start; });
    if (it == m_links.begin())
        return -1;
    const auto& r = *(it - 1);
    return offset < r.start + r.length ? int(it - 1 - m_links.begin()) : -1;
}

void LargeTextView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    const QPalette& pal = palette();
    p.fillRect(viewport()->rect(), pal.base());
    p.setFont(font());
    if (!m_rows) {
        p.setPen(pal.color(QPalette::Disabled, QPalette::Text));
        p.drawText(viewport()->rect().adjusted(kMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                   !m_pendingUtf8.isEmpty()
                       ? QStringLiteral("Preparando a exibição de %1…")
                             .arg(formatByteSize(m_pendingUtf8.size()))
                       : QStringLiteral("Preparando a exibição de %L1 caracteres…")
                             .arg(m_content ? m_content->size() : m_pendingText.size()));
        return;
    }
    const qint64 first = verticalScrollBar()->value();
    const qint64 total = m_rows->rowCount();
    const qint64 selFrom = std::min(m_anchor, m_caret);
    const qint64 selTo = std::max(m_anchor, m_caret);
    const int ascent = QFontMetrics(font()).ascent();
    const QColor matchColor(255, 236, 130);
    const QColor currentColor(255, 170, 60);
    const QColor linkColor(0, 80, 200);
    const auto band = [&](int y, qint64 rowStart, qint64 from, qint64 to, const QColor& color) {
        const qint64 a = std::max(from, rowStart);
        const qint64 b = to;
        if (b <= a)
            return;
        p.fillRect(QRectF(kMargin + qreal(a - rowStart) * m_charWidth, y,
                          qreal(b - a) * m_charWidth, m_lineHeight),
                   color);
    };
    for (int i = 0; i <= rowsInSight() && first + i < total; ++i) {
        const auto [start, end] = rowSpan(first + i);
        const int y = i * m_lineHeight;
        // Matches that touch this row.
        if (m_matches && !m_matches->empty()) {
            auto it =
                std::lower_bound(m_matches->begin(), m_matches->end(), start - m_matchLength + 1);
            for (; it != m_matches->end() && *it < end; ++it) {
                const bool current =
                    m_currentMatch >= 0 && it - m_matches->begin() == m_currentMatch;
                band(y, start, *it, std::min(end, *it + m_matchLength),
                     current ? currentColor : matchColor);
            }
        }
        if (selTo > selFrom && selFrom < end + 1 && selTo > start)
            band(y, start, selFrom, std::min(selTo, end + (selTo > end ? 1 : 0)),
                 pal.color(QPalette::Highlight).lighter(160));
        const QString row = shownRow(m_content->mid(start, end - start));
        p.setPen(pal.color(QPalette::Text));
        p.drawText(kMargin, y + ascent, row);
        // Links over the text, in their own colour and underlined.
        if (!m_links.empty()) {
            auto it = std::upper_bound(m_links.begin(), m_links.end(), start,
                                       [](qint64 o, const Range& r) { return o < r.start; });
            if (it != m_links.begin())
                --it;
            for (; it != m_links.end() && it->start < end; ++it) {
                const qint64 a = std::max(it->start, start);
                const qint64 b = std::min(it->start + it->length, end);
                if (b <= a)
                    continue;
                const qreal x = kMargin + qreal(a - start) * m_charWidth;
                const qreal w = qreal(b - a) * m_charWidth;
                p.fillRect(QRectF(x, y, w, m_lineHeight), pal.base());
                p.setPen(linkColor);
                p.drawText(QPointF(x, y + ascent), row.mid(a - start, b - a));
                p.drawLine(QPointF(x, y + ascent + 2), QPointF(x + w, y + ascent + 2));
            }
        }
    }
}

void LargeTextView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    layoutRows(); // keeps the first row in sight
}

void LargeTextView::scrollContentsBy(int, int) {
    viewport()->update();
}

void LargeTextView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* bar = verticalScrollBar();
    if (event->matches(QKeySequence::Copy))
        copy();
    else if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->matches(QKeySequence::MoveToStartOfDocument) || event->key() == Qt::Key_Home)
        bar->setValue(0);
    else if (event->matches(QKeySequence::MoveToEndOfDocument) || event->key() == Qt::Key_End)
        scrollToEnd();
    else if (event->key() == Qt::Key_PageDown)
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    else if (event->key() == Qt::Key_PageUp)
        bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    else if (event->key() == Qt::Key_Down)
        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    else if (event->key() == Qt::Key_Up)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void LargeTextView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const qint64 offset = offsetAt(event->position().toPoint());
    if (const int link = linkAt(offset); link >= 0 && !(event->modifiers() & Qt::ShiftModifier)) {
        Q_EMIT linkActivated(link);
        return;
    }
    m_caret = offset;
    if (!(event->modifiers() & Qt::ShiftModifier))
        m_anchor = offset;
    viewport()->update();
}

void LargeTextView::mouseMoveEvent(QMouseEvent* event) {
    const qint64 offset = offsetAt(event->position().toPoint());
    if (event->buttons() & Qt::LeftButton) {
        m_caret = offset;
        const int y = event->position().toPoint().y();
        if (y < 0)
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else if (y > viewport()->height())
            verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        viewport()->update();
        return;
    }
    viewport()->setCursor(linkAt(offset) >= 0 ? Qt::PointingHandCursor : Qt::IBeamCursor);
}

void LargeTextView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    // The owner puts first what the place clicked offers (a folded string, an XML member).
    Q_EMIT menuRequested(&menu, offsetAt(viewport()->mapFromGlobal(event->globalPos())));
    if (!menu.isEmpty())
        menu.addSeparator();
    QAction* copyAction = menu.addAction(QStringLiteral("Copiar"), this, [this] { copy(); });
    copyAction->setEnabled(m_anchor != m_caret);
    menu.addAction(QStringLiteral("Selecionar tudo"), this, [this] { selectAll(); });
    menu.addAction(QStringLiteral("Copiar tudo"), this, [this] {
        if (m_content)
            copyRange(0, m_content->size());
        else
            QApplication::clipboard()->setText(text());
    });
    if (!actions().isEmpty()) {
        menu.addSeparator();
        menu.addActions(actions());
    }
    menu.exec(event->globalPos());
}
