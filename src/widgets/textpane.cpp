#include "widgets/textpane.h"

#include "widgets/dialogs.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TextPane::TextPane(const QString& objectName, QWidget* parent)
    : QWidget(parent), m_view(new QPlainTextEdit(this)), m_bar(new QWidget(this)),
      m_info(new QLabel(m_bar)) {
    setObjectName(objectName);
    m_view->setObjectName(objectName + QStringLiteral("_texto"));
    m_view->setReadOnly(true);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* save = new QPushButton(QStringLiteral("Salvar tudo..."), m_bar);
    save->setObjectName(objectName + QStringLiteral("_salvar"));
    save->setFocusPolicy(Qt::NoFocus);
    connect(save, &QPushButton::clicked, this, &TextPane::saveAll);
    auto* barLayout = new QHBoxLayout(m_bar);
    barLayout->setContentsMargins(0, 0, 0, 0);
    barLayout->addWidget(m_info, 1);
    barLayout->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_bar);
    m_bar->hide();
    setFocusProxy(m_view);
}

void TextPane::setText(const QString& text) {
    m_text = text;
    refresh();
}

void TextPane::append(const QString& text) {
    if (!m_text.isEmpty())
        m_text += u'\n';
    m_text += text;
    refresh();
}

void TextPane::refresh() {
    if (!isElided()) {
        m_view->setPlainText(m_text);
        m_bar->hide();
        return;
    }
    m_view->setPlainText(m_text.left(kShownLimit));
    m_info->setText(
        QStringLiteral("Mostrando %L1 de %L2 caracteres.").arg(kShownLimit).arg(m_text.size()));
    m_bar->show();
}

void TextPane::saveAll() {
    const QString path =
        dialogs().saveFile(QStringLiteral("Salvar texto completo"),
                           QStringLiteral("Texto (*.txt *.json);;Todos (*)"), QString());
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_text.toUtf8()) < 0)
        dialogs().message(
            QStringLiteral("Não foi possível gravar %1: %2").arg(path, file.errorString()),
            Dialogs::Kind::Error);
}
