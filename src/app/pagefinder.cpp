#include "app/pagefinder.h"

#include "app/pagetree.h"
#include "contracts/servicepaths.h"
#include "pages/kit/pagecatalogue.h"
#include "pages/registry.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Lower case without accents or hyphens, so that "inutilizacao" finds "Inutilização" and "nfe"
// finds "NF-e".
QString folded(const QString& text) {
    QString out;
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing && c != u'-')
            out.append(c.toLower());
    return out;
}

// The words of a folded text: its runs of letters and digits.
QStringList wordsOf(const QString& foldedText) {
    QStringList words;
    QString word;
    for (const QChar c : foldedText) {
        if (c.isLetterOrNumber()) {
            word.append(c);
        } else if (!word.isEmpty()) {
            words << word;
            word.clear();
        }
    }
    if (!word.isEmpty())
        words << word;
    return words;
}

// 3 when a word of the description is the query word, 2 when one shares its stem (a common
// start of at least four letters, differing in at most three at the end), 0 otherwise.
int descriptionScore(const QStringList& descriptionWords, const QString& word) {
    int best = 0;
    for (const QString& d : descriptionWords) {
        if (d == word)
            return 3;
        qsizetype common = 0;
        while (common < d.size() && common < word.size() && d[common] == word[common])
            ++common;
        if (common >= 4 && common >= qMin(d.size(), word.size()) - 3)
            best = 2;
    }
    return best;
}

// The service paths by "class/service" in lower case, to name a page whose action builds its
// path in code after its service.
const QHash<QString, QString>& knownPaths() {
    static const QHash<QString, QString> paths = [] {
        QHash<QString, QString> byLowerCase;
        for (const QString& path : servicePaths())
            byLowerCase.insert(path.toLower(), path);
        return byLowerCase;
    }();
    return paths;
}

void collect(const PageNode& node, const QString& where, std::vector<FinderEntry>& out) {
    if (!node.isLeaf()) {
        const QString inner = where.isEmpty() ? node.caption : where + u" › "_s + node.caption;
        for (const PageNode& child : node.children)
            collect(child, inner, out);
        return;
    }
    FinderEntry e{node.objectName, node.caption, where, {}, {}, {}, {}, {}};
    const auto& pages = declaredPages();
    if (const auto it = pages.find(node.objectName); it != pages.end()) {
        const kit::PageCatalogue c = kit::catalogueOf(it->second);
        e.description = c.description;
        for (const kit::CatalogueService& s : c.services)
            if (s.path.contains(u'/') && !e.services.contains(s.path))
                e.services << s.path;
        e.captions = c.captions;
        e.labels = c.labels;
        for (const kit::CatalogueKey& k : c.keys)
            e.keys << k.key;
    }
    const QString apiClass = where.section(u" › "_s, 0, 0).mid(3); // "ts_TNFeAPI" -> "TNFeAPI"
    QString service = node.objectName;
    service.remove(0, service.startsWith(u"ts_"_s) ? 3 : service.startsWith(u"ts"_s) ? 2 : 0);
    const QString path = knownPaths().value((apiClass + u'/' + service).toLower());
    if (!path.isEmpty() && !e.services.contains(path, Qt::CaseInsensitive))
        e.services << path;
    out.push_back(std::move(e));
}

QString shownText(const FinderEntry& e) {
    QString text = e.caption;
    if (!e.services.isEmpty())
        text += u"  —  "_s + e.services.join(u", "_s);
    text += u"   ("_s + e.where + u')';
    if (!e.description.isEmpty())
        text += u"\n      "_s + e.description;
    return text;
}

} // namespace

std::vector<FinderEntry> finderEntries(const std::vector<PageNode>& tree) {
    std::vector<FinderEntry> out;
    for (const PageNode& group : tree) {
        if (group.isLeaf()) // a group that is a page itself (the generic page)
            collect(group, QString(), out);
        else
            for (const PageNode& child : group.children)
                collect(child, group.caption, out);
    }
    return out;
}

std::vector<const FinderEntry*> findPages(const std::vector<FinderEntry>& entries,
                                          const QString& query) {
    const QString whole = folded(query.simplified());
    const QStringList words = whole.split(u' ', Qt::SkipEmptyParts);
    struct Ranked {
        int score;
        const FinderEntry* entry;
    };
    std::vector<Ranked> ranked;
    if (words.isEmpty())
        return {};
    for (const FinderEntry& e : entries) {
        const QString names =
            folded(e.objectName + u' ' + e.caption + u' ' + e.services.join(u' '));
        const QString all = names + u' ' +
                            folded(e.where + u' ' + e.description + u' ' + e.captions.join(u' ') +
                                   u' ' + e.labels.join(u' ') + u' ' + e.keys.join(u' '));
        const QStringList described = wordsOf(folded(e.description));
        int score = 0; // 3 a whole word of the description, 2 its stem, 1 in the name
        bool every = true;
        for (const QString& w : words) {
            const int s = descriptionScore(described, w);
            every = every && (s > 0 || all.contains(w));
            score += s + (names.contains(w) ? 1 : 0);
        }
        if (every)
            ranked.push_back({score * 2 + (names.contains(whole) ? 1 : 0), &e});
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked& a, const Ranked& b) { return a.score > b.score; });
    std::vector<const FinderEntry*> found;
    found.reserve(ranked.size());
    for (const Ranked& r : ranked)
        found.push_back(r.entry);
    return found;
}

PageFinder::PageFinder(Index index, Select select, QWidget* window)
    : QFrame(window, Qt::Popup), m_index(std::move(index)), m_select(std::move(select)),
      m_window(window) {
    setObjectName(u"pn_LocalizarPagina"_s);
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(
        new QLabel(u"Localizar página (o que ela faz, nome, serviço, campo ou chave):"_s, this));
    m_field = new QLineEdit(this);
    m_field->setObjectName(u"ed_LocalizarPagina"_s);
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    layout->addWidget(m_field);
    m_results = new QListWidget(this);
    m_results->setObjectName(u"lst_LocalizarPagina"_s);
    m_results->setFocusPolicy(Qt::NoFocus);
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // the list is as wide as
    m_results->setTextElideMode(Qt::ElideNone);                      // its longest entry
    layout->addWidget(m_results);
    connect(m_field, &QLineEdit::textChanged, this, &PageFinder::refresh);
    connect(m_results, &QListWidget::itemActivated, this, &PageFinder::jump);
    connect(m_results, &QListWidget::itemClicked, this, &PageFinder::jump);
}

void PageFinder::open() {
    if (!m_entries)
        m_entries = m_index();
    m_field->clear();
    refresh();
    show();
    raise();
    activateWindow();
    m_field->setFocus(Qt::ShortcutFocusReason);
}

void PageFinder::refresh() {
    m_results->clear();
    if (!m_entries)
        return;
    for (const FinderEntry* e : findPages(*m_entries, m_field->text())) {
        auto* item = new QListWidgetItem(shownText(*e), m_results);
        item->setData(Qt::UserRole, e->objectName);
        item->setToolTip(e->captions.join(u" · "_s));
    }
    if (m_results->count() > 0)
        m_results->setCurrentRow(0);
    // As tall as the pages found, up to nine entries.
    const int rowHeight = m_results->sizeHintForRow(0) > 0 ? m_results->sizeHintForRow(0)
                                                           : fontMetrics().height() + 2;
    m_results->setFixedHeight(qBound(1, m_results->count(), 9) * rowHeight +
                              2 * m_results->frameWidth());
    fitWidth();
}

// As wide as the longest entry found (at least the field's comfortable width), within the
// screen, centred over the window.
void PageFinder::fitWidth() {
    const QFontMetrics metrics(m_results->font());
    int longest = 0;
    for (int i = 0; i < m_results->count(); ++i)
        for (const QString& line : m_results->item(i)->text().split(u'\n'))
            longest = qMax(longest, metrics.horizontalAdvance(line));
    const int chrome = 2 * m_results->frameWidth() + 24 +
                       m_results->verticalScrollBar()->sizeHint().width() +
                       layout()->contentsMargins().left() + layout()->contentsMargins().right();
    const QRect screen = m_window->screen()->availableGeometry();
    const int width = qBound(qMin(620, screen.width() - 40), longest + chrome, screen.width() - 40);
    layout()->activate();
    resize(width, layout()->minimumSize().height());
    const QPoint top = m_window->mapToGlobal(QPoint(m_window->width() / 2, 40));
    // Centred under the window, kept on the screen; a list as wide as the screen's room starts
    // at its left margin.
    const int leftmost = screen.left() + 20;
    const int rightmost = std::max(leftmost, screen.right() - 20 - width);
    move(std::clamp(top.x() - width / 2, leftmost, rightmost), top.y());
}

void PageFinder::jump() {
    const QListWidgetItem* item = m_results->currentItem();
    if (!item)
        return;
    const QString name = item->data(Qt::UserRole).toString();
    hide();
    m_select(name);
}

bool PageFinder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const int row = m_results->currentRow();
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            jump();
            return true;
        case Qt::Key_Down:
            m_results->setCurrentRow(qMin(row + 1, m_results->count() - 1));
            return true;
        case Qt::Key_Up:
            m_results->setCurrentRow(qMax(row - 1, 0));
            return true;
        case Qt::Key_Escape:
            hide();
            return true;
        default:
            break;
        }
    }
    return QFrame::eventFilter(watched, event);
}
