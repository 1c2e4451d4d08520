#include "pagecontext.h"

#include "dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

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
    } else if (const auto* b = qobject_cast<const QCheckBox*>(w)) {
        v.checked = b->isChecked();
        v.text = b->text();
    }
    return v;
}

QWidget* PageContext::widget(const QString& name) const {
    if (QWidget* w = m_page.widget(name))
        return w;
    if (QWidget* w = m_host.findControl(name))
        return w;
    throw Exception(QStringLiteral("Controle não encontrado: %1").arg(name));
}

FieldValue PageContext::value(const QString& name) const {
    return readField(widget(name));
}

void PageContext::setText(const QString& name, const QString& text) const {
    QWidget* w = widget(name);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        e->setText(text);
    else if (auto* m = qobject_cast<QPlainTextEdit*>(w))
        m->setPlainText(text);
    else if (auto* c = qobject_cast<QComboBox*>(w))
        c->setCurrentText(text);
    else if (auto* b = qobject_cast<QCheckBox*>(w))
        b->setText(text);
}

void PageContext::setChecked(const QString& name, bool checked) const {
    if (auto* b = qobject_cast<QCheckBox*>(widget(name)))
        b->setChecked(checked);
}

json::JsonValue PageContext::keyedObject() const {
    json::JsonValue o = json::JsonValue::object();
    for (const Control& c : m_page.spec().controls)
        if (!c.key.isEmpty())
            o.add(c.key.toStdString(), c.kind(value(c.name)));
    return o;
}

Dialogs& PageContext::dialogs() const {
    return ::dialogs();
}

void PageContext::runAction(const Action& action) {
    auto build = [&]() {
        for (const Check& check : action.checks)
            if (auto message = check(*this))
                throw CheckFailed(*message);
        return action.dados ? action.dados(*this) : keyedObject();
    };
    auto options = action.options;
    HttpAnswer answer;
    switch (action.exchange) {
    case Exchange::Custom:
        action.custom(*this);
        return;
    case Exchange::Standard:
        answer = exchange().standard(action.path, build, options);
        break;
    case Exchange::EnvelopeWithoutSession:
        answer = exchange().envelopeWithoutSession(action.path, build, options);
        break;
    case Exchange::Plain:
        answer = exchange().plain(action.path, build, options);
        break;
    case Exchange::PlainWithoutAuth:
        options.authenticate = false;
        answer = exchange().plain(action.path, build, options);
        break;
    }
    if (action.reading)
        action.reading(*this, answer);
}

} // namespace kit
