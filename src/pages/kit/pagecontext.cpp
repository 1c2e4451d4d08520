#include "pages/kit/pagecontext.h"

#include "common/exception.h"
#include "common/regional.h"
#include "tables/tdmprincipal.h"
#include "widgets/dialogs.h"

#include <QAbstractButton>

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeZone>
#include <algorithm>

namespace kit {

FieldValue readField(const QWidget* w) {
    FieldValue v;
    v.name = w->objectName();
    if (const auto* e = qobject_cast<const QLineEdit*>(w)) {
        v.text = e->text();
    } else if (const auto* m = qobject_cast<const QPlainTextEdit*>(w)) {
        // A memo's text: its lines joined with CR LF.
        v.text = m->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
    } else if (const auto* c = qobject_cast<const QComboBox*>(w)) {
        v.text = c->currentText();
        v.index = c->currentIndex();
        // Typed text that is not an entry has no position.
        if (c->isEditable() && v.index >= 0 && c->itemText(v.index) != v.text)
            v.index = -1;
        if (v.index >= 0)
            v.data = c->itemData(v.index);
    } else if (const auto* b = qobject_cast<const QAbstractButton*>(w)) {
        v.checked = b->isChecked();
        v.text = b->text();
    } else if (const auto* s = qobject_cast<const QSpinBox*>(w)) {
        v.text = QString::number(s->value());
    } else if (const auto* d = qobject_cast<const QDateTimeEdit*>(w)) {
        const QVariant kept = d->property(kKeptTimeProperty);
        const QDateTime dt(d->date(), kept.isValid() ? kept.toTime() : d->time(), QTimeZone::utc());
        v.data = dt;
        v.text = regional::dateTimeToStr(dt);
    } else if (const auto* l = qobject_cast<const QListWidget*>(w)) {
        v.index = l->currentRow();
        v.text = l->currentItem() ? l->currentItem()->text() : QString();
    } else if (const auto* g = qobject_cast<const QGroupBox*>(w)) {
        // A radio group: the position of the chosen button.
        const auto buttons = g->findChildren<QRadioButton*>(QString(), Qt::FindDirectChildrenOnly);
        for (qsizetype i = 0; i < buttons.size(); ++i)
            if (buttons[i]->isChecked()) {
                v.index = int(i);
                v.text = buttons[i]->text();
            }
    }
    return v;
}

namespace {

// What the user sees beside a control: its label without the final colon, else its caption.
QString shownName(const Control& c) {
    QString name = c.label.trimmed();
    if (name.endsWith(u':'))
        name.chop(1);
    return name.isEmpty() ? c.text.trimmed() : name.trimmed();
}

} // namespace

json::JsonValue valueNamingField(const Control& c, const FieldValue& v) {
    try {
        return c.kind(v);
    } catch (const EFileError& e) {
        // The file error keeps its text; the field it came from follows on a line of its own.
        const QString name = shownName(c);
        if (name.isEmpty())
            throw;
        // An empty path: say what is missing.
        if (v.text.trimmed().isEmpty())
            throw EFileError(e.message() +
                             QStringLiteral("\nInforme o arquivo do campo %1.").arg(name));
        throw EFileError(e.message() + QStringLiteral("\nCampo: ") + name);
    }
}

QWidget* PageContext::widget(const QString& name) const {
    if (QWidget* w = m_page.widget(name))
        return w;
    if (QWidget* w = m_host.findControl(name))
        return w;
    throw Exception(QStringLiteral("Controle não encontrado: %1").arg(name));
}

FieldValue PageContext::value(const QString& name) const {
    FieldValue v = readField(widget(name));
    v.page = this;
    return v;
}

void PageContext::setText(const QString& name, const QString& text) const {
    QWidget* w = widget(name);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        m->setPlainText(text);
    else if (auto* c = qobject_cast<QComboBox*>(w))
        c->setCurrentText(text);
    else if (auto* b = qobject_cast<QAbstractButton*>(w))
        b->setText(text);
    else if (auto* d = qobject_cast<QDateTimeEdit*>(w)) {
        const QDateTime dt = regional::strToDateTime(text);
        d->setDateTime(dt);
        if (d->property(kKeptTimeProperty).isValid()) // a date-only picker keeps this time
            d->setProperty(kKeptTimeProperty, dt.time());
    }
}

void PageContext::setChecked(const QString& name, bool checked) const {
    if (auto* b = qobject_cast<QAbstractButton*>(widget(name)))
        b->setChecked(checked);
}

void PageContext::setVisible(const QString& name, bool visible) const {
    widget(name)->setVisible(visible);
}

void PageContext::setEnabled(const QString& name, bool enabled) const {
    widget(name)->setEnabled(enabled);
}

MemTable& PageContext::table(const QString& name) const {
    return m_host.data().table(name);
}

json::JsonValue PageContext::keyedObject(const std::vector<Column>& rowKeys,
                                         const MemTable* row) const {
    json::JsonValue o = json::JsonValue::object();
    forEachControl(m_page.declaration().controls, [&](const Control& c) {
        if (c.key.isEmpty())
            return;
        const auto fromRow = std::find_if(rowKeys.begin(), rowKeys.end(),
                                          [&](const Column& col) { return col.key == c.key; });
        if (row && fromRow != rowKeys.end()) {
            o.add(c.key.toStdString(), cellValue(*row, *fromRow));
            return;
        }
        const FieldValue v = value(c.name);
        if (c.omitWhenBlank && v.text.trimmed().isEmpty())
            return;
        o.add(c.key.toStdString(), valueNamingField(c, v));
    });
    const QStringList& order = m_page.declaration().keyOrder;
    if (order.isEmpty())
        return o;
    json::JsonValue ordered = json::JsonValue::object();
    for (const QString& key : order)
        if (const json::JsonValue* v = o.find(key.toStdString()))
            ordered.add(key.toStdString(), *v);
    for (std::size_t i = 0; i < o.size(); ++i)
        if (!order.contains(QString::fromStdString(o.keyAt(i))))
            ordered.add(o.keyAt(i), o.at(i));
    return ordered;
}

Dialogs& PageContext::dialogs() const {
    return ::dialogs();
}

void PageContext::runAction(const Action& action) {
    if (action.exchange == Exchange::Custom) {
        action.custom(*this);
        return;
    }
    auto build = [&]() {
        // Pending grid edits are stored before any table is read.
        for (MemTable* t : m_host.data().tables())
            if (t->isOpen())
                t->postIfEditing();
        for (const Check& check : action.checks)
            if (auto message = check(*this))
                throw CheckFailed(*message);
        return action.dados ? action.dados(*this) : keyedObject();
    };
    const QString path = action.pathFn ? action.pathFn(*this) : action.path;
    auto options = action.options;
    HttpAnswer answer;
    switch (action.exchange) {
    case Exchange::Standard:
        answer = exchange().standard(path, build, options);
        break;
    case Exchange::EnvelopeWithoutSession:
        answer = exchange().envelopeWithoutSession(path, build, options);
        break;
    case Exchange::Plain:
        answer = exchange().plain(path, build, options);
        break;
    case Exchange::PlainWithoutAuth:
        options.authenticate = false;
        answer = exchange().plain(path, build, options);
        break;
    case Exchange::Get:
        answer = exchange().get(path, options);
        break;
    case Exchange::Custom:
        break;
    }
    if (action.reading)
        action.reading(*this, answer);
}

} // namespace kit
