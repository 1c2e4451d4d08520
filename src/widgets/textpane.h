#pragma once

#include "common/jsonpretty.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <memory>

class FindBar;
class IndexedText;
class LargeTextView;
class QLabel;
class QMenu;
class QToolButton;

// A read-only text pane (mm_Request, mm_Response) that keeps and shows the whole text at any
// size, in two views: "Exato", the text byte for byte, and "Formatado", the JSON indented with
// its escapes shown as characters and long strings folded (a click saves them; a typed file
// also opens in the system's viewer). A text that is not JSON shows as it is in both views.
// Ctrl+F opens the find bar. A text given as UTF-8 bytes (an answer as received) is kept as
// them: only what is in sight, or what a reader asks for, is decoded.
class TextPane : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Exact, Formatted };

    explicit TextPane(const QString& objectName, QWidget* parent = nullptr);
    ~TextPane() override;

    // The exact text, whatever the view shows (decoded here when it is kept as bytes).
    QString text() const;
    // The exact text as UTF-8: the bytes kept, shared, or the text encoded.
    QByteArray utf8() const;
    void setText(const QString& text);
    void setUtf8(const QByteArray& utf8);
    void clear() { setText(QString()); }
    // Appends text as the pane's following lines.
    void append(const QString& text);
    void appendUtf8(const QByteArray& utf8);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    // The formatted view is being prepared (off the UI thread).
    bool isFormatting() const { return m_formatting; }
    // The strings folded in the formatted view.
    const std::vector<jsonpretty::Fold>& folds() const;
    // Asks where to save a folded string and writes its bytes there.
    void saveFold(int index);
    // Opens a folded file of a known type in the system's viewer.
    void openFold(int index);

    LargeTextView* view() const { return m_view; }
    FindBar* findBar() const { return m_find; }

Q_SIGNALS:
    void formatted(); // the formatted view is shown

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // What was kept of the answer shown is let go of off the UI thread.
    void letGoOfAnswer();
    void activateLink(int link);
    void fillMenu(QMenu* menu, qint64 offset);
    void showCurrent();
    bool isEmpty() const { return m_isUtf8 ? m_utf8.isEmpty() : m_text.isEmpty(); }
    void showFormatted();
    void saveAll();
    void updateInfo();

    QString m_text;    // the text given as a QString
    QByteArray m_utf8; // or as bytes
    bool m_isUtf8 = false;
    // The exact text indexed, once the view has indexed it (its size, and shown again at once).
    std::shared_ptr<const IndexedText> m_exactIndexed;
    bool m_viewShowsExact = false;
    Mode m_mode = Mode::Exact;
    quint64 m_generation = 0;       // of the text
    quint64 m_formattedFor = ~0ull; // the generation m_formattedView was made of
    bool m_formatting = false;
    std::shared_ptr<const jsonpretty::Formatted> m_formattedView;
    struct LinkTarget {
        int fold = 0;
        bool open = false; // else save
    };
    std::vector<LinkTarget> m_linkTargets; // of the view's links, in order
    LargeTextView* m_view;
    FindBar* m_find;
    QLabel* m_info;
    QToolButton* m_exact;
    QToolButton* m_pretty;
};
