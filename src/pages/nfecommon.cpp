#include "pages/nfecommon.h"

#include "common/texthelpers.h"
#include "pages/kit/readings.h"
#include "tables/memtable.h"

using namespace kit;

namespace nfe {

namespace {
QString s(const char* text) {
    return QString::fromUtf8(text);
}
} // namespace

Page page(const char* name, std::vector<Control> controls) {
    return Page{s(name), {}, {}, std::move(controls), {}};
}

Control textField(const char* name, const char* label, const char* defaultText, const char* key) {
    return line(s(name), s(label), s(defaultText)).sends(s(key), kinds::text());
}

Control integerField(const char* name, const char* label, const char* defaultText,
                     const char* key) {
    return line(s(name), s(label), s(defaultText)).sends(s(key), kinds::integer());
}

Control fileField(const char* name, const char* label, const char* picker, const char* key,
                  ValueKind kind) {
    return line(s(name), s(label)).withFilePicker(s(picker)).sends(s(key), std::move(kind));
}

Control dateField(const char* name, const char* button, const char* key) {
    return line(s(name), QStringLiteral("Data"), s(kDataPadrao))
        .withButton(s(button), QStringLiteral("Atualiza data"), setNow(s(name)))
        .sends(s(key), kinds::dateTime());
}

Control printerField(const char* name, const char* button, const char* typeFromList) {
    const auto type =
        typeFromList ? readings::codeOf(s(typeFromList)) : readings::fixedText(QString());
    return comboEditable(s(name), QStringLiteral("Impressora"), {})
        .withButton(s(button), QStringLiteral("Consulta Impressoras"),
                    readings::printerLookup(s(name), type))
        .sends(QStringLiteral("NomeImpressora"), kinds::text());
}

Control outputLine(const char* name, const char* label) {
    return line(s(name), s(label));
}

Control outputMemo(const char* name, const char* label) {
    return memo(s(name), s(label));
}

fiscal::Record satRecord(const SatControls& c) {
    std::vector<std::pair<QString, QString>> fields;
    auto add = [&](const char* key, const char* control) {
        if (control && *control)
            fields.emplace_back(s(key), s(control));
    };
    add("RETORNO", c.retorno);
    add("XMLIMP", c.xmlImp);
    add("XMLVEN", c.xmlVen);
    add("NUMSAT", c.numSat);
    add("NUMCFE", c.numCfe);
    add("CODRET", c.codRet);
    add("MSGRET", c.msgRet);
    add("CODERR", c.codErr);
    add("MSGERR", c.msgErr);
    add("MSGSIS", c.msgSis);
    return fiscal::satRecord(fields);
}

Control satOutputs(const char* groupName, const SatControls& c) {
    std::vector<Control> fields;
    auto add = [&](const char* control, const char* label, bool memoField) {
        if (control && *control)
            fields.push_back(memoField ? outputMemo(control, label) : outputLine(control, label));
    };
    add(c.retorno, "Retorno", false);
    add(c.xmlImp, c.xmlImpLabel, true);
    add(c.xmlVen, "XML do Recibo da Venda", true);
    add(c.numSat, "Número do SAT", false);
    add(c.numCfe, "Número do CF-e", false);
    add(c.codRet, "Código de Retorno", false);
    add(c.msgRet, "Mensagem de Retorno", false);
    add(c.codErr, "Código de Erro", false);
    add(c.msgErr, "Mensagem de Erro", false);
    add(c.msgSis, "Mensagem Sistema", false);
    return group(s(groupName), QStringLiteral("Retorno"), std::move(fields));
}

// A range per line, "first;last": the line is trimmed before it is split.
void importRangeLine(const QString& line, MemTable& row) {
    const QString trimmed = line.trimmed();
    const qsizetype p = trimmed.indexOf(u';');
    const QString first = p >= 0 ? trimmed.left(p).trimmed() : QString();
    const QString last = p >= 0 ? trimmed.mid(p + 1).trimmed() : trimmed;
    if (!first.isEmpty())
        row.setValue(QStringLiteral("NumeroInicial"), Str2Int(first));
    if (!last.isEmpty())
        row.setValue(QStringLiteral("NumeroFinal"), Str2Int(last));
}

BatchRun disablementRun(const char* table, const char* path, const QStringList& singleControls) {
    BatchRun b;
    b.modeItems = {QStringLiteral("Faixa Única"), QStringLiteral("Várias Faixas")};
    b.groupCaption = QStringLiteral("Faixas");
    b.table = QString::fromLatin1(table);
    b.path = QString::fromLatin1(path);
    b.singleControls = singleControls;
    b.tableEmptyMessage = QStringLiteral("Informe pelo menos uma faixa para inutilizar");
    b.rowCheck = rangeRowCheck;
    b.runConfirmation =
        QStringLiteral("Deseja realmente inutilizar todas essas faixas de numeração?");
    b.importConfirmation = QStringLiteral(
        "As faixas já informadas no grid serão eliminadas. Deseja realmente importar o arquivo?");
    b.clearConfirmation =
        QStringLiteral("Deseja realmente limpar o grid com as faixas de numeração?");
    b.importLine = importRangeLine;
    return b;
}

} // namespace nfe
