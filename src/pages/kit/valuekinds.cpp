#include "pages/kit/valuekinds.h"

#include "common/charfilter.h"
#include "common/exception.h"
#include "common/filehelpers.h"
#include "common/regional.h"
#include "common/texthelpers.h"
#include "common/tjsonutil.h"
#include "pages/kit/pagecontext.h"

#include <QFileInfo>
#include <QListWidget>
#include <QRegularExpression>

namespace kit {

namespace {

// The value sent for an empty path instead of reading the file, when the policy has one.
std::optional<json::JsonValue> emptyPathValue(const FieldValue& v, EmptyPath policy) {
    if (policy == EmptyPath::Error || !v.text.trimmed().isEmpty())
        return std::nullopt; // read: an empty path ends the action with the file error
    return TJSONUtil::SetStr(QString());
}

} // namespace

namespace kinds {

ValueKind text() {
    return [](const FieldValue& v) { return TJSONUtil::SetStr(v.text); };
}

ValueKind rawText() {
    return [](const FieldValue& v) { return json::JsonValue::string(v.text); };
}

ValueKind textWithLineBreaks() {
    return [](const FieldValue& v) { return TJSONUtil::SetStr(v.text, true); };
}

ValueKind padded(int width, QChar pad) {
    return
        [width, pad](const FieldValue& v) { return TJSONUtil::SetStr(LPad(v.text, pad, width)); };
}

ValueKind paddedZerosOrBlanks(int width) {
    return [width](const FieldValue& v) {
        return TJSONUtil::SetStr(v.text.trimmed().isEmpty() ? QString(width, u' ')
                                                            : LPad(v.text, u'0', width));
    };
}

ValueKind firstChars(int count) {
    return [count](const FieldValue& v) { return TJSONUtil::SetStr(v.text.left(count)); };
}

ValueKind firstTwoCharsAsInteger() {
    return
        [](const FieldValue& v) { return TJSONUtil::SetInt(regional::strToInt(v.text.left(2))); };
}

ValueKind digitsOnly() {
    return [](const FieldValue& v) { return TJSONUtil::SetStr(TrazSomenteNumeros(v.text)); };
}

ValueKind integer() {
    return [](const FieldValue& v) { return TJSONUtil::SetInt(regional::strToInt(v.text)); };
}

ValueKind integerElse(int32_t fallback) {
    return [fallback](const FieldValue& v) {
        return TJSONUtil::SetInt(regional::strToIntDef(v.text, fallback));
    };
}

ValueKind integerEmptyZero() {
    return [](const FieldValue& v) { return TJSONUtil::SetInt(Str2Int(v.text)); };
}

ValueKind integer64() {
    return [](const FieldValue& v) { return TJSONUtil::SetInt64(regional::strToInt64(v.text)); };
}

ValueKind integerAsText() {
    return [](const FieldValue& v) {
        return TJSONUtil::SetStr(QString::number(regional::strToInt(v.text)));
    };
}

ValueKind money(bool acceptThousands) {
    return [acceptThousands](const FieldValue& v) {
        QString t = v.text;
        // A dot separates thousands only between groups of three digits before the decimal
        // comma ("1.234,56"); any other dot is left for the conversion to refuse.
        static const QRegularExpression grouped(
            QStringLiteral("^\\s*[+-]?\\d{1,3}(\\.\\d{3})+(?=[,eE\\s]|$)"));
        if (acceptThousands) {
            const QRegularExpressionMatch m = grouped.match(t);
            if (m.hasMatch())
                t.replace(0, m.capturedLength(), m.captured().remove(regional::kThousandSeparator));
        }
        if (const auto c = regional::Currency::tryFromText(t))
            return TJSONUtil::SetCurr(*c);
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(v.text));
    };
}

ValueKind moneyElseZero() {
    return [](const FieldValue& v) {
        return TJSONUtil::SetCurr(
            regional::Currency::tryFromText(v.text).value_or(regional::Currency()));
    };
}

ValueKind boolean() {
    return [](const FieldValue& v) { return TJSONUtil::SetBool(v.checked); };
}

ValueKind dateTime() {
    return [](const FieldValue& v) {
        return TJSONUtil::SetDateTime(regional::strToDateTime(v.text),
                                      QStringLiteral("DD/MM/YYYY HH:NN:SS"));
    };
}

ValueKind pickerDateTime() {
    return [](const FieldValue& v) {
        return TJSONUtil::SetDateTime(v.data.toDateTime(), QStringLiteral("DD/MM/YYYY HH:NN:SS"));
    };
}

ValueKind position() {
    return [](const FieldValue& v) { return TJSONUtil::SetInt(v.index); };
}

ValueKind code() {
    return [](const FieldValue& v) {
        return TJSONUtil::SetStr(v.index >= 0 ? v.data.toString() : QString());
    };
}

ValueKind codeOfPosition(const QStringList& codes) {
    return [codes](const FieldValue& v) { return TJSONUtil::SetStr(codes.value(v.index)); };
}

ValueKind codeWhenChecked(const QString& checkedCode, const QString& uncheckedCode) {
    return [=](const FieldValue& v) {
        return TJSONUtil::SetStr(v.checked ? checkedCode : uncheckedCode);
    };
}

ValueKind numberWhenChecked(int32_t checkedValue, int32_t uncheckedValue) {
    return [=](const FieldValue& v) {
        return TJSONUtil::SetInt(v.checked ? checkedValue : uncheckedValue);
    };
}

ValueKind codeOfExtension(const std::map<QString, QString>& codes, const QString& otherwise) {
    return [=](const FieldValue& v) {
        const auto it = codes.find(QFileInfo(v.text).suffix().toLower());
        return TJSONUtil::SetStr(it == codes.end() ? otherwise : it->second);
    };
}

ValueKind joinedFileText(EmptyPath policy) {
    return [policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return TJSONUtil::SetStr(splitLines(readCodePageFile(v.text)).join(QString()));
    };
}

ValueKind fileText(EmptyPath policy) {
    return [policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        QString text;
        for (const QString& line : splitLines(readMarkedFile(v.text)))
            text += line + QStringLiteral("\r\n");
        return TJSONUtil::SetStr(text);
    };
}

ValueKind markedFileText(const QString& markerControl, EmptyPath policy) {
    return {[markerControl, policy](const FieldValue& v) {
                if (auto empty = emptyPathValue(v, policy))
                    return *empty;
                // The marker as typed; an empty field means no marker.
                const QString marker = v.page ? v.page->text(markerControl) : QString();
                return TJSONUtil::SetStr(FileToStr(v.text, marker));
            },
            {markerControl}};
}

ValueKind rawFileText(EmptyPath policy) {
    return [policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return TJSONUtil::SetStr(readCodePageFile(v.text));
    };
}

ValueKind fileBase64(bool pack, EmptyPath policy) {
    return [pack, policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return TJSONUtil::SetStr(GetBase64File(v.text, pack));
    };
}

ValueKind packedFileBase64(const QString& failureMessage, EmptyPath policy) {
    return [failureMessage, policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return TJSONUtil::SetStr(packedFileBase64(v.text, failureMessage));
    };
}

ValueKind linesAsObjects(const QString& key) {
    return [key](const FieldValue& v) {
        json::JsonValue array = json::JsonValue::array();
        for (const QString& line : splitLines(v.text)) {
            json::JsonValue o = json::JsonValue::object();
            o.add(key.toStdString(), TJSONUtil::SetStr(line));
            array.append(std::move(o));
        }
        return array;
    };
}

ValueKind itemList(const QString& codfilControl, const QString& sequenControl) {
    return {
        [=](const FieldValue& v) {
            json::JsonValue items = json::JsonValue::array();
            const QString text = v.text.trimmed();
            if (text.isEmpty())
                return items;
            for (QString piece : text.split(u';')) {
                piece.remove(piece.indexOf(u'{'), piece.contains(u'{') ? 1 : 0);
                piece.remove(piece.indexOf(u'}'), piece.contains(u'}') ? 1 : 0);
                const QStringList parts = piece.split(u'|');
                if (parts.size() < 2)
                    throw Exception(
                        QStringLiteral("Item inválido: \"%1\". Use o formato {item|quantidade}.")
                            .arg(piece));
                json::JsonValue item = json::JsonValue::object();
                item.add("Codfil", TJSONUtil::SetStr(v.page->text(codfilControl)));
                item.add("Sequen", TJSONUtil::SetStr(v.page->text(sequenControl)));
                item.add("Numite", TJSONUtil::SetInt(regional::strToInt(parts[0])));
                item.add("Qtdmov", TJSONUtil::SetCurr(regional::Currency::fromText(parts[1])));
                items.append(std::move(item));
            }
            return items;
        },
        {codfilControl, sequenControl}};
}

ValueKind attachments() {
    return [](const FieldValue& v) {
        json::JsonValue list = json::JsonValue::array();
        const auto* box = qobject_cast<const QListWidget*>(v.page->widget(v.name));
        for (int i = 0; box && i < box->count(); ++i) {
            json::JsonValue anexo = json::JsonValue::object();
            anexo.add("Conteudo", TJSONUtil::SetStr(box->item(i)->data(Qt::UserRole).toString()));
            anexo.add("NomeArquivo", TJSONUtil::SetStr(QFileInfo(box->item(i)->text()).fileName()));
            json::JsonValue entry = json::JsonValue::object();
            entry.add("Anexo", std::move(anexo));
            list.append(std::move(entry));
        }
        return list;
    };
}

ValueKind constant(const json::JsonValue& value) {
    return [value](const FieldValue&) { return value; };
}

ValueKind wholeFileText(EmptyPath policy) {
    return [policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return json::JsonValue::string(readCodePageFile(v.text));
    };
}

ValueKind rowsOf(const QString& table, std::vector<Column> columns) {
    return {[table, columns](const FieldValue& v) {
                if (!v.page)
                    throw Exception(QStringLiteral("Tabela %1 lida fora de uma página").arg(table));
                return tableRows(v.page->table(table), columns);
            },
            {table}};
}

ValueKind attachmentsFrom(const QString& base64List) {
    return {[base64List](const FieldValue& v) {
                json::JsonValue list = json::JsonValue::array();
                const auto* names = qobject_cast<const QListWidget*>(v.page->widget(v.name));
                const auto* contents = qobject_cast<const QListWidget*>(v.page->widget(base64List));
                if (!names || !contents || names->count() != contents->count())
                    throw Exception(
                        QStringLiteral("A lista de anexos e a de seus conteúdos não conferem."));
                for (int i = 0; i < names->count(); ++i) {
                    json::JsonValue anexo = json::JsonValue::object();
                    anexo.add("Conteudo", TJSONUtil::SetStr(contents->item(i)->text()));
                    anexo.add("NomeArquivo",
                              TJSONUtil::SetStr(QFileInfo(names->item(i)->text()).fileName()));
                    json::JsonValue entry = json::JsonValue::object();
                    entry.add("Anexo", std::move(anexo));
                    list.append(std::move(entry));
                }
                return list;
            },
            {base64List}};
}

} // namespace kinds

namespace dados {

DadosFn emptyString() {
    return [](PageContext&) { return json::JsonValue::string(std::string()); };
}

DadosFn emptyObject() {
    return [](PageContext&) { return json::JsonValue::object(); };
}

DadosFn bareString(const QString& control) {
    return {[control](PageContext& page) { return json::JsonValue::string(page.text(control)); },
            {control}};
}

DadosFn freeJson(const QString& control, bool asciiFirst) {
    return {[control, asciiFirst](PageContext& page) {
                const QString text = page.text(control).trimmed();
                const QByteArray bytes = asciiFirst ? toAscii(text) : text.toUtf8();
                json::ParseResult parsed =
                    json::parse(std::string_view(bytes.constData(), std::size_t(bytes.size())));
                if (!parsed.value) {
                    QString reason = QString::fromStdString(parsed.error);
                    while (reason.endsWith(u'.')) // the sentence ends once
                        reason.chop(1);
                    throw Exception(
                        QStringLiteral("JSON inválido (posição %1): %2. Nada foi enviado.")
                            .arg(parsed.errorOffset)
                            .arg(reason));
                }
                return std::move(*parsed.value);
            },
            {control}};
}

} // namespace dados

} // namespace kit
