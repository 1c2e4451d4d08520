#pragma once

#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

class LargeTextView;
class QLabel;
class QLineEdit;

// The find bar of a text view (Ctrl+F): every match of the text typed is found off the UI
// thread (ignoring case), counted and highlighted; next and previous move between them.
class FindBar : public QWidget {
    Q_OBJECT
public:
    FindBar(LargeTextView* view, const QString& namePrefix, QWidget* parent = nullptr);

    // Shows the bar with the focus in its field.
    void open();
    void close();
    void setQuery(const QString& query); // and searches at once
    QString query() const;
    // Searches again (the view's text changed).
    void refresh();
    bool isSearching() const { return m_searching; }
    qint64 matchCount() const { return m_matches ? qint64(m_matches->size()) : 0; }
    qint64 currentMatch() const { return m_current; }
    QString status() const;
    void next();
    void previous();

Q_SIGNALS:
    void searched(); // the matches of the latest query are known

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search();
    void show(qint64 index);

    LargeTextView* m_view;
    QLineEdit* m_field;
    QLabel* m_count;
    QTimer m_debounce;
    std::shared_ptr<const std::vector<qint64>> m_matches;
    qint64 m_current = -1;
    quint64 m_generation = 0;
    bool m_searching = false;
};
