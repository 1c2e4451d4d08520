#include "widgets/xmlactions.h"

#include "common/exception.h"
#include "common/filehelpers.h"
#include "common/xmltext.h"
#include "widgets/dialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

void saveXml(const QString& xml) {
    const QString path = dialogs().saveFile(QStringLiteral("Salvar XML"),
                                            QStringLiteral("XML (*.xml);;Todos (*)"), QString());
    if (path.isEmpty())
        return;
    try {
        writeFileWhole(path, xml.toUtf8());
    } catch (const Exception& e) {
        dialogs().message(e.message(), Dialogs::Kind::Error);
    }
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
