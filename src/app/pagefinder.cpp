#include "app/pagefinder.h"

#include "app/pagetree.h"
#include "contracts/servicepaths.h"
#include "pages/registry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// Lower case without accents, so that "inutilizacao" finds "Inutilização".
QString folded(const QString& text) {
    QString out;
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c.toLower());
    return out;
}

void collect(const PageNode& node, const QString& where, std::vector<FinderEntry>& out) {
    if (!node.isLeaf()) {
        const QString inner = where.isEmpty() ? node.caption : where + u" › "_s + node.caption;
        for (const PageNode& child : node.children)
            collect(child, inner, out);
        return;
    }
    FinderEntry e{node.objectName, node.caption, where, {}, {}};
    const auto& pages = declaredPages();
    if (const auto it = pages.find(node.objectName); it != pages.end()) {
        if (!it->second.groupTitle.isEmpty())
            e.captions << it->second.groupTitle;
        kit::forEachControl(it->second.controls, [&](const kit::Control& c) {
            for (const auto* action :
                 {c.action ? &*c.action : nullptr, c.buddyAction ? &*c.buddyAction : nullptr})
                if (action && !action->path.isEmpty() && !e.services.contains(action->path))
                    e.services << action->path;
            const bool captioned = c.widget == kit::WidgetKind::Button ||
                                   c.widget == kit::WidgetKind::Group ||
                                   c.widget == kit::WidgetKind::Tab;
            if (captioned && !c.text.isEmpty() && c.text != u"..."_s)
                e.captions << c.text;
        });
    }
    // A page whose action builds its path in code is named after its service.
    static const QStringList known = servicePaths();
    const QString apiClass = where.section(u" › "_s, 0, 0).mid(3); // "ts_TNFeAPI" -> "TNFeAPI"
    QString service = node.objectName;
    service.remove(QRegularExpression(u"^ts_?"_s));
    for (const QString& path : known)
        if (path.compare(apiClass + u'/' + service, Qt::CaseInsensitive) == 0 &&
            !e.services.contains(path))
            e.services << path;
    out.push_back(std::move(e));
}

QString shownText(const FinderEntry& e) {
    QString text = e.caption;
    if (!e.services.isEmpty())
        text += u"  —  "_s + e.services.join(u", "_s);
    return text + u"   ("_s + e.where + u')';
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
    std::vector<const FinderEntry*> first, rest;
    if (words.isEmpty())
        return first;
    for (const FinderEntry& e : entries) {
        const QString names =
            folded(e.objectName + u' ' + e.caption + u' ' + e.services.join(u' '));
        const QString all = names + u' ' + folded(e.where + u' ' + e.captions.join(u' '));
        bool every = true;
        for (const QString& w : words)
            every = every && all.contains(w);
        if (every)
            (names.contains(whole) ? first : rest).push_back(&e);
    }
    first.insert(first.end(), rest.begin(), rest.end());
    return first;
}

PageFinder::PageFinder(std::vector<FinderEntry> entries, Select select, QWidget* window)
    : QFrame(window, Qt::Popup), m_entries(std::move(entries)), m_select(std::move(select)),
      m_window(window) {
    setObjectName(u"pn_LocalizarPagina"_s);
    setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(new QLabel(u"Localizar página (nome, serviço ou legenda):"_s, this));
    m_field = new QLineEdit(this);
    m_field->setObjectName(u"ed_LocalizarPagina"_s);
    m_field->setClearButtonEnabled(true);
    m_field->installEventFilter(this);
    layout->addWidget(m_field);
    m_results = new QListWidget(this);
    m_results->setObjectName(u"lst_LocalizarPagina"_s);
    m_results->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_results);
    connect(m_field, &QLineEdit::textChanged, this, &PageFinder::refresh);
    connect(m_results, &QListWidget::itemActivated, this, &PageFinder::jump);
    connect(m_results, &QListWidget::itemClicked, this, &PageFinder::jump);
}

void PageFinder::open() {
    const int width = qMin(620, m_window->width() - 40);
    resize(width, height());
    move(m_window->mapToGlobal(QPoint((m_window->width() - width) / 2, 40)));
    m_field->clear();
    refresh();
    show();
    raise();
    activateWindow();
    m_field->setFocus(Qt::ShortcutFocusReason);
}

void PageFinder::refresh() {
    m_results->clear();
    for (const FinderEntry* e : findPages(m_entries, m_field->text())) {
        auto* item = new QListWidgetItem(shownText(*e), m_results);
        item->setData(Qt::UserRole, e->objectName);
        item->setToolTip(e->captions.join(u" · "_s));
    }
    if (m_results->count() > 0)
        m_results->setCurrentRow(0);
    // As tall as the pages found, up to fourteen rows.
    const int rowHeight = m_results->sizeHintForRow(0) > 0 ? m_results->sizeHintForRow(0)
                                                           : fontMetrics().height() + 2;
    m_results->setFixedHeight(qBound(1, m_results->count(), 14) * rowHeight +
                              2 * m_results->frameWidth());
    layout()->activate();
    resize(width(), layout()->minimumSize().height());
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
