#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class QMenu;
class QWidget;

namespace kit {

class PageHost;
class PageInstance;

// A page's values under names ("Valores"): one JSON file per page, readable and portable,
// {"pagina": name, "valores": {preset: {control: value, …}, …}}. A grid's value is its rows,
// each an object of its fields.
class PagePresets {
public:
    // The folder the files are in: "valores" in the user's data folder.
    static QString folder();
    explicit PagePresets(const QString& pageName);

    QStringList names() const;
    std::optional<QJsonObject> get(const QString& name) const;
    // Raise EFileError when the file cannot be written.
    void put(const QString& name, const QJsonObject& values);
    bool rename(const QString& from, const QString& to);
    void remove(const QString& name);
    const QString& file() const { return m_file; }

private:
    QJsonObject read() const;
    void write(const QJsonObject& presets);

    QString m_page;
    QString m_file;
};

// The values of the page's controls that the user sets (fields, choices, ticks, dates, grids).
QJsonObject captureValues(PageInstance& page, PageHost& host);
// Puts the values back; returns the names the page does not have (any more).
QStringList applyValues(PageInstance& page, PageHost& host, const QJsonObject& values);

// The "Valores" menu over the page: "Salvar como…", the presets, "Restaurar padrões",
// "Gerenciar…". The page's values as built are its defaults.
class PresetsMenu : public QObject {
    Q_OBJECT
public:
    PresetsMenu(QWidget* root, PageInstance& page, PageHost& host);

    PagePresets& presets() { return m_presets; }
    // What the menu's entries do, once the name is known.
    void saveAs(const QString& name);
    void load(const QString& name);
    void restoreDefaults();
    void manage();

private:
    void fillMenu();
    void apply(const QJsonObject& values);

    PageInstance& m_page;
    PageHost& m_host;
    PagePresets m_presets;
    QJsonObject m_defaults;
    QWidget* m_root;
    QMenu* m_menu;
};

} // namespace kit
