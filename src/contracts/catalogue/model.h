#pragma once

// The enumeration catalogue as enumgen reads it, checks it and writes it out.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace enumgen {

// A fault in the catalogue: where ("<file>: <type>: <operation>") and what.
struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] inline void fail(const std::string& where, const std::string& what) {
    throw Failure(where + ": " + what);
}

enum class Kind { Text, Int, Currency, Member };

struct Cell {
    std::string text;
    int64_t number = 0; // integer cells; in member columns, the named member's value
    std::optional<std::string> raises;
};

struct Column {
    std::string name;
    Kind kind = Kind::Text;
    std::string target; // member columns: the enumeration whose members the cells name
    bool operation = true;
    std::vector<Cell> cells;
};

struct Input {
    std::string text;
    int64_t number = 0;
    int ordinal = 0;
};

struct Reverse {
    std::string op;
    bool integer = false;
    bool caseInsensitive = false;
    int codes = -1; // the column whose codes are the inputs
    std::vector<Input> inputs;
    // Any other input: the enumkit::Otherwise rule (defaultTo, rejection, raises or
    // raisesWithArgument) with its member or message.
    std::string rule;
    int member = -1;
    std::string message;
};

struct List {
    std::string op;
    int codes = -1;
    int captions = -1;
};

struct Enumeration {
    std::string type;
    std::string where; // "<file>: <type>", for messages
    std::vector<std::string> members;
    std::vector<int64_t> values; // explicit enumerator values, or none
    std::vector<Column> columns;
    std::vector<Reverse> reverses;
    std::optional<List> list;

    int ordinal(const std::string& member, const std::string& at) const {
        const auto it = std::find(members.begin(), members.end(), member);
        if (it == members.end())
            fail(at, "no member named " + member);
        return int(it - members.begin());
    }
    int64_t valueOf(int ordinal) const {
        return values.empty() ? ordinal : values[std::size_t(ordinal)];
    }
    int column(const std::string& name, const std::string& at) const {
        for (std::size_t i = 0; i < columns.size(); ++i)
            if (columns[i].name == name)
                return int(i);
        fail(at, "no column named " + name);
    }
};

struct Area {
    std::string name; // the header is contracts/<name>.h
    std::string about;
    std::vector<std::string> includes;
    std::vector<Enumeration> enumerations;
    std::vector<std::string> uses; // the areas whose members its member columns name
};

// Reads the area files in order and checks every name; raises Failure.
std::vector<Area> readCatalogue(const std::vector<std::string>& files);
// Writes <area>.h for each area and catalogue.cpp into the folder, leaving alone a file that
// already holds its text (so that what includes it is not rebuilt); raises Failure.
void writeCatalogue(const std::vector<Area>& areas, const std::string& folder);

} // namespace enumgen
