#include "valuekinds.h"

#include "regional.h"
#include "tjsonutil.h"

namespace kit::kinds {

ValueKind text() {
    return [](const FieldValue& v) { return TJSONUtil::SetStr(v.text); };
}

ValueKind rawText() {
    return [](const FieldValue& v) { return json::JsonValue::string(v.text); };
}

ValueKind textWithLineBreaks() {
    return [](const FieldValue& v) { return TJSONUtil::SetStr(v.text, true); };
}

ValueKind integer() {
    return [](const FieldValue& v) { return TJSONUtil::SetInt(regional::strToInt(v.text)); };
}

ValueKind integerElse(int32_t fallback) {
    return [fallback](const FieldValue& v) {
        return TJSONUtil::SetInt(regional::strToIntDef(v.text, fallback));
    };
}

ValueKind integer64() {
    return [](const FieldValue& v) { return TJSONUtil::SetInt64(regional::strToInt64(v.text)); };
}

ValueKind money() {
    return [](const FieldValue& v) {
        return TJSONUtil::SetCurr(regional::Currency::fromText(v.text));
    };
}

ValueKind boolean() {
    return [](const FieldValue& v) { return TJSONUtil::SetBool(v.checked); };
}

ValueKind dateTime() {
    return [](const FieldValue& v) {
        return TJSONUtil::SetDateTime(regional::strToDateTime(v.text),
                                      QStringLiteral("DD/MM/YYYY HH:NN:SS"));
    };
}

ValueKind position() {
    return [](const FieldValue& v) { return TJSONUtil::SetInt(v.index); };
}

ValueKind code() {
    return [](const FieldValue& v) {
        return TJSONUtil::SetStr(v.index >= 0 ? v.data.toString() : QString());
    };
}

} // namespace kit::kinds
