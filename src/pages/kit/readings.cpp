#include "pages/kit/readings.h"

#include "common/tjsonutil.h"
#include "contracts/tapiresult.h"
#include "contracts/tarquivo.h"
#include "exchange/utf8step.h"
#include "pages/kit/pagecontext.h"
#include "widgets/dialogs.h"
#include "widgets/exchangestatus.h"
#include "widgets/pageroutines.h"

#include "common/filehelpers.h"
#include "tables/memtable.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QTemporaryDir>

namespace kit::readings {

namespace {
QStringList secondOf(const std::vector<std::pair<QString, QString>>& pairs) {
    QStringList names;
    for (const auto& [first, second] : pairs)
        names.append(second);
    return names;
}

} // namespace

Reading saveContentFile(const QString& method, const QString& extension,
                        std::function<bool(PageContext&)> condition) {
    return [=](PageContext& page, const HttpAnswer& answer) {
        if (!condition || condition(page))
            ResultDecodeBase64(method, extension, answer.body);
    };
}

Reading saveFileRecord(const QString& method) {
    return [=](PageContext&, const HttpAnswer& answer) { ResultDecodeBase64(method, answer.body); };
}

Reading fileRecordNamesInto(const QString& listControl, const QString& arrayName) {
    return {[=](PageContext& page, const HttpAnswer& answer) {
                auto& list = page.as<QComboBox>(listControl);
                list.clear();
                const auto parsed = parseAnswer(answer.body);
                const json::JsonValue* livre = answerLivre(parsed ? &*parsed : nullptr);
                if (const auto files = TArquivoHelper::ListaFromJSON(livre, arrayName))
                    for (const TArquivo& f : *files)
                        list.addItem(f.Nome);
            },
            {listControl}};
}

Reading resultMembersIntoFields(const std::vector<std::pair<QString, QString>>& keysToControls) {
    return {
        [=](PageContext& page, const HttpAnswer& answer) {
            const auto parsed = parseAnswer(answer.body);
            const json::JsonValue* result = answerResult(parsed ? &*parsed : nullptr);
            if (!result || !result->isObject())
                throw Exception(QStringLiteral(
                    "Resposta inesperada: \"result\" não é um objeto. Nenhum campo foi alterado."));
            for (const auto& [key, control] : keysToControls)
                page.setText(control, TJSONUtil::GetStr(result, key));
        },
        {secondOf(keysToControls)}};
}

Reading resultIntoField(const QString& control) {
    return {[=](PageContext& page, const HttpAnswer& answer) {
                const auto parsed = parseAnswer(answer.body);
                const json::JsonValue* result = answerResult(parsed ? &*parsed : nullptr);
                if (!result)
                    throw Exception(QStringLiteral(
                        "Resposta inesperada: sem \"result\". O campo não foi alterado."));
                page.setText(control, result->isString()
                                          ? result->toQString()
                                          : QString::fromStdString(json::toWireText(*result)));
            },
            {control}};
}

Reading answerInMessageBox() {
    return [](PageContext& page, const HttpAnswer& answer) {
        page.dialogs().message(utf8Step(answer.body), Dialogs::Kind::Information);
    };
}

Reading bankSlipFiles(std::function<bool(PageContext&)> packed) {
    return [=](PageContext& page, const HttpAnswer& answer) {
        const QString extension = packed(page) ? QStringLiteral(".zip") : QStringLiteral(".pdf");
        const std::size_t written = offUiThread(answer.body.size(), [&] {
            const auto parsed = parseUtf8Answer(answer.body);
            const json::JsonValue* livre = answerLivreList(parsed);
            if (!livre)
                return std::size_t(0);
            // Every slip is decoded before the first is written: a bad one leaves no file behind.
            std::vector<QByteArray> slips;
            for (std::size_t n = 0; n < livre->size(); ++n) {
                if (!livre->at(n).isObject())
                    throw Exception(QStringLiteral("Resposta inesperada: o boleto %1 não é um "
                                                   "objeto. Nenhum arquivo foi gravado.")
                                        .arg(n));
                slips.push_back(TBoletoHelper::fromJSON(&livre->at(n))->Boleto);
            }
            QDir().mkpath(outputFolder());
            for (std::size_t n = 0; n < slips.size(); ++n) {
                writeFileWhole(QDir(outputFolder()).filePath(QString::number(n) + extension),
                               slips[n]);
            }
            return slips.size();
        });
        // The first slip is announced; the others lie beside it. Files of an earlier answer
        // are not this one's.
        for (std::size_t n = 0; n < written; ++n) {
            const QString path = QDir(outputFolder()).filePath(QString::number(n) + extension);
            if (n == 0)
                Q_EMIT statusAnnouncements().fileSaved(path);
            else
                Q_EMIT statusAnnouncements().fileSavedBeside(path);
        }
    };
}

namespace {
// Unpacks the archive in a private folder inside the output folder, then moves what it held
// into the output folder, all or nothing: an entry that would land outside it, a damaged
// archive, or an entry that cannot take its place leaves the output folder as it was, and no
// entry can overwrite the archive while it is read.
void unpackIntoOutputFolder(const QString& archive) {
    if (!QFileInfo::exists(archive))
        throw Exception(QStringLiteral("Não encontrei: ") + archive);
    const QDir out(outputFolder());
    const QTemporaryDir work(out.filePath(QStringLiteral(".extracao-XXXXXX")));
    if (!work.isValid())
        throw EFileError(QStringLiteral("Não foi possível criar uma pasta temporária em \"%1\": %2")
                             .arg(out.path(), work.errorString()));
    try {
        DescompactFile(archive, work.path());
    } catch (const Exception& e) {
        throw Exception(
            QStringLiteral("O arquivo \"%1\" não foi extraído: %2").arg(archive, e.message()));
    }
    const QDir extracted(work.path());
    QStringList names;
    QDirIterator files(work.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext())
        names << extracted.relativeFilePath(files.next());
    moveAllInto(extracted, out, names);
}
} // namespace

Reading captcha(const QString& method, const QString& packedCheck, const QString& image,
                const QString& captchaField) {
    return {[=](PageContext& page, const HttpAnswer& answer) {
                const bool packed = page.checked(packedCheck);
                ResultDecodeBase64(method, packed ? QStringLiteral("zip") : QStringLiteral("png"),
                                   answer.body);
                const QDir out(outputFolder());
                if (packed)
                    unpackIntoOutputFolder(out.filePath(method + QStringLiteral(".zip")));
                const QString png = out.filePath(method + QStringLiteral(".png"));
                if (!QFile::exists(png))
                    return;
                // A picture that cannot be read changes neither the image nor the field.
                QPixmap picture;
                if (!picture.load(png, "PNG"))
                    throw Exception(
                        QStringLiteral("A imagem \"%1\" não é um PNG válido.").arg(png));
                page.setText(captchaField, QString());
                page.as<QLabel>(image).setPixmap(picture);
            },
            {packedCheck, image, captchaField}};
}

Reading resultArrayIntoTable(const QString& table,
                             const std::vector<std::pair<QString, QString>>& keysToFields) {
    return {
        [=](PageContext& page, const HttpAnswer& answer) {
            const auto parsed = parseAnswer(answer.body);
            const json::JsonValue* result = answerResult(parsed ? &*parsed : nullptr);
            if (!result || !result->isArray())
                throw Exception(QStringLiteral(
                    "Resposta inesperada: \"result\" não é uma lista. A tabela não foi alterada."));
            MemTable& t = page.table(table);
            t.close();
            t.open();
            std::vector<std::pair<QString, bool>> readOnly;
            for (const auto& [key, field] : keysToFields) {
                readOnly.emplace_back(field, t.field(field).readOnly);
                t.setReadOnly(field, false);
            }
            for (std::size_t i = 0; i < result->size(); ++i) {
                const json::JsonValue& row = result->at(i);
                t.append();
                for (const auto& [key, field] : keysToFields) {
                    const json::JsonValue* v = TJSONUtil::GetValue(row, key);
                    if (v && (v->isString() || v->isNumber()))
                        t.setValue(field, v->isNumber() ? QVariant(v->toQString().toDouble())
                                                        : QVariant(v->toQString()));
                    else if (v && v->isBool())
                        t.setValue(field, v->isTrue());
                }
                t.post();
            }
            for (const auto& [field, was] : readOnly)
                t.setReadOnly(field, was);
            t.first();
        },
        {table}};
}

Reading contentTextWithLineBreaks(const QString& control) {
    return {[=](PageContext& page, const HttpAnswer& answer) {
                const auto parsed = parseAnswer(answer.body);
                if (!parsed || !parsed->isObject())
                    throw Exception(
                        QStringLiteral("Resposta inesperada: o texto não é um objeto JSON."));
                const auto result = TAPIResultHelper::fromJSON(*parsed, true);
                if (!result->Controle().Err)
                    page.setText(control, result->Conteudo().Str.replace(QStringLiteral("/n"),
                                                                         QStringLiteral("\r\n")));
            },
            {control}};
}

Reading storedXml(const QString& memo) {
    return {[=](PageContext& page, const HttpAnswer& answer) {
                const auto parsed = parseAnswer(answer.body);
                if (!parsed || !parsed->isObject())
                    throw Exception(QStringLiteral("Resposta inesperada: o texto não é um objeto "
                                                   "JSON. O campo não foi alterado."));
                page.setText(memo, TJSONUtil::GetStr(&*parsed, QStringLiteral("result")));
            },
            {memo}};
}

Reading resultRecordIntoFields(std::vector<ResultMember> members) {
    QStringList controls;
    for (const ResultMember& m : members)
        controls.append(m.control);
    return {[members](PageContext& page, const HttpAnswer& answer) {
                const auto parsed = parseAnswer(answer.body);
                if (!parsed || !parsed->isObject())
                    throw Exception(QStringLiteral("Resposta inesperada: o texto não é um objeto "
                                                   "JSON. Nenhum campo foi alterado."));
                const json::JsonValue* result = parsed->find("result");
                const bool empty = !result || result->isNull() ||
                                   (result->isObject() && result->empty()) ||
                                   (result->isString() && result->text().empty());
                if (!empty && !result->isObject())
                    throw Exception(QStringLiteral("Resposta inesperada: \"result\" não é um "
                                                   "objeto. Nenhum campo foi alterado."));
                using Kind = ResultMember::Kind;
                for (const ResultMember& m : members) {
                    if (m.kind == Kind::Boolean) {
                        page.setChecked(m.control,
                                        !empty && TJSONUtil::GetBool(result, m.key, false));
                        continue;
                    }
                    QString text;
                    if (!empty && m.kind == Kind::Integer)
                        text = QString::number(TJSONUtil::GetInt(result, m.key, 0));
                    else if (!empty && m.kind == Kind::Amount)
                        text = TJSONUtil::GetCurr(result, m.key, regional::Currency()).toString();
                    else if (!empty)
                        text = TJSONUtil::GetStr(result, m.key);
                    page.setText(m.control, text);
                }
            },
            controls};
}

// "conteudo"."livre" as an array of file records: their names are added to the list's
// entries, in order; the list's text stays as it was.
Reading fileRecordNamesAppended(const QString& listControl) {
    return {[=](PageContext& page, const HttpAnswer& answer) {
                auto& list = page.as<QComboBox>(listControl);
                const auto parsed = parseAnswer(answer.body);
                const json::JsonValue* livre = answerLivreList(parsed);
                if (!livre)
                    return;
                const QString typed = list.currentText();
                for (std::size_t i = 0; i < livre->size(); ++i)
                    if (livre->at(i).isObject())
                        list.addItem(TArquivoHelper::fromJSON(&livre->at(i))->Nome);
                if (list.isEditable())
                    list.setEditText(typed);
            },
            {listControl}};
}

Action printerLookup(const QString& listControl,
                     std::function<QString(PageContext&)> tipoComunicacao) {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [=](PageContext& page) {
        TConexaoAPIConsultaImpressoras(page.exchange(), page.as<QComboBox>(listControl),
                                       tipoComunicacao(page));
    };
    a.uses = {listControl};
    return a;
}

std::function<QString(PageContext&)> codeOf(const QString& listControl) {
    return [=](PageContext& page) {
        const FieldValue v = page.value(listControl);
        return v.index >= 0 ? v.data.toString() : QString();
    };
}

std::function<QString(PageContext&)> fixedText(const QString& text) {
    return [=](PageContext&) { return text; };
}

} // namespace kit::readings
