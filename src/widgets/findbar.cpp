#include "widgets/findbar.h"

#include "widgets/largetextview.h"
#include "widgets/offthread.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QToolButton>

#include <algorithm>

namespace {

// Every match, not overlapping, from the start; a text kept as bytes is decoded a piece at a
// time, each searched after the end of the last one that could hold part of a match.
std::vector<qint64> findAll(const IndexedText& text, const QString& query) {
    std::vector<qint64> found;
    QString carried; // the end of the pieces read, too short to hold a match
    qint64 from = 0; // where the next match may start
    text.forEachPiece([&](QStringView piece, qint64 position) {
        const QString joined = carried.isEmpty() ? piece.toString() : carried + piece.toString();
        const qint64 base = position - carried.size();
        const QStringView view(joined);
        for (qsizetype at =
                 view.indexOf(query, std::max<qint64>(0, from - base), Qt::CaseInsensitive);
             at >= 0; at = view.indexOf(query, at + query.size(), Qt::CaseInsensitive)) {
            found.push_back(base + at);
            from = base + at + query.size();
        }
        carried = joined.right(query.size() - 1);
    });
    return found;
}

} // namespace

FindBar::FindBar(LargeTextView* view, const QString& namePrefix, QWidget* parent)
    : QWidget(parent), m_view(view), m_field(new QLineEdit(this)), m_count(new QLabel(this)) {
    setObjectName(namePrefix + QStringLiteral("_localizar"));
    m_field->setObjectName(namePrefix + QStringLiteral("_busca"));
    m_field->setPlaceholderText(QStringLiteral("Localizar"));
    m_count->setObjectName(namePrefix + QStringLiteral("_ocorrencias"));
    m_count->setMinimumWidth(110);
    const auto tool = [this](const QString& name, const QString& text, const QString& tip) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(tip);
        b->setAutoRaise(true);
        return b;
    };
    auto* previousButton = tool(namePrefix + QStringLiteral("_anterior"), QStringLiteral("▲"),
                                QStringLiteral("Anterior (Shift+Enter)"));
    auto* nextButton = tool(namePrefix + QStringLiteral("_proxima"), QStringLiteral("▼"),
                            QStringLiteral("Próxima (Enter)"));
    auto* closeButton = tool(namePrefix + QStringLiteral("_fecharbusca"), QStringLiteral("✕"),
                             QStringLiteral("Fechar (Esc)"));
    connect(previousButton, &QToolButton::clicked, this, &FindBar::previous);
    connect(nextButton, &QToolButton::clicked, this, &FindBar::next);
    connect(closeButton, &QToolButton::clicked, this, &FindBar::close);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_field, 1);
    layout->addWidget(m_count);
    layout->addWidget(previousButton);
    layout->addWidget(nextButton);
    layout->addWidget(closeButton);
    m_debounce.setSingleShot(true);
    m_debounce.setInterval(200);
    connect(&m_debounce, &QTimer::timeout, this, &FindBar::search);
    connect(m_field, &QLineEdit::textChanged, this, [this] { m_debounce.start(); });
    setVisible(false);
}

void FindBar::showEvent(QShowEvent* event) {
    // The field's clear button is made when the bar first shows: its icon is read from an image
    // file, which has Qt load its image format plugins, and the window's first paint shows no
    // find bar.
    m_field->setClearButtonEnabled(true);
    QWidget::showEvent(event);
}

void FindBar::open() {
    // Enter in the field moves between matches: this filter goes before the window's rule that
    // turns Enter into a move to the next field.
    qApp->installEventFilter(this);
    setVisible(true);
    m_field->setFocus();
    m_field->selectAll();
}

void FindBar::close() {
    setVisible(false);
    ++m_generation;
    m_searching = false;
    m_matches.reset();
    m_current = -1;
    m_view->setHighlights(nullptr, 0, -1);
    m_view->setFocus();
}

void FindBar::setQuery(const QString& query) {
    m_field->setText(query);
    m_debounce.stop();
    search();
}

QString FindBar::query() const {
    return m_field->text();
}

void FindBar::refresh() {
    if (isVisible())
        search();
}

QString FindBar::status() const {
    return m_count->text();
}

void FindBar::search() {
    m_debounce.stop();
    const quint64 generation = ++m_generation;
    const QString query = m_field->text();
    m_matches.reset();
    m_current = -1;
    m_view->setHighlights(nullptr, 0, -1);
    if (query.isEmpty()) {
        m_searching = false;
        m_count->clear();
        Q_EMIT searched();
        return;
    }
    m_searching = true;
    m_count->setText(QStringLiteral("Procurando…"));
    if (!m_view->isIndexed())
        return; // searched again once the text is indexed (refresh)
    runOffUiThread(
        this,
        [text = m_view->content(), query] {
            return std::make_shared<const std::vector<qint64>>(findAll(*text, query));
        },
        [this, generation,
         length = query.size()](std::shared_ptr<const std::vector<qint64>> found) {
            if (generation != m_generation)
                return;
            m_searching = false;
            m_matches = std::move(found);
            if (m_matches->empty()) {
                m_count->setText(QStringLiteral("Nenhuma ocorrência"));
                m_view->setHighlights(nullptr, 0, -1);
            } else {
                // The first match from what is in sight on.
                const qint64 from = m_view->firstVisibleOffset();
                const auto it = std::lower_bound(m_matches->begin(), m_matches->end(), from);
                m_view->setHighlights(m_matches, length, -1);
                show(it == m_matches->end() ? 0 : qint64(it - m_matches->begin()));
            }
            Q_EMIT searched();
        });
}

void FindBar::show(qint64 index) {
    m_current = index;
    const qint64 length = m_field->text().size();
    m_view->setHighlights(m_matches, length, index);
    m_view->select((*m_matches)[std::size_t(index)], length);
    const QLocale brazil(QLocale::Portuguese, QLocale::Brazil);
    m_count->setText(
        QStringLiteral("%1 de %2")
            .arg(brazil.toString(index + 1), brazil.toString(qint64(m_matches->size()))));
}

void FindBar::next() {
    if (!m_matches || m_matches->empty())
        return;
    show((m_current + 1) % qint64(m_matches->size()));
}

void FindBar::previous() {
    if (!m_matches || m_matches->empty())
        return;
    const qint64 n = qint64(m_matches->size());
    show((m_current - 1 + n) % n);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return false;
}

void FindBar::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
    } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (m_debounce.isActive() || (m_matches == nullptr && !m_searching))
            search();
        else if (event->modifiers() & Qt::ShiftModifier)
            previous();
        else
            next();
    } else {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}
