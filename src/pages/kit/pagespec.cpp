#include "pagespec.h"

#include "pagecontext.h"
#include "tjsonutil.h"

namespace kit {

Check notBlank(const QString& control, const QString& message) {
    return [control, message](PageContext& page) -> std::optional<QString> {
        if (page.text(control).trimmed().isEmpty())
            return message;
        return std::nullopt;
    };
}

namespace dados {
DadosFn emptyString() {
    return [](PageContext&) { return json::JsonValue::string(std::string()); };
}
DadosFn emptyObject() {
    return [](PageContext&) { return TJSONUtil::NewJSONObjet(); };
}
} // namespace dados

namespace {
Control make(const QString& name, WidgetKind widget, const QString& label, const QString& text) {
    Control c;
    c.name = name;
    c.widget = widget;
    c.label = label;
    c.text = text;
    return c;
}
} // namespace

Control line(const QString& name, const QString& label, const QString& defaultText) {
    return make(name, WidgetKind::Line, label, defaultText);
}

Control password(const QString& name, const QString& label, const QString& defaultText) {
    return make(name, WidgetKind::Password, label, defaultText);
}

Control memo(const QString& name, const QString& label, const QString& defaultText) {
    return make(name, WidgetKind::Memo, label, defaultText);
}

Control comboList(const QString& name, const QString& label, const QStringList& items,
                  int selected) {
    Control c = make(name, WidgetKind::ComboList, label, {});
    c.items = items;
    c.selected = selected;
    return c;
}

Control comboEditable(const QString& name, const QString& label, const QStringList& items,
                      const QString& defaultText) {
    Control c = make(name, WidgetKind::ComboEditable, label, defaultText);
    c.items = items;
    return c;
}

Control check(const QString& name, const QString& caption, bool checked) {
    Control c = make(name, WidgetKind::Check, {}, caption);
    c.checked = checked;
    return c;
}

Control button(const QString& name, const QString& caption, Action action) {
    Control c = make(name, WidgetKind::Button, {}, caption);
    c.action = std::move(action);
    return c;
}

} // namespace kit
