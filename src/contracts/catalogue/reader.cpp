// Reading the catalogue: every key, kind and name is checked here, before anything is written.
#include "contracts/catalogue/model.h"

#include <rapidjson/document.h>
#include <rapidjson/error/en.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <string_view>
#include <tuple>

namespace enumgen {

namespace {

using rapidjson::Value;

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
std::pair<std::string, std::string> splitKind(const std::string& written,
                                              const std::string& where) {
    const auto colon = written.find(':');
    std::string name = written.substr(0, colon);
    if (!isIdentifier(name))
        fail(where, "\"" + written + "\" is not a name");
    return {name, colon == std::string::npos ? "" : written.substr(colon + 1)};
}

Column readColumn(const std::string& written, const std::string& where) {
    Column c;
    std::string kind;
    std::tie(c.name, kind) = splitKind(written, where);
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
    for (const Value& written : arrayOf(v, "columns", e.where)) {
        const std::string name = textOf(written, e.where, "a column");
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

Area readArea(const std::filesystem::path& path) {
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
    Area area;
    area.name = path.stem().string();
    area.about = key(doc, "about", file);
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
// columns name (their values are filled in here, and the areas they come from noted).
void resolve(std::vector<Area>& areas) {
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
                std::vector<std::string>& uses = a.uses;
                if (it->second.second != a.name &&
                    std::find(uses.begin(), uses.end(), it->second.second) == uses.end())
                    uses.push_back(it->second.second);
            }
}

} // namespace

std::vector<Area> readCatalogue(const std::vector<std::string>& files) {
    std::vector<Area> areas;
    for (const std::string& file : files)
        areas.push_back(readArea(file));
    resolve(areas);
    return areas;
}

} // namespace enumgen
