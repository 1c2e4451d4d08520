#include "widgets/xmlactions.h"

#include "common/xmltext.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSaveFile>

namespace {

void saveXml(const QString& xml) {
    const QString path = dialogs().saveFile(QStringLiteral("Salvar XML"),
                                            QStringLiteral("XML (*.xml);;Todos (*)"), QString());
    if (path.isEmpty())
        return;
    const QByteArray bytes = xml.toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        dialogs().message(
            QStringLiteral("Não foi possível gravar %1: %2").arg(path, file.errorString()),
            Dialogs::Kind::Error);
}

} // namespace

QList<QAction*> xmlActions(const QString& xml, QObject* parent) {
    auto* copy = new QAction(QStringLiteral("Copiar XML"), parent);
    QObject::connect(copy, &QAction::triggered, copy,
                     [xml] { QApplication::clipboard()->setText(xml); });
    auto* save = new QAction(QStringLiteral("Salvar XML…"), parent);
    QObject::connect(save, &QAction::triggered, save, [xml] { saveXml(xml); });
    return {copy, save};
}

void offerXmlActions(QPlainTextEdit* field) {
    field->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(field, &QPlainTextEdit::customContextMenuRequested, field,
                     [field](const QPoint& at) {
                         QMenu* menu = field->createStandardContextMenu(at);
                         if (const auto xml = xmltext::ofField(field->toPlainText())) {
                             QAction* first = menu->actions().value(0);
                             menu->insertActions(first, xmlActions(*xml, menu));
                             menu->insertSeparator(first);
                         }
                         menu->exec(field->viewport()->mapToGlobal(at));
                         delete menu;
                     });
}
