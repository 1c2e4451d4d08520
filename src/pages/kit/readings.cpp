#include "readings.h"

#include "dialogs.h"
#include "pagecontext.h"
#include "pageroutines.h"
#include "tapiresult.h"
#include "tarquivo.h"
#include "tjsonutil.h"
#include "utf8step.h"

#include <QComboBox>

namespace kit::readings {

namespace {
const json::JsonValue* member(const json::JsonValue* o, const char* key) {
    return o && o->isObject() ? o->find(key) : nullptr;
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
    return [=](PageContext& page, const HttpAnswer& answer) {
        auto& list = page.as<QComboBox>(listControl);
        list.clear();
        const auto parsed = parseUtf8Answer(answer.body);
        const json::JsonValue* livre =
            member(member(member(parsed ? &*parsed : nullptr, "result"), "conteudo"), "livre");
        if (const auto files = TArquivoHelper::ListaFromJSON(livre, arrayName))
            for (const TArquivo& f : *files)
                list.addItem(f.Nome);
    };
}

Reading resultMembersIntoFields(const std::vector<std::pair<QString, QString>>& keysToControls) {
    return [=](PageContext& page, const HttpAnswer& answer) {
        const auto parsed = parseUtf8Answer(answer.body);
        const json::JsonValue* result = member(parsed ? &*parsed : nullptr, "result");
        if (!result || !result->isObject())
            throw Exception(QStringLiteral(
                "Resposta inesperada: \"result\" não é um objeto. Nenhum campo foi alterado."));
        for (const auto& [key, control] : keysToControls)
            page.setText(control, TJSONUtil::GetStr(result, key));
    };
}

Reading resultIntoField(const QString& control) {
    return [=](PageContext& page, const HttpAnswer& answer) {
        const auto parsed = parseUtf8Answer(answer.body);
        const json::JsonValue* result = member(parsed ? &*parsed : nullptr, "result");
        if (!result)
            throw Exception(
                QStringLiteral("Resposta inesperada: sem \"result\". O campo não foi alterado."));
        page.setText(control, result->isString()
                                  ? result->toQString()
                                  : QString::fromStdString(json::toWireText(*result)));
    };
}

Reading answerInMessageBox() {
    return [](PageContext& page, const HttpAnswer& answer) {
        page.dialogs().message(utf8Step(answer.body), Dialogs::Kind::Information);
    };
}

Action printerLookup(const QString& listControl,
                     std::function<QString(PageContext&)> tipoComunicacao) {
    Action a;
    a.exchange = Exchange::Custom;
    a.custom = [=](PageContext& page) {
        TConexaoAPIConsultaImpressoras(page.exchange(), page.as<QComboBox>(listControl),
                                       tipoComunicacao(page));
    };
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
