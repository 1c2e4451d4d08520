#include "exchange/answerverdict.h"

#include "common/jsonreader.h"
#include "common/jsonvalue.h"

#include <string>
#include <vector>

namespace {

// Follows the member path of every value and stops once "result"."controle" is read.
class VerdictHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, VerdictHandler> {
public:
    AnswerVerdict verdict;
    bool done = false;

    bool Default() { return value(); }
    bool Bool(bool b) {
        if (inControle() && keyIs("err"))
            verdict.rejected = b;
        return value();
    }
    bool String(const char* s, rapidjson::SizeType n, bool) {
        if (inControle() && keyIs("msg"))
            verdict.message = QString::fromUtf8(s, qsizetype(n));
        return value();
    }
    bool RawNumber(const char*, rapidjson::SizeType, bool) { return value(); }
    bool Key(const char* s, rapidjson::SizeType n, bool) {
        m_key.assign(s, n);
        return true;
    }
    bool StartObject() { return open(); }
    bool StartArray() { return open(); }
    bool EndObject(rapidjson::SizeType) { return close(); }
    bool EndArray(rapidjson::SizeType) { return close(); }

private:
    bool inControle() const {
        // The root's own entry is the empty key.
        return m_path.size() == 3 && m_path[1] == "result" && m_path[2] == "controle";
    }
    bool keyIs(const char* name) const { return m_key == name; }
    bool value() {
        m_key.clear();
        return true;
    }
    bool open() {
        if (!m_depth.open())
            return false;
        m_path.push_back(m_key);
        m_key.clear();
        return true;
    }
    bool close() {
        m_depth.close();
        done = inControle();
        if (!m_path.empty())
            m_path.pop_back();
        return !done; // nothing after the control part matters
    }

    std::vector<std::string> m_path;
    std::string m_key;
    json::DepthGuard m_depth;
};

} // namespace

AnswerVerdict readAnswerVerdict(const QByteArray& body) {
    VerdictHandler handler;
    rapidjson::MemoryStream stream(body.constData(), std::size_t(body.size()));
    rapidjson::Reader reader;
    reader.Parse<json::kReaderFlags | rapidjson::kParseStopWhenDoneFlag>(stream, handler);
    if (!handler.done)
        return {};
    return handler.verdict;
}

AnswerVerdict answerVerdictOf(const json::JsonValue& answer) {
    AnswerVerdict verdict;
    const json::JsonValue* result = answer.isObject() ? answer.find("result") : nullptr;
    const json::JsonValue* controle =
        result && result->isObject() ? result->find("controle") : nullptr;
    if (!controle || !controle->isObject())
        return verdict;
    if (const json::JsonValue* err = controle->find("err"); err && err->isBool())
        verdict.rejected = err->isTrue();
    if (const json::JsonValue* msg = controle->find("msg"); msg && msg->isString())
        verdict.message = msg->toQString();
    return verdict;
}
