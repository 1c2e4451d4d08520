#pragma once

#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// A read-only text pane that stays responsive with answers of tens of megabytes: it keeps
// the whole text for the code that reads it, shows at most kShownLimit characters, and then
// says how much is hidden and offers to save all of it.
class TextPane : public QWidget {
    Q_OBJECT
public:
    static constexpr qsizetype kShownLimit = 32'000;

    explicit TextPane(const QString& objectName, QWidget* parent = nullptr);

    const QString& text() const { return m_text; }
    void setText(const QString& text);
    void clear() { setText(QString()); }
    // Appends text as the pane's following lines.
    void append(const QString& text);
    bool isElided() const { return m_text.size() > kShownLimit; }
    QPlainTextEdit* view() const { return m_view; }

private:
    void refresh();
    void saveAll();

    QString m_text;
    QPlainTextEdit* m_view;
    QWidget* m_bar;
    QLabel* m_info;
};
