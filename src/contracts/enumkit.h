#pragma once

#include "common/exception.h"
#include "common/regional.h"

#include <QString>

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

// The enumeration machinery: every enumeration is one block of data (its members, its
// columns and its reverse conversions, each named after the TEnum operation that reads it),
// and every named operation is a one-line call into the data by its own name.

// One code/caption pair of a drop-down list.
struct TParLista {
    TParLista(QString valor, QString descricao)
        : Valor(std::move(valor)), Descricao(std::move(descricao)) {}
    TParLista(int32_t valor, QString descricao)
        : Valor(QString::number(valor)), Descricao(std::move(descricao)) {}
    QString Valor;
    QString Descricao;
};
using TParListaList = std::vector<TParLista>;

// Raised by the conversions that reject their input.
class EEnumeradorInvalido : public TQuorvaException {
public:
    using TQuorvaException::TQuorvaException;
    QString className() const override { return QStringLiteral("EEnumeradorInvalido"); }
};

namespace enumkit {

// A cell that raises instead of giving a value: "raises" followed by the message.
struct Cell {
    Cell(const char* v) : value(v) {} // NOLINT: cells are written as plain texts
    static Cell raises(const char* message) {
        Cell c("");
        c.raise = message;
        return c;
    }
    const char* value;
    const char* raise = nullptr;
};

// A forward conversion: one cell per member, in declaration order.
struct Column {
    const char* operation; // e.g. "ModalidadeFreteToStr"
    std::vector<Cell> cells;
};

// What a reverse conversion does with an input it does not recognise.
struct Otherwise {
    enum class Kind { Default, Rejection, MessageWithArgument, Message };
    Kind kind;
    int member = -1; // Default: the ordinal given
    const char* message = nullptr;

    static Otherwise defaultTo(int memberOrdinal) {
        return {Kind::Default, memberOrdinal, nullptr};
    }
    // "Valor de enumerador "X" inválido para <type>."
    static Otherwise rejection() { return {Kind::Rejection, -1, nullptr}; }
    // The message with the argument appended directly.
    static Otherwise raisesWithArgument(const char* message) {
        return {Kind::MessageWithArgument, -1, message};
    }
    static Otherwise raises(const char* message) { return {Kind::Message, -1, message}; }
};

// A reverse conversion: the recognised inputs, in the order they are tried, and the rule for
// every other input. Integer conversions write their inputs in decimal.
struct Reverse {
    const char* operation; // e.g. "ModalidadeFreteFromStr"
    bool caseInsensitive = false;
    std::vector<std::pair<const char*, int>> inputs; // input -> member ordinal
    Otherwise otherwise;
    // When set (and inputs are empty), the recognised inputs are this column's cells.
    const char* codesOf = nullptr;
};

struct EnumInfo {
    const char* typeName;
    std::vector<const char*> members; // names in declaration order
    std::vector<int> values;          // enumerator values, when not 0, 1, 2...
    std::vector<Column> columns;
    std::vector<Reverse> reverses;
    const char* listValue = nullptr;   // the column of the pair list's codes
    const char* listCaption = nullptr; // the column of its captions

    int ordinalOf(int value) const;
    int valueOf(int ordinal) const {
        return values.empty() ? ordinal : values[std::size_t(ordinal)];
    }
    const Column* column(std::string_view operation) const;
    const Reverse* reverse(std::string_view operation) const;
};

// The operations, by the name of the column or reverse conversion they read.
QString text(const EnumInfo& e, std::string_view operation, int value);
// A decimal column ("3.10") as a currency.
regional::Currency currency(const EnumInfo& e, std::string_view operation, int value);
// The enumerator value of the member with that name.
int valueOfMember(const EnumInfo& e, const QString& memberName);
int32_t integer(const EnumInfo& e, std::string_view operation, int value);
int fromText(const EnumInfo& e, std::string_view operation, const QString& input);
int fromInt(const EnumInfo& e, std::string_view operation, int32_t input);
TParListaList list(const EnumInfo& e);

// Every enumeration of the vocabulary, for checks that walk them all.
const std::vector<const EnumInfo*>& all();

} // namespace enumkit

// Each enumeration type has its data block.
template <typename E> const enumkit::EnumInfo& enumInfo();

// One-line definitions of the named operations.
#define QUORVA_ENUM_TEXT(Type, Op)                                                                 \
    QString Op(Type m) {                                                                           \
        return enumkit::text(enumInfo<Type>(), #Op, int(m));                                       \
    }
#define QUORVA_ENUM_INT(Type, Op)                                                                  \
    int32_t Op(Type m) {                                                                           \
        return enumkit::integer(enumInfo<Type>(), #Op, int(m));                                    \
    }
#define QUORVA_ENUM_FROM_TEXT(Type, Op)                                                            \
    Type Op(const QString& s) {                                                                    \
        return Type(enumInfo<Type>().valueOf(enumkit::fromText(enumInfo<Type>(), #Op, s)));        \
    }
#define QUORVA_ENUM_FROM_INT(Type, Op)                                                             \
    Type Op(int32_t i) {                                                                           \
        return Type(enumInfo<Type>().valueOf(enumkit::fromInt(enumInfo<Type>(), #Op, i)));         \
    }
#define QUORVA_ENUM_CURRENCY(Type, Op)                                                             \
    regional::Currency Op(Type m) {                                                                \
        return enumkit::currency(enumInfo<Type>(), #Op, int(m));                                   \
    }
// A column whose cells name members of another enumeration.
#define QUORVA_ENUM_MEMBER(Type, Target, Op)                                                       \
    Target Op(Type m) {                                                                            \
        return Target(enumkit::valueOfMember(enumInfo<Target>(),                                   \
                                             enumkit::text(enumInfo<Type>(), #Op, int(m))));       \
    }
#define QUORVA_ENUM_LIST(Type, Op)                                                                 \
    TParListaList Op() {                                                                           \
        return enumkit::list(enumInfo<Type>());                                                    \
    }
