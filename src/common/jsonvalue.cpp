#include "common/jsonvalue.h"

#include "common/regional.h"

#include <QString>

namespace json {

JsonValue JsonValue::boolean(bool value) {
    JsonValue v;
    v.m_type = value ? Type::True : Type::False;
    return v;
}

JsonValue JsonValue::integer(int64_t value) {
    return numberText(std::to_string(value));
}

JsonValue JsonValue::decimal(double value) {
    return numberText(regional::formatGeneral15(value).toStdString());
}

JsonValue JsonValue::numberText(std::string text) {
    JsonValue v;
    v.m_type = Type::Number;
    v.m_text = std::move(text);
    return v;
}

JsonValue JsonValue::string(std::string utf8) {
    JsonValue v;
    v.m_type = Type::String;
    v.m_text = std::move(utf8);
    return v;
}

JsonValue JsonValue::string(const QString& text) {
    return string(text.toStdString());
}

JsonValue JsonValue::object() {
    JsonValue v;
    v.m_type = Type::Object;
    return v;
}

JsonValue JsonValue::array() {
    JsonValue v;
    v.m_type = Type::Array;
    return v;
}

JsonValue JsonValue::objectOf(std::vector<std::string> keys, std::vector<JsonValue> values) {
    JsonValue v = object();
    v.m_keys = std::move(keys);
    v.m_items = std::move(values);
    return v;
}

JsonValue JsonValue::arrayOf(std::vector<JsonValue> elements) {
    JsonValue v = array();
    v.m_items = std::move(elements);
    return v;
}

QString JsonValue::toQString() const {
    return QString::fromUtf8(m_text.data(), qsizetype(m_text.size()));
}

bool JsonValue::isIntegerNumber() const {
    return m_type == Type::Number && m_text.find_first_of(".eE") == std::string::npos;
}

JsonValue& JsonValue::add(std::string key, JsonValue value) {
    m_keys.push_back(std::move(key));
    m_items.push_back(std::move(value));
    return m_items.back();
}

JsonValue& JsonValue::addMembersOf(const JsonValue& object) {
    for (std::size_t i = 0; i < object.size(); ++i)
        add(object.keyAt(i), object.at(i));
    return *this;
}

const JsonValue* JsonValue::find(std::string_view key) const {
    for (std::size_t i = 0; i < m_keys.size(); ++i)
        if (m_keys[i] == key)
            return &m_items[i];
    return nullptr;
}

JsonValue* JsonValue::find(std::string_view key) {
    return const_cast<JsonValue*>(std::as_const(*this).find(key));
}

std::optional<JsonValue> JsonValue::remove(std::string_view key) {
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        if (m_keys[i] == key) {
            JsonValue removed = std::move(m_items[i]);
            m_items.erase(m_items.begin() + std::ptrdiff_t(i));
            m_keys.erase(m_keys.begin() + std::ptrdiff_t(i));
            return removed;
        }
    }
    return std::nullopt;
}

JsonValue& JsonValue::append(JsonValue value) {
    m_items.push_back(std::move(value));
    return m_items.back();
}

} // namespace json
