#include "common/tjsonutil.h"

#include "common/charfilter.h"
#include "common/exception.h"
#include "common/filteredtext.h"
#include "common/protection.h"

#include <QMetaProperty>

#include <charconv>
#include <cmath>

namespace {

std::string asciiLower(const QString& key) {
    std::string s = key.toStdString();
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return s;
}

std::string asciiUpper(const QString& key) {
    std::string s = key.toStdString();
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return s;
}

// The key lookup rule: as given, in lower case, in upper case; the first member with the
// name counts, and it must be of the accepted type.
template <typename Accept>
const JsonValue* lookup(const JsonValue* obj, const QString& key, Accept accept) {
    if (!obj || !obj->isObject())
        return nullptr;
    for (const std::string& name : {key.toStdString(), asciiLower(key), asciiUpper(key)}) {
        const JsonValue* member = obj->find(name);
        if (member && accept(*member))
            return member;
    }
    return nullptr;
}

QString applyLineBreaksOnWrite(const QString& text, bool lineBreaks) {
    if (!lineBreaks)
        return text;
    QString s = text;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    return s;
}

QString applyLineBreaksOnRead(QString text, bool lineBreaks) {
    if (lineBreaks)
        text.replace(QStringLiteral("\\n"), QStringLiteral("\r\n"));
    return text;
}

const auto isNumber = [](const JsonValue& v) { return v.isNumber(); };

} // namespace

JsonValue TJSONUtil::SetStr(const QString& text, bool lineBreaks) {
    // A text the filter leaves as it is (the usual case) is written in one pass, line breaks
    // included, without the copies of the replacement and the conversion.
    if (::LimpaString(text).constData() == text.constData())
        return JsonValue::string(utf8OfFilteredText(text, lineBreaks));
    return JsonValue::string(::LimpaString(applyLineBreaksOnWrite(text, lineBreaks)));
}

JsonValue TJSONUtil::SetStrList(const QStringList& texts, bool lineBreaks) {
    JsonValue array = JsonValue::array();
    for (const QString& t : texts)
        array.append(SetStr(t, lineBreaks));
    return array;
}

JsonValue TJSONUtil::SetInt(int32_t value) {
    return JsonValue::integer(value);
}
JsonValue TJSONUtil::SetInt64(int64_t value) {
    return JsonValue::integer(value);
}
JsonValue TJSONUtil::SetDoub(double value) {
    return JsonValue::decimal(value);
}

JsonValue TJSONUtil::SetCurr(regional::Currency value) {
    return JsonValue::numberText(value.toJsonText().toStdString());
}

JsonValue TJSONUtil::SetBool(bool value) {
    return JsonValue::boolean(value);
}

JsonValue TJSONUtil::SetDateTime(const QDateTime& value, const QString& format, bool treatZero) {
    if (treatZero && regional::isZero(value))
        return JsonValue::string(std::string("0000-00-00 00:00:00"));
    return SetStr(regional::formatDateTime(format, value));
}

JsonValue TJSONUtil::SetCript(const QString& text) {
    return JsonValue::string(CriptografaTextoSegur(toCp1252(text)).toStdString());
}

QString TJSONUtil::GetCript(const JsonValue* obj, const QString& key, const QString& defaultValue) {
    const JsonValue* m = lookup(obj, key, [](const JsonValue& v) { return v.isString(); });
    const QByteArray protectedText =
        m ? QByteArray::fromStdString(m->text()) : toCp1252(defaultValue);
    return fromCp1252(DescriptografaTextoSegur(protectedText));
}

JsonValue TJSONUtil::SetObj(const JsonValue& value) {
    return value;
}

QString TJSONUtil::GetStr(const JsonValue* obj, const QString& key, const QString& defaultValue,
                          bool lineBreaks) {
    const JsonValue* m = lookup(obj, key, [](const JsonValue& v) { return v.isString(); });
    const QString text = m ? m->toQString() : defaultValue;
    return applyLineBreaksOnRead(::LimpaString(text), lineBreaks);
}

QByteArray TJSONUtil::GetStrUtf8(const JsonValue* obj, const QString& key) {
    const JsonValue* m = lookup(obj, key, [](const JsonValue& v) { return v.isString(); });
    if (!m)
        return {};
    const std::string& text = m->text();
    // Printable ASCII is all in the valid set except the tab and DEL: such text passes the
    // filter unchanged and needs no conversion.
    bool plain = true;
    for (const char c : text)
        if (c < 0x20 || c == 0x7f) {
            plain = false;
            break;
        }
    if (plain)
        return QByteArray(text.data(), qsizetype(text.size()));
    return ::LimpaString(m->toQString()).toUtf8();
}

QStringList TJSONUtil::GetStrList(const JsonValue* obj, const QString& key,
                                  const QStringList& defaultValue, bool lineBreaks) {
    const JsonValue* m = lookup(obj, key, [](const JsonValue& v) { return v.isArray(); });
    if (!m)
        return defaultValue;
    QStringList list;
    list.reserve(qsizetype(m->size()));
    for (std::size_t i = 0; i < m->size(); ++i) {
        // An element's text value: a string's content, a number's or a literal's text, and
        // nothing for an object or array.
        const JsonValue& e = m->at(i);
        QString text;
        if (e.isString() || e.isNumber())
            text = e.toQString();
        else if (e.isBool() || e.isNull())
            text = QString::fromStdString(json::toWireText(e));
        list.append(applyLineBreaksOnRead(::LimpaString(text), lineBreaks));
    }
    return list;
}

int32_t TJSONUtil::GetInt(const JsonValue* obj, const QString& key, int32_t defaultValue) {
    const JsonValue* m = lookup(obj, key, isNumber);
    return m ? regional::strToInt(m->toQString()) : defaultValue;
}

int64_t TJSONUtil::GetInt64(const JsonValue* obj, const QString& key, int64_t defaultValue) {
    const JsonValue* m = lookup(obj, key, isNumber);
    return m ? regional::strToInt64(m->toQString()) : defaultValue;
}

double TJSONUtil::GetDoub(const JsonValue* obj, const QString& key, double defaultValue) {
    const JsonValue* m = lookup(obj, key, isNumber);
    if (!m)
        return defaultValue;
    double value = 0;
    const std::string& t = m->text();
    const auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (ec == std::errc::result_out_of_range)
        return t.find('-') == 0 ? -HUGE_VAL : HUGE_VAL;
    return value;
}

regional::Currency TJSONUtil::GetCurr(const JsonValue* obj, const QString& key,
                                      regional::Currency defaultValue) {
    if (!lookup(obj, key, isNumber))
        return defaultValue;
    return regional::Currency::fromDouble(GetDoub(obj, key));
}

bool TJSONUtil::GetBool(const JsonValue* obj, const QString& key, bool defaultValue) {
    // true is looked for in all three forms before false is.
    if (lookup(obj, key, [](const JsonValue& v) { return v.isTrue(); }))
        return true;
    if (lookup(obj, key, [](const JsonValue& v) { return v.isFalse(); }))
        return false;
    return defaultValue;
}

QDateTime TJSONUtil::GetDateTime(const JsonValue* obj, const QString& key,
                                 const QDateTime& defaultValue) {
    if (!obj)
        return defaultValue;
    const QString text = GetStr(obj, key);
    QDateTime value = defaultValue;
    if (!text.trimmed().isEmpty())
        value = regional::tryStrToDateTime(text).value_or(defaultValue);
    if (regional::isZero(value) && text.contains(u'T'))
        value = XMLDate2DateTime(text);
    return value;
}

const JsonValue* TJSONUtil::GetObj(const JsonValue* obj, const QString& key) {
    return lookup(obj, key, [](const JsonValue& v) { return v.isObject(); });
}

const JsonValue* TJSONUtil::GetValue(const JsonValue& obj, const QString& key) {
    return lookup(&obj, key, [](const JsonValue&) { return true; });
}

QString TJSONUtil::LimpaString(const QString& text) {
    return ::LimpaString(text);
}

const QString& TJSONUtil::GetCaracteresValidos() {
    return ::GetCaracteresValidos();
}

std::optional<JsonValue> TJSONUtil::ParseJSONValue(const QString& text) {
    const QByteArray ascii = toAscii(text);
    return json::parse(std::string_view(ascii.constData(), std::size_t(ascii.size()))).value;
}

void TJSONUtil::RemovePair(JsonValue& obj, const QString& key) {
    if (!obj.isObject())
        return;
    obj.remove(key.toStdString());
    obj.remove(asciiLower(key));
    obj.remove(asciiUpper(key));
}

void TJSONUtil::Add(JsonValue& obj, const QString& key, JsonValue value) {
    obj.add(key.toStdString(), std::move(value));
}

void TJSONUtil::Add(JsonValue& array, JsonValue value) {
    array.append(std::move(value));
}

JsonValue TJSONUtil::ToJSONObject(const QMetaObject& type, const void* instance) {
    JsonValue obj = JsonValue::object();
    for (int i = 0; i < type.propertyCount(); ++i) {
        const QMetaProperty p = type.property(i);
        if (!p.isReadable() || qstrcmp(p.name(), "objectName") == 0)
            continue;
        const QVariant v = type.inherits(&QObject::staticMetaObject)
                               ? p.read(static_cast<const QObject*>(instance))
                               : p.readOnGadget(instance);
        JsonValue member;
        const QMetaType::Type t = QMetaType::Type(p.metaType().id());
        if (p.isEnumType()) {
            member = SetStr(QString::fromLatin1(p.enumerator().valueToKey(v.toInt())));
        } else if (t == QMetaType::Bool) {
            member = SetBool(v.toBool());
        } else if (t == QMetaType::Int || t == QMetaType::UInt || t == QMetaType::Short ||
                   t == QMetaType::UShort || t == QMetaType::LongLong) {
            member = SetInt64(v.toLongLong());
        } else if (t == QMetaType::Double || t == QMetaType::Float) {
            member = SetCurr(regional::Currency::fromDouble(v.toDouble()));
        } else if (t == QMetaType::QDateTime) {
            // Date-times travel as the day count since 30/12/1899 with the time as a fraction.
            const QDateTime dt = v.toDateTime();
            const double days = double(regional::zeroDateTime().msecsTo(dt)) / 86400000.0;
            member = SetCurr(regional::Currency::fromDouble(days));
        } else {
            member = SetStr(v.toString());
        }
        obj.add(p.name(), std::move(member));
    }
    return obj;
}

JsonValue TJSONUtil::ToJSONObject(const QObject& object) {
    return ToJSONObject(*object.metaObject(), &object);
}

bool TJSONUtil::Vazio(const JsonValue* value) {
    if (!value || value->isNull())
        return true;
    return value->isString() && value->text().empty();
}

QDateTime XMLDate2DateTime(const QString& input) {
    if (input.trimmed().isEmpty())
        return regional::zeroDateTime();
    auto piece = [&](qsizetype from, qsizetype len) {
        const QString part = input.mid(from, len);
        return part.isEmpty() ? 0 : regional::strToInt(part);
    };
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    if (input.size() >= 10) {
        year = piece(0, 4);
        month = piece(5, 2);
        day = piece(8, 2);
    }
    if (input.size() >= 19) {
        hour = piece(11, 2);
        minute = piece(14, 2);
        second = piece(17, 2);
    }
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1)
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    const QTime time(hour, minute, second);
    if (!time.isValid())
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return regional::makeDateTime(year, month, day, hour, minute, second);
}
