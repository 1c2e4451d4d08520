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

const Cell& cellOf(const EnumInfo& e, const Column& c, int value) {
    const int ordinal = e.ordinalOf(value);
    if (ordinal < 0 || std::size_t(ordinal) >= c.cells.size())
        throw EEnumeradorInvalido(QStringLiteral("Opção de enumerador não implementada para %1.")
                                      .arg(QString::fromLatin1(e.typeName)));
    const Cell& cell = c.cells[std::size_t(ordinal)];
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

QString text(const EnumInfo& e, const Column& c, int value) {
    return QString::fromUtf8(cellOf(e, c, value).value);
}

int32_t integer(const EnumInfo& e, const Column& c, int value) {
    return cellOf(e, c, value).number;
}

regional::Currency currency(const EnumInfo& e, const Column& c, int value) {
    return regional::Currency::fromDouble(QByteArray(cellOf(e, c, value).value).toDouble());
}

int fromText(const EnumInfo& e, const Reverse& r, const QString& input) {
    if (r.caseInsensitive) {
        const QString upper = input.toUpper();
        for (const Input& candidate : r.inputs)
            if (QString::fromUtf8(candidate.text).toUpper() == upper)
                return candidate.ordinal;
    } else {
        for (const Input& candidate : r.inputs)
            if (QAnyStringView::equal(input, QUtf8StringView(candidate.text)))
                return candidate.ordinal;
    }
    if (r.otherwise.kind == Otherwise::Kind::Default)
        return r.otherwise.member;
    raiseFor(e, r.otherwise, input);
}

int fromInt(const EnumInfo& e, const Reverse& r, int32_t input) {
    for (const Input& candidate : r.inputs)
        if (candidate.number == input)
            return candidate.ordinal;
    if (r.otherwise.kind == Otherwise::Kind::Default)
        return r.otherwise.member;
    raiseFor(e, r.otherwise, QString::number(input));
}

TParListaList list(const EnumInfo& e) {
    TParListaList pairs;
    pairs.reserve(e.members.size());
    for (std::size_t i = 0; i < e.members.size(); ++i)
        pairs.emplace_back(QString::fromUtf8(e.listValue->cells[i].value),
                           QString::fromUtf8(e.listCaption->cells[i].value));
    return pairs;
}

} // namespace enumkit
