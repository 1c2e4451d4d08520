#include "widgets/exchangestatus.h"

#include "common/bytesize.h"
#include "widgets/busywait.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>

namespace {

QString seconds(double ms) {
    if (ms < 1000)
        return QStringLiteral("%1 ms").arg(qint64(ms));
    return QString::number(ms / 1000, 'f', 1).replace(u'.', u',') + QStringLiteral(" s");
}

QString firstLine(const QString& text) {
    return text.section(u'\n', 0, 0).trimmed();
}

} // namespace

StatusAnnouncements& statusAnnouncements() {
    static StatusAnnouncements announcements;
    return announcements;
}

ExchangeStatus::ExchangeStatus(QWidget* parent)
    : QWidget(parent), m_text(new QLabel(this)), m_open(new QPushButton(this)),
      m_openFolder(new QPushButton(this)), m_cancel(new QPushButton(this)),
      m_timeout(new QSpinBox(this)) {
    setObjectName(QStringLiteral("pn_Troca"));
    m_text->setObjectName(QStringLiteral("lb_Troca"));
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumWidth(100);
    m_text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_open->setObjectName(QStringLiteral("bt_AbrirArquivoSalvo"));
    m_open->setText(QStringLiteral("Abrir"));
    m_open->setFlat(true);
    m_open->setVisible(false);
    connect(m_open, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(m_savedFile)); });
    m_openFolder->setObjectName(QStringLiteral("bt_AbrirPastaArquivoSalvo"));
    m_openFolder->setText(QStringLiteral("Abrir pasta"));
    m_openFolder->setFlat(true);
    m_openFolder->setVisible(false);
    connect(m_openFolder, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(m_savedFile).absolutePath()));
    });
    m_cancel->setObjectName(QStringLiteral("bt_Cancelar"));
    m_cancel->setText(QStringLiteral("Cancelar"));
    m_cancel->setToolTip(QStringLiteral("Cancela a requisição em andamento (Esc)"));
    m_cancel->setVisible(false);
    acceptInputWhileWaiting(m_cancel);
    connect(m_cancel, &QPushButton::clicked, this, [] { requestCancel(); });
    m_timeout->setObjectName(QStringLiteral("ed_TempoLimite"));
    m_timeout->setRange(0, 24 * 60 * 60);
    m_timeout->setSpecialValueText(QStringLiteral("sem limite"));
    m_timeout->setSuffix(QStringLiteral(" s"));
    m_timeout->setToolTip(QStringLiteral("Tempo máximo de espera por uma resposta"));
    connect(m_timeout, &QSpinBox::valueChanged, this, &ExchangeStatus::timeoutChanged);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_open);
    layout->addWidget(m_openFolder);
    layout->addWidget(m_cancel);
    layout->addWidget(new QLabel(QStringLiteral("Tempo limite"), this));
    layout->addWidget(m_timeout);
    m_ticker.setInterval(100);
    connect(&m_ticker, &QTimer::timeout, this, &ExchangeStatus::tick);
    connect(&waitSignals(), &WaitSignals::started, this, &ExchangeStatus::waitStarted);
    connect(&waitSignals(), &WaitSignals::ended, this, &ExchangeStatus::waitEnded);
    connect(&statusAnnouncements(), &StatusAnnouncements::fileSaved, this,
            &ExchangeStatus::showSavedFile);
    connect(&statusAnnouncements(), &StatusAnnouncements::outcome, this,
            &ExchangeStatus::showOutcome);
}

void ExchangeStatus::setFileLinks(const QString& path) {
    m_savedFile = path;
    m_open->setVisible(!path.isEmpty());
    m_openFolder->setVisible(!path.isEmpty());
}

void ExchangeStatus::showSavedFile(const QString& path) {
    const QString shown = QDir::current().relativeFilePath(QFileInfo(path).absoluteFilePath());
    m_text->setText(QStringLiteral("Salvo: %1 · %2")
                        .arg(shown.startsWith(QLatin1String("..")) ? path : shown,
                             formatByteSize(QFileInfo(path).size())));
    m_text->setToolTip(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    m_text->setStyleSheet(QString());
    setFileLinks(path);
}

void ExchangeStatus::showOutcome(const QString& text, bool bad) {
    m_text->setText(text);
    m_text->setToolTip(text);
    m_text->setStyleSheet(bad ? QStringLiteral("color: #a00000") : QString());
    setFileLinks(QString());
}

QString ExchangeStatus::text() const {
    return m_text->text();
}

int ExchangeStatus::timeoutSeconds() const {
    return m_timeout->value();
}

void ExchangeStatus::waitStarted(const QString& what) {
    m_waitingFor = what;
    m_elapsed.start();
    m_text->setStyleSheet(QString());
    m_cancel->setVisible(true);
    m_cancel->setEnabled(true);
    tick();
    m_ticker.start();
}

void ExchangeStatus::waitEnded() {
    if (isWaitingForWork())
        return;
    m_ticker.stop();
    m_cancel->setVisible(false);
}

void ExchangeStatus::tick() {
    const QString elapsed = seconds(double(m_elapsed.elapsed()));
    if (cancelRequested()) {
        m_cancel->setEnabled(false);
        m_text->setText(QStringLiteral("Cancelando… %1").arg(elapsed));
        return;
    }
    m_text->setText((m_waitingFor.isEmpty() ? QStringLiteral("Aguardando…") : m_waitingFor) + u' ' +
                    elapsed);
}

void ExchangeStatus::showRecord(const ExchangeRecord& record) {
    // The verdict and figures first, the URL last: a narrow window cuts the end of the line (its
    // tooltip holds all of it).
    QStringList parts;
    if (record.status != 0)
        parts << (record.statusLine.isEmpty() ? QStringLiteral("HTTP %1").arg(record.status)
                                              : record.statusLine);
    parts << seconds(record.elapsedMs);
    parts << QStringLiteral("enviados %1, recebidos %2")
                 .arg(formatByteSize(record.request.size()), formatByteSize(record.answer.size()));
    bool bad = false;
    if (record.cancelled) {
        parts << QStringLiteral("cancelada pelo usuário");
        bad = true;
    } else if (record.rejected) {
        parts << QStringLiteral("Rejeitada: %1").arg(firstLine(record.rejection));
        bad = true;
    } else if (!record.failure.isEmpty()) {
        if (record.status == 0)
            parts << QStringLiteral("Falhou: %1").arg(firstLine(record.failure.simplified()));
        bad = true;
    }
    if (record.tls.insecure)
        parts << QString::fromUtf8(kInsecureMark);
    if (!record.tlsSession.isEmpty())
        parts << record.tlsSession.brief();
    parts << record.method + u' ' + record.url;
    if (!record.tlsSession.server.isNull())
        parts << QStringLiteral("SHA-256 ") + record.tlsSession.server.sha256;
    m_text->setText(parts.join(QStringLiteral(" · ")));
    m_text->setToolTip(m_text->text());
    m_text->setStyleSheet(bad ? QStringLiteral("color: #a00000") : QString());
    setFileLinks(QString());
}
