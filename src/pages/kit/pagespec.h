#pragma once

#include "middlewareexchange.h"
#include "valuekinds.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>
#include <vector>

// The page kit: a page is declared as its controls in tab order (name, widget, label,
// default, JSON key and value kind) with its action buttons among them; the kit builds the
// widgets, the data value and runs the action through the exchange.
namespace kit {

class PageContext;

enum class WidgetKind { Line, Password, Memo, ComboList, ComboEditable, Check, Button };

// A check before sending: the message to show when it fails, nothing when it passes.
using Check = std::function<std::optional<QString>(PageContext&)>;
// Fails with the message when the control's text is blank after trimming.
Check notBlank(const QString& control, const QString& message);

// Reads the answer of an action (after it was shown in the panes).
using Reading = std::function<void(PageContext&, const HttpAnswer&)>;
using DadosFn = std::function<json::JsonValue(PageContext&)>;
using ActionFn = std::function<void(PageContext&)>;

enum class Exchange {
    Standard,               // session check, envelope, display and send
    EnvelopeWithoutSession, // envelope without the session check
    Plain,                  // the data value itself, with authentication
    PlainWithoutAuth,       // the data value itself, without authentication
    Custom,                 // the action's own code
};

struct Action {
    QString path; // API class "/" service name
    Exchange exchange = Exchange::Standard;
    std::vector<Check> checks;
    DadosFn dados;   // default: an object of the page's keyed controls, in order
    Reading reading; // default: the answer is only shown
    ActionFn custom; // Exchange::Custom
    MiddlewareExchange::Options options;
};

// Data value kinds that are not built from the controls.
namespace dados {
DadosFn emptyString(); // "Dados":""
DadosFn emptyObject(); // "Dados":{}
} // namespace dados

struct Control {
    QString name;
    WidgetKind widget = WidgetKind::Line;
    QString label;
    QString text; // default text (or caption of a check box or button)
    bool checked = false;
    int maxLength = 0;
    QStringList items;
    QVariantList itemData;
    int selected = -1;
    bool readOnly = false;
    QString key;                  // JSON key; empty when the control is not sent
    ValueKind kind;               // how the value is sent
    std::optional<Action> action; // buttons

    Control& sends(const QString& jsonKey, ValueKind valueKind) {
        key = jsonKey;
        kind = std::move(valueKind);
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
};

Control line(const QString& name, const QString& label, const QString& defaultText = {});
Control password(const QString& name, const QString& label, const QString& defaultText = {});
Control memo(const QString& name, const QString& label, const QString& defaultText = {});
Control comboList(const QString& name, const QString& label, const QStringList& items,
                  int selected = -1);
Control comboEditable(const QString& name, const QString& label, const QStringList& items,
                      const QString& defaultText = {});
Control check(const QString& name, const QString& caption, bool checked = false);
Control button(const QString& name, const QString& caption, Action action);

struct Page {
    QString name;     // the tab's object name
    QString groupBox; // optional group box around the controls
    QString groupTitle;
    std::vector<Control> controls;
    std::function<void(PageContext&)> onBuilt;
};

} // namespace kit
