#pragma once

#include "common/exception.h"
#include "common/regional.h"

#include <QString>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// The enumeration machinery. Every enumeration is written once, as data, in the catalogue
// (contracts/catalogue/*.json); enumgen turns it at build time into a constant block per
// enumeration (its members, its columns and its reverse conversions, each named after the TEnum
// operation that reads it) and one-line definitions of the named operations, which call the
// functions below with the column or reverse conversion they read.

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

// One member's entry in a column: its text (the decimal code in an integer column), its number
// (the code of an integer column, the named member's value in a column of members), or the
// message the operation raises for that member instead.
struct Cell {
    const char* value;
    int32_t number = 0;
    const char* raise = nullptr;
};

// A forward conversion: one cell per member, in declaration order. Named after the operation
// that returns it ("ModalidadeFreteToStr"); a lower-case name carries codes no operation returns.
struct Column {
    const char* operation;
    std::span<const Cell> cells;
};

// What a reverse conversion does with an input it does not recognise.
struct Otherwise {
    enum class Kind { Default, Rejection, MessageWithArgument, Message };
    Kind kind;
    int member = -1; // Default: the ordinal given
    const char* message = nullptr;

    static constexpr Otherwise defaultTo(int memberOrdinal) {
        return {Kind::Default, memberOrdinal, nullptr};
    }
    // "Valor de enumerador "X" inválido para <type>."
    static constexpr Otherwise rejection() { return {Kind::Rejection, -1, nullptr}; }
    // The message with the argument appended directly.
    static constexpr Otherwise raisesWithArgument(const char* message) {
        return {Kind::MessageWithArgument, -1, message};
    }
    static constexpr Otherwise raises(const char* message) { return {Kind::Message, -1, message}; }
};

// One recognised input of a reverse conversion and the member (ordinal) it gives.
struct Input {
    const char* text;
    int32_t number; // the input of an integer conversion
    int ordinal;
};

// A reverse conversion: the recognised inputs, in the order they are tried, and the rule for
// every other input.
struct Reverse {
    const char* operation; // e.g. "ModalidadeFreteFromStr"
    bool integer;          // takes an integer rather than a text
    bool caseInsensitive;
    std::span<const Input> inputs;
    Otherwise otherwise;
    const Column* codes = nullptr; // the column whose codes are the inputs, when they are
};

struct EnumInfo {
    const char* typeName;
    std::span<const char* const> members; // names in declaration order
    std::span<const int> values;          // enumerator values, when not 0, 1, 2...
    std::span<const Column> columns;
    std::span<const Reverse> reverses;
    const Column* listValue = nullptr;   // the column of the pair list's codes
    const Column* listCaption = nullptr; // the column of its captions

    int ordinalOf(int value) const;
    constexpr int valueOf(int ordinal) const {
        return values.empty() ? ordinal : values[std::size_t(ordinal)];
    }
    const Column* column(std::string_view operation) const;
};

// The forward conversions of the member whose enumerator value is given.
QString text(const EnumInfo& e, const Column& c, int value);
int32_t integer(const EnumInfo& e, const Column& c, int value);
// A decimal column ("3.10") as a currency.
regional::Currency currency(const EnumInfo& e, const Column& c, int value);
// The reverse conversions: the ordinal of the member the input gives.
int fromText(const EnumInfo& e, const Reverse& r, const QString& input);
int fromInt(const EnumInfo& e, const Reverse& r, int32_t input);
// The pair list: every member's code and caption, in declaration order.
TParListaList list(const EnumInfo& e);

// Every enumeration of the vocabulary, in catalogue order, for checks that walk them all.
std::span<const EnumInfo* const> all();

} // namespace enumkit

// Each enumeration type has its data block.
template <typename E> const enumkit::EnumInfo& enumInfo();
