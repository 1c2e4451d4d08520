#include "pages/kit/fiscalreadings.h"

#include "common/jsonplace.h"
#include "common/tjsonutil.h"
#include "contracts/tapiresult.h"
#include "exchange/utf8step.h"
#include "pages/kit/pagecontext.h"
#include "widgets/pageroutines.h"

namespace kit::fiscal {

namespace {

// Answers the pages cannot read are reported, and the page's fields stay as they were.
[[noreturn]] void unexpected(const QString& what) {
    throw Exception(
        QStringLiteral(
            "Resposta inesperada do middleware: %1. Os campos da página não foram alterados.")
            .arg(what));
}

json::JsonValue parseOrReport(const HttpAnswer& answer) {
    auto parsed = parseAnswer(answer.body);
    if (!parsed)
        unexpected(QStringLiteral("o texto não é JSON (%1)").arg(json::whyNotJson(answer.body)));
    if (!parsed->isObject())
        unexpected(QStringLiteral("o JSON não é um objeto"));
    return std::move(*parsed);
}

void fill(PageContext& page, const Record& record, const json::JsonValue* source) {
    for (const RecordField& f : record) {
        QString value;
        if (source) {
            value = f.kind == RecordField::Kind::Integer
                        ? QString::number(TJSONUtil::GetInt(source, f.key, 0))
                        : TJSONUtil::GetStr(source, f.key);
        }
        page.setText(f.control, value);
    }
}

} // namespace

Record satRecord(const std::vector<std::pair<QString, QString>>& keysToControls) {
    Record r;
    for (const auto& [key, control] : keysToControls) {
        RecordField::Kind kind = RecordField::Kind::Text;
        if (key == QLatin1String("XMLIMP") || key == QLatin1String("XMLVEN"))
            kind = RecordField::Kind::Memo;
        else if (key == QLatin1String("NUMSAT") || key == QLatin1String("NUMCFE") ||
                 key == QLatin1String("CODRET") || key == QLatin1String("CODERR"))
            kind = RecordField::Kind::Integer;
        r.push_back({key, control, kind});
    }
    return r;
}

Record eventRecord(const QString& eventoMemo, const QString& notaMemo) {
    return {{QStringLiteral("XMLEVENTO"), eventoMemo, RecordField::Kind::Memo},
            {QStringLiteral("XMLNOTA"), notaMemo, RecordField::Kind::Memo}};
}

namespace {
QStringList controlsOf(const Record& record) {
    QStringList names;
    for (const RecordField& f : record)
        names.append(f.control);
    return names;
}
} // namespace

Reading resultText(const QString& control) {
    return {[control](PageContext& page, const HttpAnswer& answer) {
                const json::JsonValue parsed = parseOrReport(answer);
                const json::JsonValue* result = answerResult(&parsed);
                if (!result)
                    unexpected(QStringLiteral("sem \"result\""));
                QString text;
                if (result->isString())
                    text = u'"' + result->toQString().replace(u'"', QStringLiteral("\\\"")) + u'"';
                else
                    text = QString::fromStdString(json::toSigningText(*result));
                page.setText(control, text);
            },
            {control}};
}

Reading recordReading(Record record) {
    return {[record](PageContext& page, const HttpAnswer& answer) {
                const json::JsonValue parsed = parseOrReport(answer);
                const json::JsonValue* result = answerResult(&parsed);
                if (!result) {
                    fill(page, record, nullptr);
                    return;
                }
                if (!result->isObject())
                    unexpected(QStringLiteral("\"result\" não é um objeto"));
                const auto again = json::parse(json::toWireText(*result)).value;
                fill(page, record, &*again);
            },
            {controlsOf(record)}};
}

Reading eventReading(Record record) {
    return {[record](PageContext& page, const HttpAnswer& answer) {
                const json::JsonValue parsed = parseOrReport(answer);
                if (!answerConteudo(&parsed))
                    return;
                const json::JsonValue* livre = answerLivre(&parsed);
                if (livre && !livre->isObject())
                    unexpected(QStringLiteral("\"livre\" não é um objeto"));
                fill(page, record, livre);
            },
            {controlsOf(record)}};
}

Reading contentText(const QString& control) {
    return {[control](PageContext& page, const HttpAnswer& answer) {
                const json::JsonValue parsed = parseOrReport(answer);
                const auto result = TAPIResultHelper::fromJSON(parsed, true);
                page.setText(control, QString());
                page.setText(control, result->Conteudo().Str);
            },
            {control}};
}

} // namespace kit::fiscal
