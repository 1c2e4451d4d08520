#pragma once

#include "pages/kit/valuekinds.h"
#include "widgets/middlewareexchange.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>
#include <vector>

class TCombo;

// The page kit: a page is declared as its controls in tab order (name, widget, label,
// default, JSON key and value kind) with its action buttons among them; the kit builds the
// widgets, the data value and runs the action through the exchange.
namespace kit {

class PageContext;

enum class WidgetKind {
    Line,
    Password,
    Memo,
    ComboList,     // choose from the entries only
    ComboEditable, // entries or typed text
    EnumCombo,     // entries of an enumeration: captions shown, the code is the value
    Check,
    Radio,      // a free radio button
    RadioGroup, // a group box of radio buttons; its value is the chosen position
    Spin,
    Date, // a date picker that keeps the time of its preset value
    DateTime,
    ListBox,
    Image,
    Grid,  // a grid bound to an input table, with its navigator
    Label, // a hint text
    Button,
    Group, // a group box holding child controls
    Tabs,  // an inner tab set; its children are Tab controls
    Tab,
};

// A check before sending: the message to show when it fails, nothing when it passes.
using Check = Named<std::optional<QString>(PageContext&)>;
// Fails with the message when the control's text is blank after trimming.
Check notBlank(const QString& control, const QString& message);
// Fails with the message when the input table shows no row.
Check tableNotEmpty(const QString& table, const QString& message);
// Asks a "Confirmação" yes/no question; "no" ends the action quietly.
Check confirmed(const QString& question);

// Reads the answer of an action (after it was shown in the panes).
using Reading = Named<void(PageContext&, const HttpAnswer&)>;
using ActionFn = std::function<void(PageContext&)>;

enum class Exchange {
    Standard,               // session check, envelope, display and send
    EnvelopeWithoutSession, // envelope without the session check
    Plain,                  // the data value itself, with authentication
    PlainWithoutAuth,       // the data value itself, without authentication
    Get,                    // a GET of the path (pathFn may build it)
    Custom,                 // the action's own code
};

struct Action {
    QString path;                                // API class "/" service name
    std::function<QString(PageContext&)> pathFn; // a path built from fields
    Exchange exchange = Exchange::Standard;
    std::vector<Check> checks;
    DadosFn dados;   // default: an object of the page's keyed controls, in order
    Reading reading; // default: the answer is only shown
    ActionFn custom; // Exchange::Custom
    ExchangeOptions options;
    QStringList uses; // controls a custom action reads, for the page lint
};

// The standard exchange to the service path, with the answer read by the reading (if any).
Action send(const QString& path, Reading reading = {});

// A button that fills a field: "..." file picker, folder picker, "Atualiza data", "Limpar".
Action pickFile(const QString& field);
Action pickFolder(const QString& field);
Action setNow(const QString& field);
Action clearField(const QString& field);
Action copyToClipboard(const QString& field);

struct Control {
    QString name;
    WidgetKind widget = WidgetKind::Line;
    QString label;
    QString labelName; // the label's objectName when it has a name of its own, else "lb_" + name
    QString text;      // default text (caption of a check box, button, radio or group)
    bool checked = false;
    int maxLength = 0;
    QStringList items;
    QVariantList itemData;
    int selected = -1;
    int minimum = 0, maximum = 0; // spin
    bool readOnly = false;
    bool reselectFirst = false; // a list left with nothing selected selects its first entry
    std::function<std::unique_ptr<TCombo>()> combo; // EnumCombo: the filler of its entries
    QString table;                                  // Grid: the input table's name
    QString navigator;                              // Grid: the navigator's name, or none
    QString key;                                    // JSON key; empty when the control is not sent
    ValueKind kind;                                 // how the value is sent
    bool omitWhenBlank = false;                     // the key is left out when the text is blank
    QString buddyButton; // a button beside the field ("..." when it has no caption)
    QString buddyCaption;
    std::optional<Action> buddyAction;
    std::optional<Action> action;                // buttons
    std::function<void(PageContext&)> onChanged; // text, check or selection changed
    std::vector<Control> children;               // Group, Tabs, Tab
    bool digitsOnly = false;                     // Line: only the digits 0 to 9 can be typed
    bool inSight = false; // one of the page's last controls, kept below the scrolling part
    std::vector<std::pair<QString, QString>> columns; // Grid: fields shown, in order, and titles
    std::vector<std::pair<QString, int>> columnChars; // Grid: fields' widths, in characters

    // Sent under the key, as text unless another kind is given.
    Control& sends(const QString& jsonKey, ValueKind valueKind = kinds::text()) {
        key = jsonKey;
        kind = std::move(valueKind);
        return *this;
    }
    // The label carries a name of its own.
    Control& labelNamed(const QString& objectName) {
        labelName = objectName;
        return *this;
    }
    Control& maxLen(int n) {
        maxLength = n;
        return *this;
    }
    Control& readOnlyField() {
        readOnly = true;
        return *this;
    }
    Control& optional() {
        omitWhenBlank = true;
        return *this;
    }
    // A "..." button beside the field that picks a file into it.
    Control& withFilePicker(const QString& buttonName) {
        buddyButton = buttonName;
        buddyAction = pickFile(name);
        return *this;
    }
    Control& withButton(const QString& buttonName, const QString& caption, Action a) {
        buddyButton = buttonName;
        buddyCaption = caption;
        buddyAction = std::move(a);
        return *this;
    }
    // An "Atualiza data" button beside the field that puts the current date and time in it.
    Control& withNowButton(const QString& buttonName);
    // A "Consulta Impressoras" button beside the list that fills it with the printers of the
    // communication type (none: every printer).
    Control& withPrinterLookup(const QString& buttonName,
                               std::function<QString(PageContext&)> tipoComunicacao = {});
    Control& whenChanged(std::function<void(PageContext&)> f) {
        onChanged = std::move(f);
        return *this;
    }
    // A date or date-time picker's preset value, written "DD/MM/YYYY HH:NN:SS" (default: now).
    Control& presetAt(const QString& dateTimeText) {
        text = dateTimeText;
        return *this;
    }
    // A text field that accepts only the digits 0 to 9 as the user types.
    Control& digitsOnlyInput() {
        digitsOnly = true;
        return *this;
    }
    // Of a page's last controls (its action buttons below a tall tab set): they stand below
    // the part of the page that scrolls, so they are seen however tall the page is; the tab
    // order stays the declaration's.
    Control& keptInSight() {
        inSight = true;
        return *this;
    }
    // A grid that shows these fields, in this order, under these titles ("~" breaks a line).
    Control& withColumns(std::vector<std::pair<QString, QString>> fieldsAndTitles) {
        columns = std::move(fieldsAndTitles);
        return *this;
    }
    // A grid whose columns of these fields are as wide as so many characters.
    Control& withColumnWidths(std::vector<std::pair<QString, int>> fieldsAndChars) {
        columnChars = std::move(fieldsAndChars);
        return *this;
    }
};

Control line(const QString& name, const QString& label, const QString& defaultText = {});
Control password(const QString& name, const QString& label, const QString& defaultText = {});
Control memo(const QString& name, const QString& label, const QString& defaultText = {});
Control comboList(const QString& name, const QString& label, const QStringList& items,
                  int selected = -1);
// An editable list whose default text is typed over it; selected chooses an entry first.
Control comboEditable(const QString& name, const QString& label, const QStringList& items,
                      const QString& defaultText = {}, int selected = -1);
Control enumCombo(const QString& name, const QString& label,
                  std::function<std::unique_ptr<TCombo>()> filler, int selected = -1);
Control check(const QString& name, const QString& caption, bool checked = false);
Control radio(const QString& name, const QString& caption, bool checked = false);
Control radioGroup(const QString& name, const QString& caption, const QStringList& items,
                   int selected = 0);
Control spin(const QString& name, const QString& label, int value, int minimum, int maximum);
Control datePicker(const QString& name, const QString& label);
Control dateTimePicker(const QString& name, const QString& label);
Control listBox(const QString& name, const QString& label);
Control image(const QString& name, const QString& label);
Control grid(const QString& name, const QString& table, const QString& navigator);
Control hint(const QString& name, const QString& text);
Control button(const QString& name, const QString& caption, Action action);
Control group(const QString& name, const QString& caption, std::vector<Control> children);
Control tabs(const QString& name, std::vector<Control> tabPages);
Control tab(const QString& name, const QString& caption, std::vector<Control> children);
// A date picker preset to "DD/MM/YYYY HH:NN:SS": it shows the date and keeps the time of day.
Control datePickerAt(const QString& name, const QString& label, const QString& preset);

// A page, declared with designated initialisers:
//   Page{.name = u"ts_Sobre"_s, .description = u"…"_s, .controls = {...}}
// Its caption and place in the window are the tree's (app/pagetree.cpp).
struct Page {
    QString name;        // the tab's object name
    QString description; // one sentence: what the service does (top of the page, tab tooltip)
    std::vector<Control> controls;
    QString groupBox; // optional group box around the controls
    QString groupTitle;
    // The keys of the data value in this order when it differs from the controls' tab order
    // (keys not listed follow, in tab order).
    QStringList keyOrder;
    std::function<void(PageContext&)> onBuilt; // once, after the widgets exist
    std::function<void(PageContext&)> onShown; // every time the page is shown
};

// Every control of a page, containers' children included, in tab order.
void forEachControl(const std::vector<Control>& controls,
                    const std::function<void(const Control&)>& f);

} // namespace kit
