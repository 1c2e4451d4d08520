#pragma once

#include "pages/kit/pagespec.h"
#include "pages/kit/tablerows.h"

#include <QHash>
#include <QObject>

class QWidget;
class Dialogs;
class MemTable;
class TdmPrincipal;

namespace kit {

// What pages need from the window.
class PageHost {
public:
    virtual ~PageHost() = default;
    virtual MiddlewareExchange& exchange() = 0;
    virtual TdmPrincipal& data() = 0;
    // A control of any page by name, building its page first when needed; nullptr if none.
    virtual QWidget* findControl(const QString& name) = 0;
    // Runs a button action: an error that leaves it is shown in a message box.
    virtual void runGuarded(const std::function<void()>& action) = 0;
};

// A built page: its declaration and its widgets by name.
class PageInstance : public QObject {
public:
    PageInstance(Page declaration, QObject* parent)
        : QObject(parent), m_declaration(std::move(declaration)) {}
    const Page& declaration() const { return m_declaration; }
    void addWidget(const QString& name, QWidget* widget) { m_widgets.insert(name, widget); }
    QWidget* widget(const QString& name) const { return m_widgets.value(name); }

private:
    Page m_declaration;
    QHash<QString, QWidget*> m_widgets;
};

// The control's value as its kind sends it; a file error names the field by its label.
json::JsonValue valueNamingField(const Control& c, const FieldValue& v);

// A page's view of its controls and of the window while an action runs.
class PageContext {
public:
    PageContext(PageHost& host, PageInstance& page) : m_host(host), m_page(page) {}

    // This page's control, or another page's; raises when there is none.
    QWidget* widget(const QString& name) const;
    template <typename W> W& as(const QString& name) const {
        if (auto* w = qobject_cast<W*>(widget(name)))
            return *w;
        throw Exception(QStringLiteral("Controle %1 não é do tipo esperado").arg(name));
    }
    FieldValue value(const QString& name) const;
    QString text(const QString& name) const { return value(name).text; }
    bool checked(const QString& name) const { return value(name).checked; }
    void setText(const QString& name, const QString& text) const;
    void setChecked(const QString& name, bool checked) const;
    void setVisible(const QString& name, bool visible) const;
    void setEnabled(const QString& name, bool enabled) const;
    MemTable& table(const QString& name) const;

    // The page's keyed controls as an object, in declaration order; with a row, the keys of
    // rowKeys take the row's cells instead of the controls' values.
    json::JsonValue keyedObject(const std::vector<Column>& rowKeys = {},
                                const MemTable* row = nullptr) const;
    void runAction(const Action& action);

    MiddlewareExchange& exchange() const { return m_host.exchange(); }
    Dialogs& dialogs() const;
    const Page& declaration() const { return m_page.declaration(); }

private:
    PageHost& m_host;
    PageInstance& m_page;
};

// A failed check: shown as a warning, ends the action before anything is sent.
class CheckFailed : public Exception {
public:
    using Exception::Exception;
    QString className() const override { return QStringLiteral("CheckFailed"); }
};

// The user answered "no" to a confirmation: the action ends quietly.
class ActionDeclined : public Exception {
public:
    ActionDeclined() : Exception(QString()) {}
    QString className() const override { return QStringLiteral("ActionDeclined"); }
};

// Reads any supported widget's value.
FieldValue readField(const QWidget* widget);

// The property of a date-only picker that holds the time its value keeps.
inline constexpr const char* kKeptTimeProperty = "keptTime";

} // namespace kit
