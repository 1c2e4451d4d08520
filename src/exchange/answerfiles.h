#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The files answers carry in base64, saved while the answer is parsed: each candidate text is
// decoded straight into a temporary file in the folder, never copied whole, and only the one the
// answer's reading picks is moved into place. Nothing is left behind when the answer is not
// saved or the save fails. Both return the path written, or nothing; they raise EFileError when
// a file cannot be written and Exception when the chosen text is not valid base64.

// "conteudo"."str" as folder/<fileName> when the answer reports no error and the text is not
// blank.
QString saveContentFileFromAnswer(const QByteArray& body, const QString& folder,
                                  const QString& fileName);

// The file record of "conteudo"."livre" under its own name in the folder, when the answer
// reports no error and both the name and the base64 text are not blank. checkName sees the
// name before anything is written and raises to refuse it.
QString saveFileRecordFromAnswer(const QByteArray& body, const QString& folder,
                                 const std::function<void(const QString&)>& checkName);
