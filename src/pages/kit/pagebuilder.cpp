#include "pages/kit/pagebuilder.h"

#include "pages/kit/pagecatalogue.h"
#include "pages/kit/pagepresets.h"

#include "common/regional.h"
#include "contracts/tcombo.h"
#include "tables/tdmprincipal.h"
#include "widgets/dbgrid.h"
#include "widgets/wheelguard.h"
#include "widgets/xmlactions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace kit {

namespace {

// A drop-down list as a combo fills it: the caption shown, the code kept as the entry's data.
class QComboTarget : public ComboTarget {
public:
    explicit QComboTarget(QComboBox& combo) : m_combo(combo) {}
    void clearLines() override { m_combo.clear(); }
    void setUpChooseOnly(bool) override { m_combo.setEditable(false); }
    void addLine(const QString& line) override {
        const qsizetype tab = line.lastIndexOf(u'\t');
        m_combo.addItem(line.left(tab), line.mid(tab + 1));
    }

private:
    QComboBox& m_combo;
};

class Builder {
public:
    Builder(PageHost& host, PageInstance& instance, QWidget* root)
        : m_host(host), m_instance(instance), m_root(root) {}

    void addAll(const std::vector<Control>& controls, QWidget* holder, QGridLayout* grid) {
        for (const Control& c : controls)
            add(c, holder, grid);
    }

private:
    void wireAction(QAbstractButton* button, const Action& action) {
        PageHost& host = m_host;
        PageInstance* instance = &m_instance;
        QObject::connect(button, &QAbstractButton::clicked, m_root, [&host, instance, action] {
            host.runGuarded([&] {
                PageContext ctx(host, *instance);
                try {
                    ctx.runAction(action);
                } catch (const ActionDeclined&) {
                }
            });
        });
    }

    void wireChanged(QWidget* w, const Control& c) {
        const bool needsReselect = c.reselectFirst;
        if (!c.onChanged && !needsReselect)
            return;
        PageHost& host = m_host;
        PageInstance* instance = &m_instance;
        const auto onChanged = c.onChanged;
        auto run = [&host, instance, onChanged] {
            if (onChanged)
                host.runGuarded([&] {
                    PageContext ctx(host, *instance);
                    onChanged(ctx);
                });
        };
        if (auto* e = qobject_cast<QLineEdit*>(w))
            QObject::connect(e, &QLineEdit::textChanged, m_root, run);
        else if (auto* b = qobject_cast<QAbstractButton*>(w))
            QObject::connect(b, &QAbstractButton::toggled, m_root, run);
        else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            QObject::connect(combo, &QComboBox::currentIndexChanged, m_root,
                             [combo, run, needsReselect](int index) {
                                 // A list never keeps a value that is not one of its entries.
                                 if (needsReselect && index < 0 && combo->count() > 0) {
                                     combo->setCurrentIndex(0);
                                     return;
                                 }
                                 run();
                             });
            // Typed text that names no entry leaves nothing selected: the first entry is
            // selected again, its text in place of the typed one.
            if (needsReselect && combo->isEditable())
                QObject::connect(combo, &QComboBox::editTextChanged, m_root,
                                 [combo](const QString& typed) {
                                     if (combo->count() == 0)
                                         return;
                                     const int match = combo->findText(typed, Qt::MatchFixedString);
                                     if (match >= 0) {
                                         combo->setCurrentIndex(match);
                                         return;
                                     }
                                     combo->setCurrentIndex(0);
                                     combo->setEditText(combo->itemText(0));
                                 });
        } else if (auto* g = qobject_cast<QGroupBox*>(w))
            for (QRadioButton* r :
                 g->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly))
                QObject::connect(r, &QRadioButton::toggled, m_root, [run](bool on) {
                    if (on)
                        run();
                });
    }

    QWidget* create(const Control& c, QWidget* parent) {
        switch (c.widget) {
        case WidgetKind::Line:
        case WidgetKind::Password: {
            auto* e = new QLineEdit(c.text, parent);
            if (c.maxLength > 0)
                e->setMaxLength(c.maxLength);
            if (c.widget == WidgetKind::Password)
                e->setEchoMode(QLineEdit::Password);
            e->setReadOnly(c.readOnly);
            if (c.digitsOnly)
                e->setValidator(new QRegularExpressionValidator(
                    QRegularExpression(QStringLiteral("[0-9]*")), e));
            return e;
        }
        case WidgetKind::Memo: {
            auto* m = new QPlainTextEdit(c.text, parent);
            m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            m->setReadOnly(c.readOnly);
            m->setMinimumHeight(80);
            offerXmlActions(m); // "Copiar XML", "Salvar XML…" when it holds XML
            if (!c.readOnly) {
                // Enter moves on (the window's rule for every field); say so where it is typed.
                const QString keys =
                    QStringLiteral("Enter: próximo campo · Shift+Enter: nova linha");
                m->setPlaceholderText(keys);
                m->setToolTip(keys);
            }
            return m;
        }
        case WidgetKind::ComboList:
        case WidgetKind::ComboEditable: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(c.widget == WidgetKind::ComboEditable);
            for (qsizetype i = 0; i < c.items.size(); ++i)
                combo->addItem(c.items[i], i < c.itemData.size() ? c.itemData[i] : QVariant());
            combo->setCurrentIndex(c.selected);
            if (combo->isEditable() && c.selected < 0)
                combo->setEditText(c.text);
            return combo;
        }
        case WidgetKind::EnumCombo: {
            auto* combo = new QComboBox(parent);
            QComboTarget target(*combo);
            const std::unique_ptr<TCombo> filler = c.combo();
            filler->SetTarget(&target);
            filler->PreencheCombo();
            combo->setCurrentIndex(c.selected);
            return combo;
        }
        case WidgetKind::Check: {
            auto* b = new QCheckBox(c.text, parent);
            b->setChecked(c.checked);
            return b;
        }
        case WidgetKind::Radio: {
            auto* b = new QRadioButton(c.text, parent);
            b->setChecked(c.checked);
            return b;
        }
        case WidgetKind::RadioGroup: {
            auto* g = new QGroupBox(c.text, parent);
            auto* layout = new QHBoxLayout(g);
            for (qsizetype i = 0; i < c.items.size(); ++i) {
                auto* r = new QRadioButton(c.items[i], g);
                r->setObjectName(c.name + QStringLiteral("_%1").arg(i));
                r->setChecked(i == c.selected);
                layout->addWidget(r);
            }
            layout->addStretch(1);
            return g;
        }
        case WidgetKind::Spin: {
            auto* s = new QSpinBox(parent);
            s->setRange(c.minimum,
                        c.maximum > c.minimum ? c.maximum : std::numeric_limits<int>::max());
            s->setValue(c.text.toInt());
            return s;
        }
        case WidgetKind::Date:
        case WidgetKind::DateTime: {
            const QDateTime preset =
                c.text.isEmpty() ? regional::now() : regional::strToDateTime(c.text);
            auto* d = new QDateTimeEdit(preset, parent);
            d->setTimeSpec(Qt::UTC);
            d->setDisplayFormat(c.widget == WidgetKind::Date
                                    ? QStringLiteral("dd/MM/yyyy")
                                    : QStringLiteral("dd/MM/yyyy HH:mm:ss"));
            d->setCalendarPopup(true);
            // A date-only editor holds midnight; the picker's value keeps the preset's time.
            if (c.widget == WidgetKind::Date)
                d->setProperty(kKeptTimeProperty, preset.time());
            return d;
        }
        case WidgetKind::ListBox:
            return new QListWidget(parent);
        case WidgetKind::Image: {
            auto* l = new QLabel(parent);
            l->setMinimumSize(120, 50);
            l->setFrameShape(QFrame::StyledPanel);
            return l;
        }
        case WidgetKind::Grid: {
            auto* g = new DbGrid(c.name, m_host.data().table(c.table), parent);
            if (!c.columns.empty())
                g->showColumns(c.columns);
            for (const auto& [field, chars] : c.columnChars)
                g->setColumnChars(field, chars);
            return g;
        }
        case WidgetKind::Label: {
            auto* l = new QLabel(c.text, parent);
            l->setWordWrap(true);
            return l;
        }
        case WidgetKind::Button:
            return new QPushButton(c.text, parent);
        case WidgetKind::Group:
            return new QGroupBox(c.text, parent);
        case WidgetKind::Tabs:
            return new QTabWidget(parent);
        case WidgetKind::Tab:
            return new QWidget(parent);
        }
        return nullptr;
    }

    void add(const Control& c, QWidget* holder, QGridLayout* grid) {
        QWidget* w = create(c, holder);
        w->setObjectName(c.name);
        m_instance.addWidget(c.name, w);
        const int row = grid->rowCount();
        if (c.widget == WidgetKind::Group || c.widget == WidgetKind::Tab) {
            auto* inner = new QGridLayout(w);
            inner->setColumnStretch(1, 1);
            addAll(c.children, w, inner);
        } else if (c.widget == WidgetKind::Tabs) {
            auto* tabsWidget = static_cast<QTabWidget*>(w);
            for (const Control& t : c.children) {
                QWidget* page = create(t, tabsWidget);
                page->setObjectName(t.name);
                m_instance.addWidget(t.name, page);
                auto* inner = new QGridLayout(page);
                inner->setColumnStretch(1, 1);
                addAll(t.children, page, inner);
                // Free space goes to a growing row (a grid, memo or tab set), else below.
                bool grows = false;
                for (int r = 0; r < inner->rowCount(); ++r)
                    grows = grows || inner->rowStretch(r) > 0;
                if (!grows)
                    inner->setRowStretch(inner->rowCount(), 1);
                tabsWidget->addTab(page, t.text);
            }
        }
        if (!c.label.isEmpty()) {
            auto* label = new QLabel(c.label, holder);
            label->setObjectName(c.labelName.isEmpty() ? QStringLiteral("lb_") + c.name
                                                       : c.labelName);
            label->setBuddy(w);
            const bool tall = c.widget == WidgetKind::Memo || c.widget == WidgetKind::ListBox;
            grid->addWidget(label, row, 0, tall ? Qt::AlignTop : Qt::AlignVCenter);
        }
        QWidget* cell = w;
        if (!c.buddyButton.isEmpty() || c.widget == WidgetKind::Grid) {
            // The field with its "..." button, or the grid with its navigator, side by side.
            cell = new QWidget(holder);
            auto* pair = new QHBoxLayout(cell);
            pair->setContentsMargins(0, 0, 0, 0);
            w->setParent(cell);
            pair->addWidget(w, 1);
            if (!c.buddyButton.isEmpty()) {
                auto* b = new QPushButton(
                    c.buddyCaption.isEmpty() ? QStringLiteral("...") : c.buddyCaption, cell);
                b->setObjectName(c.buddyButton);
                b->setMaximumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 24);
                m_instance.addWidget(c.buddyButton, b);
                pair->addWidget(b);
                wireAction(b, *c.buddyAction);
            } else if (!c.navigator.isEmpty()) { // a grid without a navigator: no rows typed
                auto* navigator = new DbNavigator(c.navigator, *static_cast<DbGrid*>(w), cell);
                m_instance.addWidget(c.navigator, navigator);
                pair->insertWidget(0, navigator);
            }
        }
        const bool fullWidth =
            c.label.isEmpty() && (c.widget == WidgetKind::Group || c.widget == WidgetKind::Tabs ||
                                  c.widget == WidgetKind::Grid || c.widget == WidgetKind::Label ||
                                  c.widget == WidgetKind::RadioGroup);
        if (fullWidth)
            grid->addWidget(cell, row, 0, 1, 2);
        else if (c.widget == WidgetKind::Button)
            grid->addWidget(cell, row, 1, Qt::AlignLeft);
        else
            grid->addWidget(cell, row, 1);
        if (c.widget == WidgetKind::Memo || c.widget == WidgetKind::Grid ||
            c.widget == WidgetKind::Tabs)
            grid->setRowStretch(row, 1);
        if (c.action)
            wireAction(static_cast<QAbstractButton*>(w), *c.action);
        wireChanged(w, c);
    }

    PageHost& m_host;
    PageInstance& m_instance;
    QWidget* m_root;
};

// Runs the page's on-show hook every time its root widget is shown.
class ShowHook : public QObject {
public:
    ShowHook(PageHost& host, PageInstance& instance, QObject* parent)
        : QObject(parent), m_host(host), m_instance(instance) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            PageContext ctx(m_host, m_instance);
            m_host.runGuarded([&] { m_instance.declaration().onShown(ctx); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    PageHost& m_host;
    PageInstance& m_instance;
};

// The page's description on a line of its own, with the "Sobre esta página" button (F1) that
// opens the panel the declaration generates; returns the panel, hidden, for the caller to place.
QWidget* addDescription(const Page& page, QWidget* root, QVBoxLayout* rootLayout) {
    auto* row = new QHBoxLayout;
    auto* description = new QLabel(page.description, root);
    description->setObjectName(u"lb_DescricaoPagina"_s);
    description->setWordWrap(true);
    description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(description, 1);
    auto* toggle = new QToolButton(root);
    toggle->setObjectName(u"bt_SobreEstaPagina"_s);
    toggle->setText(u"Sobre esta página (F1)"_s);
    toggle->setCheckable(true);
    toggle->setAutoRaise(true);
    toggle->setShortcut(QKeySequence(Qt::Key_F1)); // only the shown page's button answers
    toggle->setToolTip(u"Serviço, forma de envio e chaves de Dados desta página"_s);
    row->addWidget(toggle, 0, Qt::AlignTop);
    rootLayout->addLayout(row);

    auto* panel = new QLabel(aboutHtml(catalogueOf(page)), root);
    panel->setObjectName(u"pn_SobreEstaPagina"_s);
    panel->setTextFormat(Qt::RichText);
    panel->setWordWrap(true);
    panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setMargin(6);
    panel->setAutoFillBackground(true);
    panel->setBackgroundRole(QPalette::ToolTipBase);
    panel->setForegroundRole(QPalette::ToolTipText);
    panel->setVisible(false);
    QObject::connect(toggle, &QToolButton::toggled, panel, &QWidget::setVisible);
    return panel;
}

} // namespace

QWidget* buildPage(const Page& page, PageHost& host, QWidget* parent) {
    auto* root = new QWidget(parent);
    auto* instance = new PageInstance(page, root);
    auto* rootLayout = new QVBoxLayout(root);
    rootLayout->setContentsMargins(4, 4, 4, 4);
    QWidget* about = addDescription(page, root, rootLayout);

    auto* scroll = new QScrollArea(root);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    rootLayout->addWidget(scroll);
    auto* content = new QWidget;
    scroll->setWidget(content);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    about->setParent(content);
    contentLayout->addWidget(about);

    QWidget* holder = content;
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    if (!page.groupBox.isEmpty()) {
        auto* box = new QGroupBox(page.groupTitle, content);
        box->setObjectName(page.groupBox);
        contentLayout->addWidget(box);
        box->setLayout(grid);
        holder = box;
    } else {
        contentLayout->addLayout(grid);
    }
    // The page's last controls marked to be kept in sight go below the scrolling part.
    auto inSight = page.controls.end();
    while (inSight != page.controls.begin() && std::prev(inSight)->inSight)
        --inSight;
    const std::vector<Control> scrolled(page.controls.begin(), inSight);
    const std::vector<Control> kept(inSight, page.controls.end());
    Builder builder(host, *instance, root);
    builder.addAll(scrolled, holder, grid);
    if (!kept.empty()) {
        auto* keptGrid = new QGridLayout;
        keptGrid->setColumnStretch(1, 1);
        rootLayout->addLayout(keptGrid);
        builder.addAll(kept, root, keptGrid);
    }
    bool stretches = false;
    for (int r = 0; r < grid->rowCount(); ++r)
        stretches = stretches || grid->rowStretch(r) > 0;
    if (!stretches)
        contentLayout->addStretch(1);
    if (page.onBuilt) {
        PageContext ctx(host, *instance);
        page.onBuilt(ctx);
    }
    if (page.onShown)
        root->installEventFilter(new ShowHook(host, *instance, root));
    new PresetsMenu(root, *instance, host); // its defaults: the values as built
    WheelGuard::guardChildren(root);
    return root;
}

} // namespace kit
