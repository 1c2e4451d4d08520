#include "pages/nfecommon.h"

#include "common/texthelpers.h"
#include "pages/kit/readings.h"
#include "tables/memtable.h"

using namespace Qt::StringLiterals;

using namespace kit;

namespace nfe {

fiscal::Record satRecord(const SatControls& c) {
    std::vector<std::pair<QString, QString>> fields;
    auto add = [&](const char* key, const QString& control) {
        if (!control.isEmpty())
            fields.emplace_back(QString::fromLatin1(key), control);
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

Control satOutputs(const QString& groupName, const SatControls& c) {
    std::vector<Control> fields;
    auto add = [&](const QString& control, const QString& label, bool memoField) {
        if (!control.isEmpty())
            fields.push_back(memoField ? memo(control, label) : line(control, label));
    };
    add(c.retorno, u"Retorno"_s, false);
    add(c.xmlImp, c.xmlImpLabel, true);
    add(c.xmlVen, u"XML do Recibo da Venda"_s, true);
    add(c.numSat, u"Número do SAT"_s, false);
    add(c.numCfe, u"Número do CF-e"_s, false);
    add(c.codRet, u"Código de Retorno"_s, false);
    add(c.msgRet, u"Mensagem de Retorno"_s, false);
    add(c.codErr, u"Código de Erro"_s, false);
    add(c.msgErr, u"Mensagem de Erro"_s, false);
    add(c.msgSis, u"Mensagem Sistema"_s, false);
    return group(groupName, u"Retorno"_s, std::move(fields));
}

// A range per line, "first;last": the line is trimmed before it is split.
void importRangeLine(const QString& line, MemTable& row) {
    const QString trimmed = line.trimmed();
    const qsizetype p = trimmed.indexOf(u';');
    const QString first = p >= 0 ? trimmed.left(p).trimmed() : QString();
    const QString last = p >= 0 ? trimmed.mid(p + 1).trimmed() : trimmed;
    if (!first.isEmpty())
        row.setValue(u"NumeroInicial"_s, Str2Int(first));
    if (!last.isEmpty())
        row.setValue(u"NumeroFinal"_s, Str2Int(last));
}

BatchRun disablementRun(const QString& table, const QString& path,
                        const QStringList& singleControls) {
    BatchRun b;
    b.modeItems = {u"Faixa Única"_s, u"Várias Faixas"_s};
    b.groupCaption = u"Faixas"_s;
    b.table = table;
    b.path = path;
    b.singleControls = singleControls;
    b.tableEmptyMessage = u"Informe pelo menos uma faixa para inutilizar"_s;
    b.rowCheck = rangeRowCheck;
    b.runConfirmation = u"Deseja realmente inutilizar todas essas faixas de numeração?"_s;
    b.importConfirmation =
        u"As faixas já informadas no grid serão eliminadas. Deseja realmente importar o arquivo?"_s;
    b.clearConfirmation = u"Deseja realmente limpar o grid com as faixas de numeração?"_s;
    b.rowKeys = {{u"NumeroInicial"_s, u"NumeroInicial"_s, Cell::Integer},
                 {u"NumeroFinal"_s, u"NumeroFinal"_s, Cell::Integer}};
    b.importLine = importRangeLine;
    return b;
}

} // namespace nfe
