#include "widgets/pageroutines.h"

#include "common/exception.h"
#include "common/texthelpers.h"
#include "common/tjsonutil.h"
#include "contracts/tapiresult.h"
#include "contracts/tarquivo.h"
#include "contracts/timpressora.h"
#include "exchange/answerfiles.h"
#include "exchange/utf8step.h"
#include "widgets/dialogs.h"
#include "widgets/exchangestatus.h"
#include "widgets/middlewareexchange.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Characters that change the direction of the text around them: a name holding one can show
// as another ("fatura<U+202E>fdp.exe" shows as "faturaexe.pdf").
bool isDirectionControl(char16_t c) {
    return c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// A name that can only land in the output folder, as itself: no folder, drive, control
// character or line or paragraph separator (a line break would forge a second name in any
// listing), no direction control, and not only dots. Names such as "con" are ordinary names
// on this system's file systems and are kept.
bool isBareFileName(const QString& name) {
    for (const QChar c : name)
        if (c == u'/' || c == u'\\' || c == u':' || c.category() == QChar::Other_Control ||
            c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph ||
            isDirectionControl(c.unicode()))
            return false;
    const QString trimmed = name.trimmed();
    return std::any_of(trimmed.begin(), trimmed.end(),
                       [](QChar c) { return c != u'.' && c != u' '; });
}

// The name as a message shows it: control characters, separators and direction controls
// written as escapes, so that the message reads as it is.
QString shownName(const QString& name) {
    QString shown;
    for (const QChar c : QString::fromUtf8(escapeControls(name.toUtf8())))
        if (c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph ||
            isDirectionControl(c.unicode()))
            shown += u"\\u"_s + QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0');
        else
            shown += c;
    return shown;
}

} // namespace

std::optional<json::JsonValue> parseAnswer(const QByteArray& body) {
    return offUiThread(body.size(), [&] { return parseUtf8Answer(body); });
}

const json::JsonValue* answerLivreList(const std::optional<json::JsonValue>& parsed) {
    if (!parsed)
        throw Exception(QStringLiteral("Resposta inesperada: o texto recebido não é JSON."));
    if (TAPIResultHelper::fromJSON(*parsed, false)->Controle().Err)
        return nullptr; // the rejection is shown with the answer
    const json::JsonValue* result = parsed->isObject() ? parsed->find("result") : nullptr;
    if (result && !result->isObject())
        throw Exception(QStringLiteral("Resposta inesperada: \"result\" deveria ser um objeto"));
    const json::JsonValue* livre = answerLivre(&*parsed);
    if (livre && !livre->isArray() && !livre->isNull())
        throw Exception(QStringLiteral("Resposta inesperada: \"livre\" deveria ser uma lista"));
    return livre && livre->isArray() ? livre : nullptr;
}

QString outputFolder() {
    return QStringLiteral("Arquivos");
}

QString ResultDecodeBase64(const QString& method, const QString& extension,
                           const QByteArray& responseBody) {
    const QString fileName = method + u'.' + extension;
    const QString saved = offUiThread(responseBody.size(), [&] {
        return saveContentFileFromAnswer(responseBody, outputFolder(), fileName);
    });
    if (!saved.isEmpty())
        Q_EMIT statusAnnouncements().fileSaved(saved);
    return saved;
}

QString ResultDecodeBase64(const QString&, const QByteArray& responseBody) {
    const auto checkName = [](const QString& name) {
        if (!isBareFileName(name))
            throw Exception(
                QStringLiteral("Nome de arquivo recusado: \"%1\". O arquivo recebido só pode ser "
                               "gravado na pasta Arquivos, com um nome sem pastas nem caracteres "
                               "de controle ou de direção do texto.")
                    .arg(shownName(name)));
    };
    const QString saved = offUiThread(responseBody.size(), [&] {
        return saveFileRecordFromAnswer(responseBody, outputFolder(), checkName);
    });
    if (!saved.isEmpty())
        Q_EMIT statusAnnouncements().fileSaved(saved);
    return saved;
}

void TConexaoAPIConsultaImpressoras(MiddlewareExchange& exchange, QComboBox& list,
                                    const QString& tipoComunicacao) {
    list.clear();
    const HttpAnswer answer =
        exchange.standard(QStringLiteral("TConexaoAPI/ConsultaImpressora"), [&] {
            json::JsonValue dados = json::JsonValue::object();
            dados.add("TipoComunicacaoImpressora", TJSONUtil::SetStr(tipoComunicacao));
            return dados;
        });
    const auto parsed = parseAnswer(answer.body);
    const json::JsonValue* livre = answerLivreList(parsed);
    if (!livre)
        return;
    for (std::size_t i = 0; i < livre->size(); ++i)
        if (livre->at(i).isObject())
            list.addItem(TImpressoraHelper::fromJSON(&livre->at(i))->Nome);
}

QString getFile(const QString& currentPath) {
    const QString chosen =
        dialogs().openFile(QStringLiteral("Selecione o arquivo"), QStringLiteral("Todos (*.*)"),
                           QFileInfo(currentPath).path());
    return chosen.isEmpty() ? currentPath : chosen;
}

QString getDir(const QString& currentFolder) {
    const QString start =
        currentFolder.trimmed().isEmpty() ? QCoreApplication::applicationDirPath() : currentFolder;
    const QString chosen = dialogs().folder(QStringLiteral("Selecione a pasta"), start);
    if (chosen.isEmpty())
        return currentFolder;
    if (!QDir(chosen).exists()) {
        if (!dialogs().confirm(
                QStringLiteral("A pasta \"%1\" não existe. Deseja criá-la?").arg(chosen)))
            return currentFolder;
        if (!QDir().mkpath(chosen))
            throw EFileError(QStringLiteral("Não foi possível criar a pasta \"%1\"").arg(chosen));
    }
    return chosen;
}
