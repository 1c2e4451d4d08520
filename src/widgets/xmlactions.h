#pragma once

#include <QList>
#include <QString>

class QAction;
class QObject;
class QPlainTextEdit;

// "Copiar XML" and "Salvar XML…" for XML held in a text (see common/xmltext.h): they copy or
// save the XML itself, unquoted, and leave the text as it is.
QList<QAction*> xmlActions(const QString& xml, QObject* parent);
// A multi-line field offers them in its context menu whenever its text holds XML.
void offerXmlActions(QPlainTextEdit* field);
