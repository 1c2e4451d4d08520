#pragma once

#include "common/jsonvalue.h"
#include "widgets/busywait.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QComboBox;
class MiddlewareExchange;

// Routines many pages share beside the exchange. Answers are read from their bytes with the
// UTF-8 step.

// Answers at least this large are read on a helper thread.
inline constexpr qsizetype kAnswerReadInPlaceBytes = 256 * 1024;

// Runs work that grows with an answer (parsing, decoding, writing files) on a helper thread
// while the window keeps painting, when the answer is large; a small one is read in place.
// The work must not touch widgets.
template <typename Work> auto offUiThread(qsizetype answerBytes, Work&& work) {
    if (answerBytes < kAnswerReadInPlaceBytes)
        return work();
    return waitWithoutFreezing(std::forward<Work>(work));
}

// The answer parsed with the UTF-8 step (parseUtf8Answer), off the UI thread when large.
std::optional<json::JsonValue> parseAnswer(const QByteArray& body);

// "result"."conteudo"."livre" of a parsed answer as a list: nothing when the answer reports an
// error or has no "livre"; an answer that is not JSON, whose "result" is not an object or whose
// "livre" is not a list raises, naming what was expected. The list lives in the parsed answer.
const json::JsonValue* answerLivreList(const std::optional<json::JsonValue>& parsed);

// Both forms decode and write on a helper thread when the answer is large, streaming the
// base64 into a temporary file that replaces the destination only once complete.
// Form A: saves the base64 of "conteudo"."str" as Arquivos/<method>.<extension> when the
// answer reports no error and the text is not blank. Returns the path written, or nothing.
QString ResultDecodeBase64(const QString& method, const QString& extension,
                           const QByteArray& responseBody);
// Form B: saves the file record of "conteudo"."livre" under its own name in Arquivos when the
// answer reports no error. The name must be a bare file name: a name with folders, a drive,
// a control character, or made only of dots is refused with a clear error and nothing is
// written.
QString ResultDecodeBase64(const QString& method, const QByteArray& responseBody);

// The printer-list lookup: empties the list, asks "TConexaoAPI/ConsultaImpressora" for the
// communication type and adds every printer's name in the order received.
void TConexaoAPIConsultaImpressoras(MiddlewareExchange& exchange, QComboBox& list,
                                    const QString& tipoComunicacao);

// File picker (_GetFile): the chosen existing file, or the current path when cancelled.
QString getFile(const QString& currentPath);
// Folder picker (_GetDir): the chosen folder (created after confirmation when it does not exist),
// or the current text when cancelled.
QString getDir(const QString& currentFolder);

// The output folder for decoded files.
QString outputFolder();
