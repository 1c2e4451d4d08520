#include "pages/kit/valuekinds.h"

#include "common/charfilter.h"
#include "common/exception.h"
#include "common/filehelpers.h"
#include "common/jsonplace.h"
#include "common/regional.h"
#include "common/texthelpers.h"
#include "common/tjsonutil.h"
#include "pages/kit/pagecontext.h"

#include <QFileInfo>
#include <QListWidget>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace kit {

namespace {

QString extensionWords(const std::map<QString, QString>& codes, const QString& otherwise) {
    QStringList pairs;
    for (const auto& [extension, code] : codes)
        pairs << u"%1 → \"%2\""_s.arg(extension, code);
    return u"código pela extensão do arquivo: %1; outras: \"%2\""_s.arg(pairs.join(u", "_s),
                                                                        otherwise);
}

// The value sent for an empty path instead of reading the file, when the policy has one.
std::optional<json::JsonValue> emptyPathValue(const FieldValue& v, EmptyPath policy) {
    if (policy == EmptyPath::Error || !v.text.trimmed().isEmpty())
        return std::nullopt; // read: an empty path ends the action with the file error
    return TJSONUtil::SetStr(QString());
}

} // namespace

namespace kinds {

ValueKind text() {
    const said k{u"texto; caracteres fora do conjunto válido são retirados"_s};
    return k << [](const FieldValue& v) { return TJSONUtil::SetStr(v.text); };
}

ValueKind rawText() {
    const said k{u"texto exatamente como digitado"_s};
    return k << [](const FieldValue& v) { return json::JsonValue::string(v.text); };
}

ValueKind textWithLineBreaks() {
    const said k{
        u"texto de várias linhas; quebras de linha como \\n, caracteres fora do conjunto válido retirados"_s};
    return k << [](const FieldValue& v) { return TJSONUtil::SetStr(v.text, true); };
}

ValueKind padded(int width, QChar pad) {
    const said k{u"texto completado à esquerda com \"%1\" até %2 caracteres"_s.arg(pad).arg(width)};
    return k << [width, pad](const FieldValue& v) {
        return TJSONUtil::SetStr(LPad(v.text, pad, width));
    };
}

ValueKind paddedZerosOrBlanks(int width) {
    const said k{
        u"texto com zeros à esquerda até %1 caracteres; vazio vira %1 espaços"_s.arg(width)};
    return k << [width](const FieldValue& v) {
        return TJSONUtil::SetStr(v.text.trimmed().isEmpty() ? QString(width, u' ')
                                                            : LPad(v.text, u'0', width));
    };
}

ValueKind firstChars(int count) {
    const said k{u"os primeiros %1 caracteres do texto"_s.arg(count)};
    return k << [count](const FieldValue& v) { return TJSONUtil::SetStr(v.text.left(count)); };
}

ValueKind firstTwoCharsAsInteger() {
    const said k{u"inteiro dos dois primeiros caracteres; texto inválido encerra a ação"_s};
    return k << [](const FieldValue& v) {
        return TJSONUtil::SetInt(regional::strToInt(v.text.left(2)));
    };
}

ValueKind digitsOnly() {
    const said k{u"só os dígitos do texto"_s};
    return k << [](const FieldValue& v) { return TJSONUtil::SetStr(TrazSomenteNumeros(v.text)); };
}

ValueKind integer() {
    const said k{u"inteiro; texto inválido encerra a ação (erro de conversão)"_s};
    return k << [](const FieldValue& v) { return TJSONUtil::SetInt(regional::strToInt(v.text)); };
}

ValueKind integerElse(int32_t fallback) {
    const said k{u"inteiro; texto inválido vira %1"_s.arg(fallback)};
    return k << [fallback](const FieldValue& v) {
        return TJSONUtil::SetInt(regional::strToIntDef(v.text, fallback));
    };
}

ValueKind integerEmptyZero() {
    const said k{u"inteiro; vazio vira 0, outro texto inválido encerra a ação"_s};
    return k << [](const FieldValue& v) { return TJSONUtil::SetInt(Str2Int(v.text)); };
}

ValueKind integer64() {
    const said k{u"inteiro de 64 bits; texto inválido encerra a ação"_s};
    return k <<
           [](const FieldValue& v) { return TJSONUtil::SetInt64(regional::strToInt64(v.text)); };
}

ValueKind integerAsText() {
    const said k{u"inteiro escrito como texto; texto inválido encerra a ação"_s};
    return k << [](const FieldValue& v) {
        return TJSONUtil::SetStr(QString::number(regional::strToInt(v.text)));
    };
}

ValueKind money(bool acceptThousands) {
    const said k{u"valor com vírgula decimal (até 4 casas)%1; texto inválido encerra a ação"_s.arg(
        acceptThousands ? u", pontos de milhar aceitos"_s : QString())};
    return k << [acceptThousands](const FieldValue& v) {
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
    const said k{u"valor com vírgula decimal; texto inválido vira 0"_s};
    return k << [](const FieldValue& v) {
        return TJSONUtil::SetCurr(
            regional::Currency::tryFromText(v.text).value_or(regional::Currency()));
    };
}

ValueKind boolean() {
    const said k{u"true quando marcado, false quando não"_s};
    return k << [](const FieldValue& v) { return TJSONUtil::SetBool(v.checked); };
}

ValueKind dateTime() {
    const said k{
        u"data e hora digitadas, enviadas como DD/MM/AAAA HH:MM:SS; texto inválido encerra a ação"_s};
    return k << [](const FieldValue& v) {
        return TJSONUtil::SetDateTime(regional::strToDateTime(v.text),
                                      QStringLiteral("DD/MM/YYYY HH:NN:SS"));
    };
}

ValueKind pickerDateTime() {
    const said k{u"data e hora escolhidas, enviadas como DD/MM/AAAA HH:MM:SS"_s};
    return k << [](const FieldValue& v) {
        return TJSONUtil::SetDateTime(v.data.toDateTime(), QStringLiteral("DD/MM/YYYY HH:NN:SS"));
    };
}

ValueKind position() {
    const said k{u"posição da opção escolhida (0 é a primeira, -1 nenhuma)"_s};
    return k << [](const FieldValue& v) { return TJSONUtil::SetInt(v.index); };
}

ValueKind code() {
    const said k{u"código da opção escolhida; vazio quando nada é escolhido"_s};
    return k << [](const FieldValue& v) {
        return TJSONUtil::SetStr(v.index >= 0 ? v.data.toString() : QString());
    };
}

ValueKind codeOfPosition(const QStringList& codes) {
    const said k{u"código da opção escolhida, pela posição: %1"_s.arg(codes.join(u", "_s))};
    return k << [codes](const FieldValue& v) { return TJSONUtil::SetStr(codes.value(v.index)); };
}

ValueKind codeWhenChecked(const QString& checkedCode, const QString& uncheckedCode) {
    const said k{u"\"%1\" quando marcado, \"%2\" quando não"_s.arg(checkedCode, uncheckedCode)};
    return k << [=](const FieldValue& v) {
        return TJSONUtil::SetStr(v.checked ? checkedCode : uncheckedCode);
    };
}

ValueKind numberWhenChecked(int32_t checkedValue, int32_t uncheckedValue) {
    const said k{u"%1 quando marcado, %2 quando não"_s.arg(checkedValue).arg(uncheckedValue)};
    return k << [=](const FieldValue& v) {
        return TJSONUtil::SetInt(v.checked ? checkedValue : uncheckedValue);
    };
}

ValueKind codeOfExtension(const std::map<QString, QString>& codes, const QString& otherwise) {
    const said k{extensionWords(codes, otherwise)};
    return k << [=](const FieldValue& v) {
        const auto it = codes.find(QFileInfo(v.text).suffix().toLower());
        return TJSONUtil::SetStr(it == codes.end() ? otherwise : it->second);
    };
}

ValueKind joinedFileText(EmptyPath policy) {
    const said k{u"conteúdo do arquivo (BOM, UTF-8 ou página de código), linhas emendadas"_s +
                 u"; caminho vazio: %1"_s.arg(policy == EmptyPath::Error ? u"encerra a ação"_s
                                                                         : u"envia texto vazio"_s)};
    return k << [policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return TJSONUtil::SetStr(splitLines(readCodePageFile(v.text)).join(QString()));
    };
}

ValueKind fileText(EmptyPath policy) {
    const said k{
        u"conteúdo do arquivo (BOM, UTF-8 ou página de código), CR LF ao fim de cada linha"_s +
        u"; caminho vazio: %1"_s.arg(policy == EmptyPath::Error ? u"encerra a ação"_s
                                                                : u"envia texto vazio"_s)};
    return k << [policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        QString text;
        for (const QString& line : splitLines(readMarkedFile(v.text)))
            text += line + QStringLiteral("\r\n");
        return TJSONUtil::SetStr(text);
    };
}

ValueKind markedFileText(const QString& markerControl, EmptyPath policy) {
    const said k{
        u"conteúdo do arquivo (BOM, UTF-8 ou página de código), cada linha precedida da quebra digitada em %1"_s
            .arg(markerControl) +
        u"; caminho vazio: %1"_s.arg(policy == EmptyPath::Error ? u"encerra a ação"_s
                                                                : u"envia texto vazio"_s)};
    return k << ValueKind{[markerControl, policy](const FieldValue& v) {
                              if (auto empty = emptyPathValue(v, policy))
                                  return *empty;
                              // The marker as typed; an empty field means no marker.
                              const QString marker =
                                  v.page ? v.page->text(markerControl) : QString();
                              return TJSONUtil::SetStr(FileToStr(v.text, marker));
                          },
                          {markerControl}};
}

ValueKind rawFileText(EmptyPath policy) {
    const said k{
        u"conteúdo do arquivo (BOM, UTF-8 ou página de código), caracteres fora do conjunto válido retirados"_s +
        u"; caminho vazio: %1"_s.arg(policy == EmptyPath::Error ? u"encerra a ação"_s
                                                                : u"envia texto vazio"_s)};
    return k << [policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return TJSONUtil::SetStr(readCodePageFile(v.text));
    };
}

ValueKind fileBase64(bool pack, EmptyPath policy) {
    const said k{
        (pack ? u"arquivo compactado em ZIP, em base64"_s : u"bytes do arquivo em base64"_s) +
        u"; caminho vazio: %1"_s.arg(policy == EmptyPath::Error ? u"encerra a ação"_s
                                                                : u"envia texto vazio"_s)};
    return k << [pack, policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return TJSONUtil::SetStr(GetBase64File(v.text, pack));
    };
}

ValueKind packedFileBase64(const QString& failureMessage, EmptyPath policy) {
    const said k{u"arquivo compactado em ZIP, em base64"_s +
                 u"; caminho vazio: %1"_s.arg(policy == EmptyPath::Error ? u"encerra a ação"_s
                                                                         : u"envia texto vazio"_s)};
    return k << [failureMessage, policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return TJSONUtil::SetStr(packedFileBase64(v.text, failureMessage));
    };
}

ValueKind linesAsObjects(const QString& key) {
    const said k{u"cada linha vira um objeto {\"%1\": linha}"_s.arg(key)};
    return k << [key](const FieldValue& v) {
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
    const said k{
        u"itens {item|quantidade};… em objetos Codfil, Sequen, Numite (inteiro) e Qtdmov (valor)"_s};
    return k << ValueKind{
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
                               QStringLiteral(
                                   "Item inválido: \"%1\". Use o formato {item|quantidade}.")
                                   .arg(piece));
                       json::JsonValue item = json::JsonValue::object();
                       item.add("Codfil", TJSONUtil::SetStr(v.page->text(codfilControl)));
                       item.add("Sequen", TJSONUtil::SetStr(v.page->text(sequenControl)));
                       item.add("Numite", TJSONUtil::SetInt(regional::strToInt(parts[0])));
                       item.add("Qtdmov",
                                TJSONUtil::SetCurr(regional::Currency::fromText(parts[1])));
                       items.append(std::move(item));
                   }
                   return items;
               },
               {codfilControl, sequenControl}};
}

ValueKind attachments() {
    const said k{u"anexos da lista: conteúdo em base64 e nome do arquivo"_s};
    return k << [](const FieldValue& v) {
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
    const said k{u"valor fixo"_s};
    return k << [value](const FieldValue&) { return value; };
}

ValueKind wholeFileText(EmptyPath policy) {
    const said k{u"conteúdo do arquivo (BOM, UTF-8 ou página de código) exatamente como lido"_s +
                 u"; caminho vazio: %1"_s.arg(policy == EmptyPath::Error ? u"encerra a ação"_s
                                                                         : u"envia texto vazio"_s)};
    return k << [policy](const FieldValue& v) {
        if (auto empty = emptyPathValue(v, policy))
            return *empty;
        return json::JsonValue::string(readCodePageFile(v.text));
    };
}

ValueKind rowsOf(const QString& table, std::vector<Column> columns) {
    const said k{u"as linhas da tabela %1, uma por objeto"_s.arg(table)};
    return k << ValueKind{
               [table, columns](const FieldValue& v) {
                   if (!v.page)
                       throw Exception(
                           QStringLiteral("Tabela %1 lida fora de uma página").arg(table));
                   return tableRows(v.page->table(table), columns);
               },
               {table}};
}

ValueKind attachmentsFrom(const QString& base64List) {
    const said k{
        u"anexos da lista: conteúdo em base64 (de %1) e nome do arquivo"_s.arg(base64List)};
    return k << ValueKind{
               [base64List](const FieldValue& v) {
                   json::JsonValue list = json::JsonValue::array();
                   const auto* names = qobject_cast<const QListWidget*>(v.page->widget(v.name));
                   const auto* contents =
                       qobject_cast<const QListWidget*>(v.page->widget(base64List));
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
    const said k{u"Dados vazio: \"\""_s};
    return k << [](PageContext&) { return json::JsonValue::string(std::string()); };
}

DadosFn emptyObject() {
    const said k{u"Dados é um objeto vazio: {}"_s};
    return k << [](PageContext&) { return json::JsonValue::object(); };
}

DadosFn bareString(const QString& control) {
    const said k{u"o texto de %1, como está, é o próprio Dados"_s.arg(control)};
    return k << DadosFn{
               [control](PageContext& page) { return json::JsonValue::string(page.text(control)); },
               {control}};
}

DadosFn freeJson(const QString& control, bool asciiFirst) {
    const said k{u"o JSON digitado em %1 é o próprio Dados%2; JSON inválido não é enviado"_s.arg(
        control, asciiFirst ? u" (reduzido a ASCII)"_s : QString())};
    return k << DadosFn{
               [control, asciiFirst](PageContext& page) {
                   const QString text = page.text(control).trimmed();
                   const QByteArray bytes = asciiFirst ? toAscii(text) : text.toUtf8();
                   json::ParseResult parsed =
                       json::parse(std::string_view(bytes.constData(), std::size_t(bytes.size())));
                   if (!parsed.value) {
                       QString reason = QString::fromStdString(parsed.error);
                       while (reason.endsWith(u'.')) // the sentence ends once
                           reason.chop(1);
                       throw Exception(
                           QStringLiteral("JSON inválido (%1): %2. Nada foi enviado.")
                               .arg(json::placeIn(bytes, qsizetype(parsed.errorOffset)), reason));
                   }
                   return std::move(*parsed.value);
               },
               {control}};
}

} // namespace dados

} // namespace kit
