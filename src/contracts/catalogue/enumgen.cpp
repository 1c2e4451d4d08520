// enumgen: turns the enumeration catalogue (one JSON file per area, described in README.md
// beside this file) into C++ at build time.
//
// Every file is read and every name checked before anything is written: an unknown key, a
// column, member or enumeration that does not exist, a cell of the wrong kind or a conversion
// that recognises nothing stops the build with the file and the enumeration at fault.
//
// Output: <area>.h per area (the enumerations and the declarations of their operations) and
// catalogue.cpp (the constant data of every enumeration and the one-line definitions of the
// operations, which call contracts/enumkit.h). A file is rewritten only when its text changes,
// so that what includes it is not rebuilt.
//
// Usage: enumgen <output folder> <area.json>...

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;
using rapidjson::Value;

struct Failure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string& where, const std::string& what) {
    throw Failure(where + ": " + what);
}

// ---- The catalogue as read -------------------------------------------------------------------

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
};

// ---- Reading ---------------------------------------------------------------------------------

bool isIdentifier(std::string_view s) {
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0])))
        return false;
    return std::all_of(s.begin(), s.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
}

bool isDecimal(std::string_view s) {
    if (!s.empty() && s[0] == '-')
        s.remove_prefix(1);
    const auto dot = s.find('.');
    const auto digits = [](std::string_view d) {
        return !d.empty() &&
               std::all_of(d.begin(), d.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return dot == std::string_view::npos ? digits(s)
                                         : digits(s.substr(0, dot)) && digits(s.substr(dot + 1));
}

void onlyKeys(const Value& object, std::initializer_list<std::string_view> known,
              const std::string& where) {
    if (!object.IsObject())
        fail(where, "expected an object");
    for (const auto& m : object.GetObject()) {
        const std::string_view key(m.name.GetString(), m.name.GetStringLength());
        if (std::find(known.begin(), known.end(), key) == known.end())
            fail(where, "unknown key \"" + std::string(key) + "\"");
    }
}

std::string textOf(const Value& v, const std::string& where, const std::string& what) {
    if (!v.IsString())
        fail(where, what + " must be a text");
    return {v.GetString(), v.GetStringLength()};
}

std::string key(const Value& object, const char* name, const std::string& where) {
    const auto it = object.FindMember(name);
    if (it == object.MemberEnd())
        fail(where, std::string("\"") + name + "\" is missing");
    return textOf(it->value, where, name);
}

// The elements of a list, none when the key is absent.
Value::ConstArray arrayOf(const Value& object, const char* name, const std::string& where) {
    static const Value empty(rapidjson::kArrayType);
    const auto it = object.FindMember(name);
    if (it == object.MemberEnd())
        return empty.GetArray();
    if (!it->value.IsArray())
        fail(where, std::string("\"") + name + "\" must be a list");
    return it->value.GetArray();
}

// "Name" or "Name:kind".
std::pair<std::string, std::string> splitKind(const std::string& spec, const std::string& where) {
    const auto colon = spec.find(':');
    std::string name = spec.substr(0, colon);
    if (!isIdentifier(name))
        fail(where, "\"" + spec + "\" is not a name");
    return {name, colon == std::string::npos ? "" : spec.substr(colon + 1)};
}

Column readColumn(const std::string& spec, const std::string& where) {
    Column c;
    std::string kind;
    std::tie(c.name, kind) = splitKind(spec, where);
    c.operation = std::isupper(static_cast<unsigned char>(c.name[0])) != 0;
    if (kind == "int")
        c.kind = Kind::Int;
    else if (kind == "currency")
        c.kind = Kind::Currency;
    else if (!kind.empty()) {
        if (!isIdentifier(kind))
            fail(where, "column " + c.name + ": \"" + kind + "\" is not a kind");
        c.kind = Kind::Member;
        c.target = kind;
    }
    return c;
}

Cell readCell(const Value& v, const Column& c, const std::string& where) {
    Cell cell;
    if (v.IsObject() && c.kind != Kind::Member) {
        onlyKeys(v, {"raises"}, where);
        cell.raises = key(v, "raises", where);
        return cell;
    }
    switch (c.kind) {
    case Kind::Int:
        if (!v.IsInt())
            fail(where, c.name + " needs an integer");
        cell.number = v.GetInt();
        cell.text = std::to_string(cell.number);
        break;
    case Kind::Currency:
        cell.text = textOf(v, where, c.name);
        if (!isDecimal(cell.text))
            fail(where, c.name + " needs a decimal, not \"" + cell.text + "\"");
        break;
    case Kind::Member:
        cell.text = textOf(v, where, c.name);
        if (!isIdentifier(cell.text))
            fail(where, c.name + " needs a member of " + c.target);
        break;
    case Kind::Text:
        cell.text = textOf(v, where, c.name);
        break;
    }
    return cell;
}

Reverse readReverse(const Value& v, const Enumeration& e) {
    std::string where = e.where;
    onlyKeys(v,
             {"op", "note", "caseInsensitive", "codes", "inputs", "default", "rejects", "raises",
              "raisesWithArgument"},
             where);
    Reverse r;
    std::string kind;
    std::tie(r.op, kind) = splitKind(key(v, "op", where), where);
    where += ": " + r.op;
    if (kind != "" && kind != "int")
        fail(where, "a reverse conversion takes a text or an :int");
    r.integer = kind == "int";
    if (v.HasMember("caseInsensitive")) {
        if (!v["caseInsensitive"].IsBool() || r.integer)
            fail(where, "caseInsensitive is true or false, on text conversions only");
        r.caseInsensitive = v["caseInsensitive"].GetBool();
    }
    if (v.HasMember("codes") == v.HasMember("inputs"))
        fail(where, "give either \"codes\" or \"inputs\"");
    if (v.HasMember("codes")) {
        r.codes = e.column(key(v, "codes", where), where);
        const Column& c = e.columns[std::size_t(r.codes)];
        if (r.integer ? c.kind != Kind::Int : c.kind != Kind::Text && c.kind != Kind::Currency)
            fail(where,
                 "the codes of " + c.name + " are not " + (r.integer ? "integers" : "texts"));
        for (std::size_t i = 0; i < c.cells.size(); ++i)
            if (!c.cells[i].raises)
                r.inputs.push_back({c.cells[i].text, c.cells[i].number, int(i)});
    }
    for (const Value& pair : arrayOf(v, "inputs", where)) {
        if (!pair.IsArray() || pair.Size() != 2)
            fail(where, "each input is [input, member]");
        Input in;
        if (r.integer) {
            if (!pair[0].IsInt())
                fail(where, "the inputs of an :int conversion are integers");
            in.number = pair[0].GetInt();
            in.text = std::to_string(in.number);
        } else {
            in.text = textOf(pair[0], where, "an input");
        }
        in.ordinal = e.ordinal(textOf(pair[1], where, "a member"), where);
        r.inputs.push_back(in);
    }
    if (r.inputs.empty())
        fail(where, "recognises no input");
    const int rules = int(v.HasMember("default")) + int(v.HasMember("rejects")) +
                      int(v.HasMember("raises")) + int(v.HasMember("raisesWithArgument"));
    if (rules != 1)
        fail(where, "give one of default, rejects, raises, raisesWithArgument");
    if (v.HasMember("default")) {
        r.rule = "defaultTo";
        r.member = e.ordinal(key(v, "default", where), where);
    } else if (v.HasMember("rejects")) {
        if (!v["rejects"].IsBool() || !v["rejects"].GetBool())
            fail(where, "rejects is true or absent");
        r.rule = "rejection";
    } else {
        r.rule = v.HasMember("raises") ? "raises" : "raisesWithArgument";
        r.message = key(v, r.rule.c_str(), where);
    }
    return r;
}

Enumeration readEnumeration(const Value& v, const std::string& file) {
    Enumeration e;
    onlyKeys(v, {"type", "note", "columns", "members", "reverse", "list"}, file);
    e.type = key(v, "type", file);
    e.where = file + ": " + e.type;
    if (!isIdentifier(e.type))
        fail(e.where, "the type is not a name");
    int valueColumn = -1;
    for (const Value& spec : arrayOf(v, "columns", e.where)) {
        const std::string name = textOf(spec, e.where, "a column");
        Column c = readColumn(name, e.where);
        if (name == "value") {
            valueColumn = int(e.columns.size());
            c.kind = Kind::Int;
        } else if (!c.operation && c.kind != Kind::Text) {
            fail(e.where, "a column without operation holds texts");
        }
        e.columns.push_back(c);
    }
    for (const Value& row : arrayOf(v, "members", e.where)) {
        if (!row.IsArray() || row.Size() != e.columns.size() + 1)
            fail(e.where, "each member is [name, then one cell per column]");
        e.members.push_back(textOf(row[0], e.where, "a member name"));
        const std::string where = e.where + ": " + e.members.back();
        if (!isIdentifier(e.members.back()))
            fail(where, "not a name");
        if (std::count(e.members.begin(), e.members.end(), e.members.back()) > 1)
            fail(where, "written twice");
        for (std::size_t i = 0; i < e.columns.size(); ++i) {
            Column& c = e.columns[i];
            c.cells.push_back(readCell(row[rapidjson::SizeType(i + 1)], c, where));
            if (int(i) == valueColumn) {
                if (c.cells.back().raises)
                    fail(where, "a member cannot raise for its value");
                e.values.push_back(c.cells.back().number);
            }
        }
    }
    if (e.members.empty())
        fail(e.where, "has no members");
    if (valueColumn >= 0)
        e.columns.erase(e.columns.begin() + valueColumn);
    for (std::size_t i = 0; i < e.values.size(); ++i)
        if (std::count(e.values.begin(), e.values.end(), e.values[i]) > 1)
            fail(e.where, "two members with the value " + std::to_string(e.values[i]));
    for (const Value& r : arrayOf(v, "reverse", e.where))
        e.reverses.push_back(readReverse(r, e));
    if (const auto it = v.FindMember("list"); it != v.MemberEnd()) {
        const std::string where = e.where + ": list";
        onlyKeys(it->value, {"op", "codes", "captions"}, where);
        List list{key(it->value, "op", where), e.column(key(it->value, "codes", where), where),
                  e.column(key(it->value, "captions", where), where)};
        if (!isIdentifier(list.op))
            fail(where, "the op is not a name");
        for (const int c : {list.codes, list.captions}) {
            const Column& column = e.columns[std::size_t(c)];
            if (column.kind != Kind::Text && !(c == list.codes && column.kind == Kind::Int))
                fail(where, column.name + " cannot fill a list");
            for (const Cell& cell : column.cells)
                if (cell.raises)
                    fail(where, column.name + " raises for a member the list shows");
        }
        e.list = list;
    }
    return e;
}

Area readArea(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        fail(path.string(), "cannot be read");
    const std::string json((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    rapidjson::Document doc;
    doc.Parse(json.c_str(), json.size());
    const std::string file = path.filename().string();
    if (doc.HasParseError()) {
        const std::size_t at = doc.GetErrorOffset();
        const auto line = std::count(json.begin(), json.begin() + std::ptrdiff_t(at), '\n') + 1;
        fail(file + ":" + std::to_string(line), rapidjson::GetParseError_En(doc.GetParseError()));
    }
    onlyKeys(doc, {"about", "includes", "enumerations"}, file);
    Area area{path.stem().string(), key(doc, "about", file), {}, {}};
    for (const Value& include : arrayOf(doc, "includes", file)) {
        area.includes.push_back(textOf(include, file, "an include"));
        if (area.includes.back().empty())
            fail(file, "an include names no header");
    }
    for (const Value& e : arrayOf(doc, "enumerations", file))
        area.enumerations.push_back(readEnumeration(e, file));
    return area;
}

// Checks across the whole catalogue: names the compiler sees once, and the members that member
// columns name (their values are filled in here). Returns the areas each area's header needs.
std::map<std::string, std::vector<std::string>> resolve(std::vector<Area>& areas) {
    std::map<std::string, std::string> seen; // name -> where it was written
    const auto once = [&seen](const std::string& name, const std::string& where) {
        const auto [it, fresh] = seen.emplace(name, where);
        if (!fresh)
            fail(where, name + " is already written in " + it->second);
    };
    std::map<std::string, std::pair<const Enumeration*, std::string>> types; // type -> area
    for (const Area& a : areas)
        for (const Enumeration& e : a.enumerations) {
            once(e.type, e.where);
            types[e.type] = {&e, a.name};
            for (const std::string& m : e.members)
                once(m, e.where);
            for (const Column& c : e.columns)
                if (c.operation)
                    once("TEnum::" + c.name, e.where);
            for (const Reverse& r : e.reverses)
                once("TEnum::" + r.op, e.where);
            if (e.list)
                once("TEnum::" + e.list->op, e.where);
        }
    std::map<std::string, std::vector<std::string>> needs;
    for (Area& a : areas)
        for (Enumeration& e : a.enumerations)
            for (Column& c : e.columns) {
                if (c.kind != Kind::Member)
                    continue;
                const auto it = types.find(c.target);
                if (it == types.end())
                    fail(e.where, c.name + " names members of " + c.target +
                                      ", which is not in the catalogue");
                const Enumeration& target = *it->second.first;
                for (Cell& cell : c.cells) {
                    const auto& names = target.members;
                    const auto at = std::find(names.begin(), names.end(), cell.text);
                    if (at == names.end())
                        fail(e.where,
                             c.name + " names " + cell.text + ", not a member of " + c.target);
                    cell.number = target.valueOf(int(at - names.begin()));
                }
                auto& list = needs[a.name];
                if (it->second.second != a.name &&
                    std::find(list.begin(), list.end(), it->second.second) == list.end())
                    list.push_back(it->second.second);
            }
    return needs;
}

// ---- Writing ---------------------------------------------------------------------------------

// A C++ string literal (UTF-8 bytes kept as they are).
std::string literal(const std::string& s) {
    std::string out = "\"";
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '"' || ch == '\\')
            out += {'\\', ch};
        else if (c < 0x20 || c == 0x7f) {
            const char octal[] = {'\\', char('0' + (c >> 6)), char('0' + ((c >> 3) & 7)),
                                  char('0' + (c & 7)), 0};
            out += octal;
        } else
            out += ch;
    }
    return out + "\"";
}

std::string otherwise(const Reverse& r) {
    if (r.rule == "defaultTo")
        return "O::defaultTo(" + std::to_string(r.member) + ")";
    if (r.rule == "rejection")
        return "O::rejection()";
    return "O::" + r.rule + "(" + literal(r.message) + ")";
}

// Text as "//" lines of up to 100 characters.
std::string comment(const std::string& text) {
    std::string out, line = "//";
    std::istringstream words(text);
    for (std::string word; words >> word;) {
        if (line.size() + 1 + word.size() > 100) {
            out += line + "\n";
            line = "//";
        }
        line += " " + word;
    }
    return out + line + "\n";
}

std::string returnType(const Column& c) {
    switch (c.kind) {
    case Kind::Int:
        return "int32_t";
    case Kind::Currency:
        return "regional::Currency";
    case Kind::Member:
        return c.target;
    case Kind::Text:
        break;
    }
    return "QString";
}

std::string header(const Area& a, const std::vector<std::string>& needs) {
    std::ostringstream h;
    h << "// Generated by enumgen from the catalogue's " << a.name
      << ".json: edit the data, not this file.\n"
      << "#pragma once\n\n"
      << comment(a.about) << "#include \"contracts/enumkit.h\"\n";
    for (const std::string& include : a.includes)
        h << "#include " << (include.front() == '<' ? include : '"' + include + '"') << "\n";
    for (const std::string& other : needs)
        h << "#include \"contracts/" << other << ".h\"\n";
    for (const Enumeration& e : a.enumerations) {
        h << "\nenum " << e.type << " {\n";
        for (std::size_t i = 0; i < e.members.size(); ++i) {
            // A value is written where it is not the one the compiler would give.
            const bool implicit = e.valueOf(int(i)) == (i == 0 ? 0 : e.valueOf(int(i) - 1) + 1);
            h << "    " << e.members[i]
              << (implicit ? "" : " = " + std::to_string(e.valueOf(int(i))))
              << (i + 1 < e.members.size() ? ",\n" : "\n");
        }
        h << "};\n";
    }
    h << "\nnamespace TEnum {\n";
    for (const Enumeration& e : a.enumerations) {
        for (const Column& c : e.columns)
            if (c.operation)
                h << returnType(c) << " " << c.name << "(" << e.type << " m);\n";
        for (const Reverse& r : e.reverses)
            h << e.type << " " << r.op << (r.integer ? "(int32_t i);\n" : "(const QString& s);\n");
        if (e.list)
            h << "TParListaList " << e.list->op << "();\n";
    }
    h << "} // namespace TEnum\n\n";
    for (const Enumeration& e : a.enumerations)
        h << "template <> const enumkit::EnumInfo& enumInfo<" << e.type << ">();\n";
    return h.str();
}

void data(std::ostream& s, const Enumeration& e) {
    s << "\nnamespace e_" << e.type << " {\nconstexpr const char* members[] = {";
    for (const std::string& m : e.members)
        s << literal(m) << ", ";
    s << "};\n";
    if (!e.values.empty()) {
        s << "constexpr int values[] = {";
        for (const int64_t v : e.values)
            s << v << ", ";
        s << "};\n";
    }
    for (std::size_t i = 0; i < e.columns.size(); ++i) {
        s << "constexpr Cell c" << i << "[] = {";
        for (const Cell& cell : e.columns[i].cells) {
            if (cell.raises)
                s << "{\"\", 0, " << literal(*cell.raises) << "}, ";
            else if (e.columns[i].kind == Kind::Member)
                s << "{" << literal(cell.text) << ", " << cell.text << "}, ";
            else if (e.columns[i].kind == Kind::Int)
                s << "{" << literal(cell.text) << ", " << cell.number << "}, ";
            else
                s << "{" << literal(cell.text) << "}, ";
        }
        s << "};\n";
    }
    if (!e.columns.empty()) {
        s << "constexpr Column columns[] = {";
        for (std::size_t i = 0; i < e.columns.size(); ++i)
            s << "{" << literal(e.columns[i].name) << ", c" << i << "}, ";
        s << "};\n";
    }
    for (std::size_t i = 0; i < e.reverses.size(); ++i) {
        s << "constexpr Input r" << i << "[] = {";
        for (const Input& in : e.reverses[i].inputs)
            s << "{" << literal(in.text) << ", " << in.number << ", " << in.ordinal << "}, ";
        s << "};\n";
    }
    if (!e.reverses.empty()) {
        s << "constexpr Reverse reverses[] = {\n";
        for (std::size_t i = 0; i < e.reverses.size(); ++i) {
            const Reverse& r = e.reverses[i];
            s << "    {" << literal(r.op) << ", " << (r.integer ? "true" : "false") << ", "
              << (r.caseInsensitive ? "true" : "false") << ", r" << i << ", " << otherwise(r)
              << ", " << (r.codes < 0 ? "nullptr" : "&columns[" + std::to_string(r.codes) + "]")
              << "},\n";
        }
        s << "};\n";
    }
    s << "constexpr EnumInfo info{" << literal(e.type) << ", members, "
      << (e.values.empty() ? "{}" : "values") << ", " << (e.columns.empty() ? "{}" : "columns")
      << ", " << (e.reverses.empty() ? "{}" : "reverses");
    if (e.list)
        s << ", &columns[" << e.list->codes << "], &columns[" << e.list->captions << "]";
    s << "};\n} // namespace e_" << e.type << "\n";
}

void operations(std::ostream& s, const Enumeration& e) {
    const std::string info = "e_" + e.type + "::info";
    for (std::size_t i = 0; i < e.columns.size(); ++i) {
        const Column& c = e.columns[i];
        if (!c.operation)
            continue;
        const std::string args =
            "(" + info + ", e_" + e.type + "::columns[" + std::to_string(i) + "], int(m))";
        s << returnType(c) << " " << c.name << "(" << e.type << " m) {\n    return ";
        switch (c.kind) {
        case Kind::Text:
            s << "enumkit::text" << args;
            break;
        case Kind::Int:
            s << "enumkit::integer" << args;
            break;
        case Kind::Currency:
            s << "enumkit::currency" << args;
            break;
        case Kind::Member:
            s << c.target << "(enumkit::integer" << args << ")";
            break;
        }
        s << ";\n}\n";
    }
    for (std::size_t i = 0; i < e.reverses.size(); ++i) {
        const Reverse& r = e.reverses[i];
        s << e.type << " " << r.op << (r.integer ? "(int32_t i) {\n" : "(const QString& s) {\n")
          << "    return " << e.type << "(" << info
          << ".valueOf(enumkit::" << (r.integer ? "fromInt" : "fromText") << "(" << info << ", e_"
          << e.type << "::reverses[" << i << "], " << (r.integer ? "i" : "s") << ")));\n}\n";
    }
    if (e.list)
        s << "TParListaList " << e.list->op << "() {\n    return enumkit::list(" << info
          << ");\n}\n";
}

std::string source(const std::vector<Area>& areas) {
    std::ostringstream s;
    s << "// Generated by enumgen from the catalogue: edit the data, not this file.\n";
    for (const Area& a : areas)
        s << "#include \"contracts/" << a.name << ".h\"\n";
    s << "\nusing enumkit::Cell;\nusing enumkit::Column;\nusing enumkit::EnumInfo;\nusing "
         "enumkit::Input;\n"
         "using enumkit::Reverse;\nusing O = enumkit::Otherwise;\n\nnamespace {\n";
    for (const Area& a : areas)
        for (const Enumeration& e : a.enumerations)
            data(s, e);
    s << "\nconstexpr const EnumInfo* every[] = {\n";
    for (const Area& a : areas)
        for (const Enumeration& e : a.enumerations)
            s << "    &e_" << e.type << "::info,\n";
    s << "};\n} // namespace\n\nstd::span<const EnumInfo* const> enumkit::all() {\n    return "
         "every;\n}\n\n";
    for (const Area& a : areas)
        for (const Enumeration& e : a.enumerations)
            s << "template <> const EnumInfo& enumInfo<" << e.type << ">() {\n    return e_"
              << e.type << "::info;\n}\n";
    s << "\nnamespace TEnum {\n";
    for (const Area& a : areas)
        for (const Enumeration& e : a.enumerations)
            operations(s, e);
    s << "} // namespace TEnum\n";
    return s.str();
}

// Leaves a file that already holds the text alone, so that what includes it is not rebuilt.
void writeIfChanged(const fs::path& path, const std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (in &&
        std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()) == text)
        return;
    in.close();
    fs::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush())
        fail(path.string(), "cannot be written");
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: enumgen <output folder> <area.json>...\n";
        return 2;
    }
    try {
        std::vector<Area> areas;
        for (int i = 2; i < argc; ++i)
            areas.push_back(readArea(argv[i]));
        const auto needs = resolve(areas);
        const fs::path out = argv[1];
        for (const Area& a : areas) {
            const auto it = needs.find(a.name);
            writeIfChanged(out / (a.name + ".h"),
                           header(a, it == needs.end() ? std::vector<std::string>{} : it->second));
        }
        writeIfChanged(out / "catalogue.cpp", source(areas));
    } catch (const std::exception& e) {
        std::cerr << "enumgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
