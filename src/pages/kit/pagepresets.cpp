#include "pages/kit/pagepresets.h"

#include "common/filehelpers.h"
#include "pages/kit/pagecontext.h"
#include "tables/memtable.h"
#include "tables/tdmprincipal.h"
#include "widgets/dialogs.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace kit {

namespace {

const QString kValues = u"valores"_s;

// The controls whose values a preset keeps: what the user types, chooses or ticks.
bool kept(const Control& c) {
    switch (c.widget) {
    case WidgetKind::Line:
    case WidgetKind::Password:
    case WidgetKind::Memo:
    case WidgetKind::ComboList:
    case WidgetKind::ComboEditable:
    case WidgetKind::EnumCombo:
    case WidgetKind::Check:
    case WidgetKind::Radio:
    case WidgetKind::RadioGroup:
    case WidgetKind::Spin:
    case WidgetKind::Date:
    case WidgetKind::DateTime:
    case WidgetKind::Grid:
        return !c.readOnly;
    default:
        return false;
    }
}

QJsonValue valueOf(const Control& c, QWidget* w, PageHost& host) {
    if (c.widget == WidgetKind::Grid) {
        MemTable& table = host.data().table(c.table);
        table.postIfEditing();
        QJsonArray rows;
        for (int r = 0; r < table.recordCount(); ++r) {
            QJsonObject row;
            for (int f = 0; f < int(table.fields().size()); ++f)
                row.insert(table.fields()[std::size_t(f)].name,
                           QJsonValue::fromVariant(table.valueAt(r, f)));
            rows.append(row);
        }
        return rows;
    }
    if (const auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (const auto* m = qobject_cast<QPlainTextEdit*>(w))
        return m->toPlainText();
    if (const auto* combo = qobject_cast<QComboBox*>(w))
        return combo->currentText();
    if (const auto* b = qobject_cast<QAbstractButton*>(w))
        return b->isChecked();
    if (const auto* s = qobject_cast<QSpinBox*>(w))
        return s->value();
    if (const auto* d = qobject_cast<QDateTimeEdit*>(w))
        return d->dateTime().toString(Qt::ISODate);
    if (const auto* g = qobject_cast<QGroupBox*>(w)) {
        const auto buttons = g->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked())
                return int(i);
        return -1;
    }
    return {};
}

void setValue(const Control& c, QWidget* w, PageHost& host, const QJsonValue& v) {
    if (c.widget == WidgetKind::Grid) {
        MemTable& table = host.data().table(c.table);
        table.postIfEditing();
        table.removeAll();
        for (const QJsonValue& row : v.toArray()) {
            table.append();
            const QJsonObject cells = row.toObject();
            for (auto it = cells.begin(); it != cells.end(); ++it)
                if (table.fieldIndex(it.key()) >= 0)
                    table.setValue(it.key(), it.value().toVariant());
            table.post();
        }
        table.first();
        return;
    }
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(v.toString());
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        m->setPlainText(v.toString());
    else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        const int index = combo->findText(v.toString());
        if (index >= 0)
            combo->setCurrentIndex(index);
        else if (combo->isEditable())
            combo->setEditText(v.toString());
    } else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setChecked(v.toBool());
    else if (auto* s = qobject_cast<QSpinBox*>(w))
        s->setValue(v.toInt());
    else if (auto* d = qobject_cast<QDateTimeEdit*>(w)) {
        const QDateTime dt = QDateTime::fromString(v.toString(), Qt::ISODate);
        if (dt.isValid())
            d->setDateTime(dt);
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        const auto buttons = g->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
        const int index = v.toInt(-1);
        if (index >= 0 && index < buttons.size())
            buttons[index]->setChecked(true);
    }
}

} // namespace

QString PagePresets::folder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u"/valores"_s;
}

PagePresets::PagePresets(const QString& pageName)
    : m_page(pageName), m_file(folder() + u'/' + pageName + u".json"_s) {}

QJsonObject PagePresets::read() const {
    QFile f(m_file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(f.readAll()).object().value(kValues).toObject();
}

void PagePresets::write(const QJsonObject& presets) {
    QDir().mkpath(folder());
    writeFileWhole(m_file,
                   QJsonDocument(QJsonObject{{u"pagina"_s, m_page}, {kValues, presets}}).toJson());
}

QStringList PagePresets::names() const {
    QStringList names = read().keys();
    names.sort(Qt::CaseInsensitive);
    return names;
}

std::optional<QJsonObject> PagePresets::get(const QString& name) const {
    const QJsonObject all = read();
    if (!all.contains(name))
        return std::nullopt;
    return all.value(name).toObject();
}

void PagePresets::put(const QString& name, const QJsonObject& values) {
    QJsonObject all = read();
    all.insert(name, values);
    write(all);
}

bool PagePresets::rename(const QString& from, const QString& to) {
    QJsonObject all = read();
    if (to.trimmed().isEmpty() || all.contains(to) || !all.contains(from))
        return false;
    all.insert(to, all.take(from));
    write(all);
    return true;
}

void PagePresets::remove(const QString& name) {
    QJsonObject all = read();
    all.remove(name);
    write(all);
}

QJsonObject captureValues(PageInstance& page, PageHost& host) {
    QJsonObject values;
    forEachControl(page.declaration().controls, [&](const Control& c) {
        if (!kept(c))
            return;
        QWidget* w = page.widget(c.name);
        if (w || c.widget == WidgetKind::Grid)
            values.insert(c.name, valueOf(c, w, host));
    });
    return values;
}

QStringList applyValues(PageInstance& page, PageHost& host, const QJsonObject& values) {
    QStringList unknown = values.keys();
    forEachControl(page.declaration().controls, [&](const Control& c) {
        if (!kept(c) || !values.contains(c.name))
            return;
        unknown.removeAll(c.name);
        QWidget* w = page.widget(c.name);
        if (w || c.widget == WidgetKind::Grid)
            setValue(c, w, host, values.value(c.name));
    });
    return unknown;
}

PresetsMenu::PresetsMenu(QWidget* root, PageInstance& page, PageHost& host)
    : QObject(root), m_page(page), m_host(host), m_presets(page.declaration().name),
      m_defaults(captureValues(page, host)), m_root(root) {
    setObjectName(u"valores_"_s + page.declaration().name);
    auto* button = new QToolButton(root);
    button->setObjectName(u"bt_Valores"_s + page.declaration().name);
    button->setText(u"Valores"_s);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    m_menu = new QMenu(button);
    button->setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &PresetsMenu::fillMenu);
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch(1);
    row->addWidget(button);
    if (auto* layout = qobject_cast<QBoxLayout*>(root->layout()))
        layout->insertLayout(0, row);
}

void PresetsMenu::fillMenu() {
    m_menu->clear();
    const auto item = [this](const QString& text, std::function<void()> f) {
        QAction* a = m_menu->addAction(text);
        connect(a, &QAction::triggered, this, [this, f] { m_host.runGuarded(f); });
    };
    item(u"Salvar como…"_s, [this] {
        bool ok = false;
        const QString name = QInputDialog::getText(m_root, u"Salvar valores"_s, u"Nome"_s,
                                                   QLineEdit::Normal, QString(), &ok)
                                 .trimmed();
        if (ok && !name.isEmpty())
            saveAs(name);
    });
    const QStringList names = m_presets.names();
    if (!names.isEmpty())
        m_menu->addSeparator();
    for (const QString& name : names)
        item(name, [this, name] { load(name); });
    m_menu->addSeparator();
    item(u"Restaurar padrões"_s, [this] { restoreDefaults(); });
    item(u"Gerenciar…"_s, [this] { manage(); });
}

void PresetsMenu::saveAs(const QString& name) {
    m_presets.put(name, captureValues(m_page, m_host));
}

void PresetsMenu::apply(const QJsonObject& values) {
    const QStringList unknown = applyValues(m_page, m_host, values);
    if (!unknown.isEmpty())
        dialogs().message(
            u"Estes controles não existem mais nesta página e foram ignorados: %1"_s.arg(
                unknown.join(u", "_s)),
            Dialogs::Kind::Information);
}

void PresetsMenu::load(const QString& name) {
    if (const std::optional<QJsonObject> values = m_presets.get(name))
        apply(*values);
}

void PresetsMenu::restoreDefaults() {
    apply(m_defaults);
}

void PresetsMenu::manage() {
    QDialog dialog(m_root);
    dialog.setWindowTitle(u"Valores salvos"_s);
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    list->addItems(m_presets.names());
    layout->addWidget(list);
    auto* buttons = new QHBoxLayout;
    auto* rename = new QPushButton(u"Renomear…"_s, &dialog);
    auto* remove = new QPushButton(u"Remover"_s, &dialog);
    auto* close = new QPushButton(u"Fechar"_s, &dialog);
    buttons->addWidget(rename);
    buttons->addWidget(remove);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    const auto chosen = [list] {
        return list->currentItem() ? list->currentItem()->text() : QString();
    };
    // The buttons run inside the dialog's own loop: a file that cannot be written is told there.
    connect(rename, &QPushButton::clicked, &dialog, [&] {
        m_host.runGuarded([&] {
            const QString from = chosen();
            const QString to =
                QInputDialog::getText(&dialog, u"Renomear"_s, u"Nome"_s, QLineEdit::Normal, from)
                    .trimmed();
            if (from.isEmpty() || to.isEmpty() || to == from)
                return;
            if (!m_presets.rename(from, to))
                dialogs().message(u"Já existe \"%1\"."_s.arg(to), Dialogs::Kind::Warning);
            list->clear();
            list->addItems(m_presets.names());
        });
    });
    connect(remove, &QPushButton::clicked, &dialog, [&] {
        m_host.runGuarded([&] {
            const QString name = chosen();
            if (name.isEmpty() || !dialogs().confirm(u"Remover \"%1\"?"_s.arg(name)))
                return;
            m_presets.remove(name);
            delete list->currentItem();
        });
    });
    connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.exec();
}

} // namespace kit
