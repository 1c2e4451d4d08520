#include "contracts/enumkit.h"

namespace enumkit {

namespace {

[[noreturn]] void raiseFor(const EnumInfo& e, const Otherwise& rule, const QString& argument) {
    switch (rule.kind) {
    case Otherwise::Kind::MessageWithArgument:
        throw EEnumeradorInvalido(QString::fromUtf8(rule.message) + argument);
    case Otherwise::Kind::Message:
        throw EEnumeradorInvalido(QString::fromUtf8(rule.message));
    default:
        throw EEnumeradorInvalido(QStringLiteral("Valor de enumerador \"%1\" inválido para %2.")
                                      .arg(argument, QString::fromLatin1(e.typeName)));
    }
}

[[noreturn]] void raiseMissing(const EnumInfo& e, std::string_view operation) {
    throw EEnumeradorInvalido(
        QStringLiteral("Operação %1 não definida para %2.")
            .arg(QString::fromLatin1(operation.data(), qsizetype(operation.size())),
                 QString::fromLatin1(e.typeName)));
}

const Cell& cellOf(const EnumInfo& e, std::string_view operation, int value) {
    const Column* c = e.column(operation);
    if (!c)
        raiseMissing(e, operation);
    const int ordinal = e.ordinalOf(value);
    if (ordinal < 0 || std::size_t(ordinal) >= c->cells.size())
        throw EEnumeradorInvalido(QStringLiteral("Opção de enumerador não implementada para %1.")
                                      .arg(QString::fromLatin1(e.typeName)));
    const Cell& cell = c->cells[std::size_t(ordinal)];
    if (cell.raise)
        throw EEnumeradorInvalido(QString::fromUtf8(cell.raise));
    return cell;
}

} // namespace

int EnumInfo::ordinalOf(int value) const {
    if (values.empty())
        return value >= 0 && std::size_t(value) < members.size() ? value : -1;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (values[i] == value)
            return int(i);
    return -1;
}

const Column* EnumInfo::column(std::string_view operation) const {
    for (const Column& c : columns)
        if (operation == c.operation)
            return &c;
    return nullptr;
}

const Reverse* EnumInfo::reverse(std::string_view operation) const {
    for (const Reverse& r : reverses)
        if (operation == r.operation)
            return &r;
    return nullptr;
}

QString text(const EnumInfo& e, std::string_view operation, int value) {
    return QString::fromUtf8(cellOf(e, operation, value).value);
}

regional::Currency currency(const EnumInfo& e, std::string_view operation, int value) {
    return regional::Currency::fromDouble(QByteArray(cellOf(e, operation, value).value).toDouble());
}

int valueOfMember(const EnumInfo& e, const QString& memberName) {
    for (std::size_t i = 0; i < e.members.size(); ++i)
        if (memberName == QLatin1String(e.members[i]))
            return e.valueOf(int(i));
    throw EEnumeradorInvalido(QStringLiteral("Membro %1 não existe em %2.")
                                  .arg(memberName, QString::fromLatin1(e.typeName)));
}

int32_t integer(const EnumInfo& e, std::string_view operation, int value) {
    return QByteArray(cellOf(e, operation, value).value).toInt();
}

// The recognised inputs of a reverse conversion, in the order they are tried.
static std::vector<std::pair<const char*, int>> inputsOf(const EnumInfo& e, const Reverse& r) {
    if (!r.codesOf)
        return r.inputs;
    std::vector<std::pair<const char*, int>> inputs;
    if (const Column* c = e.column(r.codesOf))
        for (std::size_t i = 0; i < c->cells.size(); ++i)
            if (!c->cells[i].raise)
                inputs.emplace_back(c->cells[i].value, int(i));
    return inputs;
}

int fromText(const EnumInfo& e, std::string_view operation, const QString& input) {
    const Reverse* r = e.reverse(operation);
    if (!r)
        raiseMissing(e, operation);
    for (const auto& [candidate, ordinal] : inputsOf(e, *r)) {
        const QString code = QString::fromUtf8(candidate);
        if (r->caseInsensitive ? code.toUpper() == input.toUpper() : code == input)
            return ordinal;
    }
    if (r->otherwise.kind == Otherwise::Kind::Default)
        return r->otherwise.member;
    raiseFor(e, r->otherwise, input);
}

int fromInt(const EnumInfo& e, std::string_view operation, int32_t input) {
    const Reverse* r = e.reverse(operation);
    if (!r)
        raiseMissing(e, operation);
    for (const auto& [candidate, ordinal] : inputsOf(e, *r))
        if (QByteArray(candidate).toInt() == input)
            return ordinal;
    if (r->otherwise.kind == Otherwise::Kind::Default)
        return r->otherwise.member;
    raiseFor(e, r->otherwise, QString::number(input));
}

TParListaList list(const EnumInfo& e) {
    TParListaList pairs;
    const Column* values = e.column(e.listValue ? e.listValue : "");
    const Column* captions = e.column(e.listCaption ? e.listCaption : "");
    if (!values || !captions)
        raiseMissing(e, "GetList");
    pairs.reserve(values->cells.size());
    for (std::size_t i = 0; i < values->cells.size(); ++i)
        pairs.emplace_back(QString::fromUtf8(values->cells[i].value),
                           QString::fromUtf8(captions->cells[i].value));
    return pairs;
}

} // namespace enumkit
