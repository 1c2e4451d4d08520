#include "pages/kit/pagespec.h"

#include "common/regional.h"
#include "pages/kit/pagecontext.h"
#include "pages/kit/readings.h"
#include "tables/tdmprincipal.h"
#include "widgets/dialogs.h"
#include "widgets/pageroutines.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

namespace kit {

Check notBlank(const QString& control, const QString& message) {
    return {[control, message](PageContext& page) -> std::optional<QString> {
                if (page.text(control).trimmed().isEmpty())
                    return message;
                return std::nullopt;
            },
            {control}};
}

Check tableNotEmpty(const QString& table, const QString& message) {
    return {[table, message](PageContext& page) -> std::optional<QString> {
                if (page.table(table).recordCount() == 0)
                    return message;
                return std::nullopt;
            },
            {table}};
}

Check confirmed(const QString& question) {
    return [question](PageContext& page) -> std::optional<QString> {
        if (!page.dialogs().confirm(question))
            throw ActionDeclined();
        return std::nullopt;
    };
}

Action send(const QString& path, Reading reading) {
    Action a;
    a.path = path;
    a.reading = std::move(reading);
    return a;
}

Action pickFile(const QString& field) {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [field](PageContext& page) { page.setText(field, getFile(page.text(field))); };
    a.uses = {field};
    return a;
}

Action pickFolder(const QString& field) {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [field](PageContext& page) { page.setText(field, getDir(page.text(field))); };
    a.uses = {field};
    return a;
}

Action setNow(const QString& field) {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [field](PageContext& page) {
        page.setText(field, regional::dateTimeToStr(regional::now()));
    };
    a.uses = {field};
    return a;
}

Action clearField(const QString& field) {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [field](PageContext& page) { page.setText(field, QString()); };
    a.uses = {field};
    return a;
}

Action copyToClipboard(const QString& field) {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [field](PageContext& page) {
        QGuiApplication::clipboard()->setText(page.text(field));
    };
    a.uses = {field};
    return a;
}

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
                      const QString& defaultText, int selected) {
    Control c = make(name, WidgetKind::ComboEditable, label, defaultText);
    c.items = items;
    c.selected = selected;
    return c;
}

Control enumCombo(const QString& name, const QString& label,
                  std::function<std::unique_ptr<TCombo>()> filler, int selected) {
    Control c = make(name, WidgetKind::EnumCombo, label, {});
    c.combo = std::move(filler);
    c.selected = selected;
    c.reselectFirst = true;
    return c;
}

Control check(const QString& name, const QString& caption, bool checked) {
    Control c = make(name, WidgetKind::Check, {}, caption);
    c.checked = checked;
    return c;
}

Control radio(const QString& name, const QString& caption, bool checked) {
    Control c = make(name, WidgetKind::Radio, {}, caption);
    c.checked = checked;
    return c;
}

Control radioGroup(const QString& name, const QString& caption, const QStringList& items,
                   int selected) {
    Control c = make(name, WidgetKind::RadioGroup, {}, caption);
    c.items = items;
    c.selected = selected;
    return c;
}

Control spin(const QString& name, const QString& label, int value, int minimum, int maximum) {
    Control c = make(name, WidgetKind::Spin, label, QString::number(value));
    c.minimum = minimum;
    c.maximum = maximum;
    return c;
}

Control datePicker(const QString& name, const QString& label) {
    return make(name, WidgetKind::Date, label, {});
}

Control dateTimePicker(const QString& name, const QString& label) {
    return make(name, WidgetKind::DateTime, label, {});
}

Control listBox(const QString& name, const QString& label) {
    return make(name, WidgetKind::ListBox, label, {});
}

Control image(const QString& name, const QString& label) {
    return make(name, WidgetKind::Image, label, {});
}

Control grid(const QString& name, const QString& table, const QString& navigator) {
    Control c = make(name, WidgetKind::Grid, {}, {});
    c.table = table;
    c.navigator = navigator;
    return c;
}

Control hint(const QString& name, const QString& text) {
    return make(name, WidgetKind::Label, {}, text);
}

Control button(const QString& name, const QString& caption, Action action) {
    Control c = make(name, WidgetKind::Button, {}, caption);
    c.action = std::move(action);
    return c;
}

Control group(const QString& name, const QString& caption, std::vector<Control> children) {
    Control c = make(name, WidgetKind::Group, {}, caption);
    c.children = std::move(children);
    return c;
}

Control tabs(const QString& name, std::vector<Control> tabPages) {
    Control c = make(name, WidgetKind::Tabs, {}, {});
    c.children = std::move(tabPages);
    return c;
}

Control tab(const QString& name, const QString& caption, std::vector<Control> children) {
    Control c = make(name, WidgetKind::Tab, {}, caption);
    c.children = std::move(children);
    return c;
}

Control datePickerAt(const QString& name, const QString& label, const QString& preset) {
    return datePicker(name, label).presetAt(preset);
}

Control& Control::withNowButton(const QString& buttonName) {
    return withButton(buttonName, QStringLiteral("Atualiza data"), setNow(name));
}

Control& Control::withPrinterLookup(const QString& buttonName,
                                    std::function<QString(PageContext&)> tipoComunicacao) {
    return withButton(buttonName, QStringLiteral("Consulta Impressoras"),
                      readings::printerLookup(name, tipoComunicacao
                                                        ? std::move(tipoComunicacao)
                                                        : readings::fixedText(QString())));
}

void forEachControl(const std::vector<Control>& controls,
                    const std::function<void(const Control&)>& f) {
    for (const Control& c : controls) {
        f(c);
        forEachControl(c.children, f);
    }
}

} // namespace kit
