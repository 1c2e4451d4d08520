#pragma once

#include "common/jsonvalue.h"
#include "common/regional.h"

#include <QDateTime>
#include <QMetaObject>
#include <QString>
#include <QStringList>

#include <optional>

using json::JsonValue;

// Typed access to JSON members. Every string written or read passes the valid-character
// filter; every getter looks a key up as given, then in lower case, then in upper case, and
// accepts a member only of the expected type; a missing or mistyped member gives the default.
class TJSONUtil {
public:
    TJSONUtil() = delete;

    // Writing: each returns a new value.
    static JsonValue SetStr(const QString& text, bool lineBreaks = false);
    static JsonValue SetStrList(const QStringList& texts, bool lineBreaks = false);
    static JsonValue SetInt(int32_t value);
    static JsonValue SetInt64(int64_t value);
    static JsonValue SetDoub(double value);
    static JsonValue SetCurr(regional::Currency value);
    static JsonValue SetBool(bool value);
    static JsonValue SetDateTime(const QDateTime& value, const QString& format,
                                 bool treatZero = false);
    // A JSON string holding the protected form of the text (8-bit code page, no filter).
    static JsonValue SetCript(const QString& text);
    // Generic object conversion: a copy of the given value.
    static JsonValue SetObj(const JsonValue& value);

    // Reading; the object may be absent (nullptr), which gives the default.
    static QString GetStr(const JsonValue* obj, const QString& key,
                          const QString& defaultValue = QString(), bool lineBreaks = false);
    // GetStr as UTF-8 bytes, without the UTF-16 copy (for answers of tens of megabytes).
    static QByteArray GetStrUtf8(const JsonValue* obj, const QString& key);
    static QStringList GetStrList(const JsonValue* obj, const QString& key,
                                  const QStringList& defaultValue = {}, bool lineBreaks = false);
    // Raise the integer conversion error for a number with a fraction or exponent.
    static int32_t GetInt(const JsonValue* obj, const QString& key, int32_t defaultValue = 0);
    static int64_t GetInt64(const JsonValue* obj, const QString& key, int64_t defaultValue = 0);
    static double GetDoub(const JsonValue* obj, const QString& key, double defaultValue = 0);
    static regional::Currency GetCurr(const JsonValue* obj, const QString& key,
                                      regional::Currency defaultValue = {});
    static bool GetBool(const JsonValue* obj, const QString& key, bool defaultValue = false);
    static QDateTime GetDateTime(const JsonValue* obj, const QString& key,
                                 const QDateTime& defaultValue);
    static const JsonValue* GetObj(const JsonValue* obj, const QString& key);
    // The clear text of a protected string member (or of the default), without the filter.
    static QString GetCript(const JsonValue* obj, const QString& key,
                            const QString& defaultValue = QString());
    static const JsonValue* GetValue(const JsonValue& obj, const QString& key);

    // Other operations.
    static QString LimpaString(const QString& text);
    static const QString& GetCaracteresValidos();
    // Reduces the text to ASCII ("?" for anything above 127), then parses it.
    static std::optional<JsonValue> ParseJSONValue(const QString& text);
    static void RemovePair(JsonValue& obj, const QString& key);
    static JsonValue NewJSONObjet() { return JsonValue::object(); }
    static JsonValue NewJSONObjetList() { return JsonValue::array(); }
    static void Add(JsonValue& obj, const QString& key, JsonValue value);
    static void Add(JsonValue& array, JsonValue value);
    // A JSON object from the public properties of a gadget or object type (Q_PROPERTY).
    static JsonValue ToJSONObject(const QMetaObject& type, const void* instance);
    static JsonValue ToJSONObject(const QObject& object);
    static bool Vazio(const JsonValue* value);
};

// Reads year-month-dayThour:minute:second by fixed character positions.
QDateTime XMLDate2DateTime(const QString& text);
