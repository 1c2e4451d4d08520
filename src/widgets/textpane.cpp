#include "widgets/textpane.h"

#include "common/bytesize.h"
#include "common/filesave.h"
#include "common/xmltext.h"
#include "widgets/busywait.h"
#include "widgets/dialogs.h"
#include "widgets/findbar.h"
#include "widgets/largetextview.h"
#include "widgets/offthread.h"
#include "widgets/typedmember.h"
#include "widgets/xmlactions.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include <functional>
#include <tuple>

namespace {

const std::vector<jsonpretty::Fold> kNoFolds;

// Writes the bytes under a temporary name and puts the file in place only once all of them
// are written, so that a failed or cancelled save leaves no partial file.
void writeWhole(const QString& path, const QByteArray& bytes) {
    FileSave file(path);
    file.write(bytes);
    if (cancelRequested())
        return; // nothing is put in place
    file.commit();
}

void saveInBackground(const QString& path, const std::function<QByteArray()>& bytes) {
    try {
        waitWithoutFreezing(QStringLiteral("Gravando %1…").arg(path), [&] {
            writeWhole(path, bytes());
            return true;
        });
    } catch (const ERequestCancelled&) {
        // The user stopped the save: no file was put in place.
    } catch (const Exception& e) {
        dialogs().message(e.message(), Dialogs::Kind::Error);
    }
}

} // namespace

TextPane::TextPane(const QString& objectName, QWidget* parent)
    : QWidget(parent), m_view(new LargeTextView(this)), m_info(new QLabel(this)),
      m_exact(new QToolButton(this)), m_pretty(new QToolButton(this)) {
    setObjectName(objectName);
    m_view->setObjectName(objectName + QStringLiteral("_texto"));
    // The text can be scrolled, selected and copied while a request waits.
    acceptInputWhileWaiting(m_view);
    m_find = new FindBar(m_view, objectName, this);

    auto* modes = new QButtonGroup(this);
    for (auto [button, name, caption, tip] :
         {std::tuple{m_exact, QStringLiteral("_exato"), QStringLiteral("Exato"),
                     QStringLiteral("O texto como foi enviado ou recebido, byte a byte")},
          std::tuple{m_pretty, QStringLiteral("_formatado"), QStringLiteral("Formatado"),
                     QStringLiteral("O JSON indentado, com os caracteres no lugar dos escapes")}}) {
        button->setObjectName(objectName + name);
        button->setText(caption);
        button->setToolTip(tip);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        modes->addButton(button);
    }
    m_exact->setChecked(true);
    connect(m_exact, &QToolButton::clicked, this, [this] { setMode(Mode::Exact); });
    connect(m_pretty, &QToolButton::clicked, this, [this] { setMode(Mode::Formatted); });

    auto* findButton = new QToolButton(this);
    findButton->setObjectName(objectName + QStringLiteral("_buscar"));
    findButton->setText(QStringLiteral("Localizar"));
    findButton->setToolTip(QStringLiteral("Localizar no texto (Ctrl+F)"));
    findButton->setAutoRaise(true);
    findButton->setFocusPolicy(Qt::NoFocus);
    connect(findButton, &QToolButton::clicked, m_find, &FindBar::open);
    auto* save = new QToolButton(this);
    save->setText(QStringLiteral("Salvar tudo..."));
    save->setObjectName(objectName + QStringLiteral("_salvar"));
    save->setAutoRaise(true);
    save->setFocusPolicy(Qt::NoFocus);
    connect(save, &QToolButton::clicked, this, &TextPane::saveAll);
    m_info->setObjectName(objectName + QStringLiteral("_info"));
    m_info->setEnabled(false);
    m_info->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);

    // Ctrl+F belongs to the window, which opens the find bar of the pane in use.
    auto* find = new QAction(QStringLiteral("Localizar…\tCtrl+F"), this);
    connect(find, &QAction::triggered, m_find, &FindBar::open);
    m_view->addAction(find);

    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setSpacing(2);
    bar->addWidget(m_exact);
    bar->addWidget(m_pretty);
    bar->addWidget(m_info, 1);
    bar->addWidget(findButton);
    bar->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_find);
    setFocusProxy(m_view);
    connect(m_view, &LargeTextView::linkActivated, this, &TextPane::activateLink);
    connect(m_view, &LargeTextView::menuRequested, this, &TextPane::fillMenu);
    connect(m_view, &LargeTextView::indexed, m_find, &FindBar::refresh);
    connect(m_view, &LargeTextView::indexed, this, [this] {
        if (m_viewShowsExact) {
            m_exactIndexed = m_view->content();
            updateInfo();
        }
    });
    updateInfo();
}

TextPane::~TextPane() = default;

QString TextPane::text() const {
    return m_isUtf8 ? IndexedText::decode(m_utf8) : m_text;
}

QByteArray TextPane::utf8() const {
    return m_isUtf8 ? m_utf8 : m_text.toUtf8();
}

void TextPane::setText(const QString& text) {
    QString given = text; // before letting go: the text may be the one shown
    letGoOfAnswer();
    m_text = std::move(given);
    m_isUtf8 = false;
    showCurrent();
}

void TextPane::setUtf8(const QByteArray& utf8) {
    QByteArray given = utf8;
    letGoOfAnswer();
    m_utf8 = std::move(given);
    m_isUtf8 = true;
    showCurrent();
}

void TextPane::letGoOfAnswer() {
    ++m_generation;
    releaseOffUiThread(m_text, m_utf8, m_exactIndexed, m_formattedView);
}

void TextPane::append(const QString& text) {
    if (isEmpty()) {
        setText(text); // shares the text: no copy of a large answer on the UI thread
        return;
    }
    if (m_isUtf8)
        setUtf8(m_utf8 + '\n' + text.toUtf8());
    else
        setText(m_text + u'\n' + text);
}

void TextPane::appendUtf8(const QByteArray& utf8) {
    if (isEmpty()) {
        setUtf8(utf8); // shares the bytes: no copy of a large answer on the UI thread
        return;
    }
    if (m_isUtf8)
        setUtf8(m_utf8 + '\n' + utf8);
    else
        setText(m_text + u'\n' + IndexedText::decode(utf8));
}

void TextPane::setMode(Mode mode) {
    m_mode = mode;
    (mode == Mode::Exact ? m_exact : m_pretty)->setChecked(true);
    showCurrent();
}

const std::vector<jsonpretty::Fold>& TextPane::folds() const {
    return m_mode == Mode::Formatted && m_formattedView ? m_formattedView->folds : kNoFolds;
}

void TextPane::showCurrent() {
    m_viewShowsExact = m_mode == Mode::Exact;
    if (m_mode == Mode::Exact) {
        m_formatting = false;
        if (m_exactIndexed)
            m_view->setContent(m_exactIndexed);
        else if (m_isUtf8)
            m_view->setUtf8(m_utf8);
        else
            m_view->setText(m_text);
        updateInfo();
        return;
    }
    if (m_formattedView && m_formattedFor == m_generation) {
        showFormatted();
        return;
    }
    m_formatting = true;
    m_view->setText(QStringLiteral("Formatando…"));
    updateInfo();
    const quint64 generation = m_generation;
    runOffUiThread(
        this,
        [given = m_text, utf8 = m_utf8, isUtf8 = m_isUtf8] {
            jsonpretty::Formatted f = isUtf8 ? jsonpretty::format(utf8) : jsonpretty::format(given);
            return std::make_shared<const jsonpretty::Formatted>(std::move(f));
        },
        [this, generation](std::shared_ptr<const jsonpretty::Formatted> done) {
            if (generation != m_generation || m_mode != Mode::Formatted) {
                releaseOffUiThread(done); // a view nobody waits for any more
                return;
            }
            releaseOffUiThread(m_formattedView); // made by an earlier press, if any
            m_formattedView = std::move(done);
            m_formattedFor = generation;
            showFormatted();
        });
}

void TextPane::showFormatted() {
    m_formatting = false;
    const jsonpretty::Formatted& f = *m_formattedView;
    m_linkTargets.clear();
    if (!f.isJson) {
        // A plain text ("*** VERIFIQUE NO GRID ***") reads as it is, as in "Exato".
        if (m_exactIndexed)
            m_view->setContent(m_exactIndexed);
        else if (m_isUtf8)
            m_view->setUtf8(m_utf8);
        else
            m_view->setText(m_text);
    } else {
        m_view->setText(f.text);
        std::vector<LargeTextView::Range> links;
        links.reserve(f.folds.size());
        for (std::size_t i = 0; i < f.folds.size(); ++i) {
            const jsonpretty::Fold& fold = f.folds[i];
            if (fold.open.length > 0) {
                links.push_back({fold.open.start, fold.open.length});
                m_linkTargets.push_back({int(i), true});
            }
            links.push_back({fold.save.start, fold.save.length});
            m_linkTargets.push_back({int(i), false});
        }
        m_view->setLinks(std::move(links));
    }
    updateInfo();
    Q_EMIT formatted();
}

void TextPane::activateLink(int link) {
    if (link < 0 || std::size_t(link) >= m_linkTargets.size())
        return;
    const LinkTarget target = m_linkTargets[std::size_t(link)];
    if (target.open)
        openFold(target.fold);
    else
        saveFold(target.fold);
}

void TextPane::fillMenu(QMenu* menu, qint64 offset) {
    const auto& all = folds();
    for (std::size_t i = 0; i < all.size(); ++i) {
        const jsonpretty::Fold& fold = all[i];
        if (offset < fold.start || offset >= fold.start + fold.length)
            continue;
        if (fold.open.length > 0)
            menu->addAction(QStringLiteral("Abrir"), this, [this, i] { openFold(int(i)); });
        menu->addAction(QStringLiteral("Salvar como…"), this, [this, i] { saveFold(int(i)); });
        return;
    }
    // Searched in the text as the view keeps it: an answer kept as bytes is not decoded.
    if (const auto& content = m_view->content())
        if (const auto xml = xmltext::stringAt(*content, offset))
            menu->addActions(xmlActions(*xml, menu));
}

void TextPane::updateInfo() {
    // A text kept as bytes is counted once indexed.
    const qint64 size = m_exactIndexed ? m_exactIndexed->size() : m_isUtf8 ? -1 : m_text.size();
    const QString info =
        m_formatting ? QStringLiteral("Formatando…")
        : isEmpty() || size < 0
            ? QString()
            : QStringLiteral("%1 caracteres")
                  .arg(QLocale(QLocale::Portuguese, QLocale::Brazil).toString(size));
    m_info->setToolTip(info);
    // Shown whole or not at all: a narrow pane has no room for half of it.
    m_info->setText(m_info->fontMetrics().horizontalAdvance(info) <= m_info->width() ? info
                                                                                     : QString());
}

void TextPane::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    updateInfo();
}

void TextPane::saveFold(int index) {
    const auto& all = folds();
    if (index < 0 || std::size_t(index) >= all.size())
        return;
    const jsonpretty::Fold fold = all[std::size_t(index)];
    const QString type = filekind::extension(fold.kind);
    const QString path = dialogs().saveFile(
        QStringLiteral("Salvar como"),
        !type.isEmpty()
            ? QStringLiteral("%1 (*.%2);;Todos (*)").arg(filekind::name(fold.kind), type)
        : fold.base64 ? QStringLiteral("Todos (*)")
                      : QStringLiteral("Texto (*.txt);;Todos (*)"),
        QString());
    if (path.isEmpty())
        return;
    saveInBackground(path, [fold] { return fold.bytes(); });
}

void TextPane::openFold(int index) {
    const auto& all = folds();
    if (index < 0 || std::size_t(index) >= all.size() ||
        all[std::size_t(index)].kind == filekind::Kind::None)
        return;
    const jsonpretty::Fold fold = all[std::size_t(index)]; // the view may change meanwhile
    openTypedMember(fold);
}

void TextPane::saveAll() {
    const QString path =
        dialogs().saveFile(QStringLiteral("Salvar texto completo"),
                           QStringLiteral("Texto (*.txt *.json);;Todos (*)"), QString());
    if (path.isEmpty())
        return;
    saveInBackground(path, [text = m_text, utf8 = m_utf8, isUtf8 = m_isUtf8] {
        return isUtf8 ? utf8 : text.toUtf8();
    });
}
