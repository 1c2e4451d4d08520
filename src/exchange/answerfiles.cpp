#include "exchange/answerfiles.h"

#include "common/base64file.h"
#include "common/charfilter.h"
#include "common/exception.h"
#include "common/jsonplace.h"
#include "common/jsonvalue.h"
#include "common/texthelpers.h"
#include "common/tjsonutil.h"
#include "contracts/tapiresult.h"

#include <QDir>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace {

const QString kAborteMarker = QStringLiteral("**ABORTE**");

// Characters of a string's text copied as they stand: printable ASCII but the backslash.
constexpr std::array<bool, 256> kPlain = [] {
    std::array<bool, 256> t{};
    for (int c = 0x20; c < 0x7f; ++c)
        t[std::size_t(c)] = c != '\\';
    return t;
}();

// A candidate text, decoded into its own temporary file.
struct Candidate {
    std::vector<std::size_t> place;
    std::unique_ptr<Base64File> file;
    bool valid = false;
    bool blank = true;
    bool marker = false;            // holds the error marker of answers without a control part
    std::optional<QString> failure; // a write error, raised only when this text is the one saved
    bool diskFull = false;          // the failure is a full disk
};

enum class Raw { Decoded, NotAscii, Malformed };

// Feeds the file with the text of a string's raw content as the reading sees it: escapes
// resolved, then the valid-character filter (which, for ASCII, drops only the control
// characters other than line feed and carriage return, and DEL).
Raw feedAsciiText(std::string_view raw, Base64File& file) {
    std::size_t i = 0;
    while (i < raw.size()) {
        std::size_t j = i;
        while (j < raw.size() && kPlain[static_cast<unsigned char>(raw[j])])
            ++j;
        if (j > i)
            file.feed(raw.substr(i, j - i));
        i = j;
        if (i >= raw.size())
            break;
        const char c = raw[i];
        if (c != '\\') {
            if (static_cast<unsigned char>(c) >= 0x80)
                return Raw::NotAscii;
            if (static_cast<unsigned char>(c) < 0x20)
                return Raw::Malformed; // JSON has no raw control characters in strings
            ++i;                       // DEL, which the filter drops
            continue;
        }
        if (i + 1 >= raw.size())
            return Raw::Malformed;
        const char e = raw[i + 1];
        i += 2;
        switch (e) {
        case '/':
        case '\\':
        case '"':
            file.feed(std::string_view(&e, 1));
            break;
        case 'n':
            file.feed("\n");
            break;
        case 'r':
            file.feed("\r");
            break;
        case 'b':
        case 'f':
        case 't':
            break;
        case 'u': {
            if (i + 4 > raw.size())
                return Raw::Malformed;
            int cp = 0;
            for (int k = 0; k < 4; ++k) {
                const int d = hexDigit(raw[i + std::size_t(k)]);
                if (d < 0)
                    return Raw::Malformed;
                cp = cp * 16 + d;
            }
            i += 4;
            if (cp >= 0x80)
                return Raw::NotAscii;
            const char ch = char(cp);
            if (ch == '\n' || ch == '\r' || (cp >= 0x20 && cp < 0x7f))
                file.feed(std::string_view(&ch, 1));
            break;
        }
        default:
            return Raw::Malformed;
        }
    }
    return Raw::Decoded;
}

class Candidates : public json::StringCapture {
public:
    using Wanted = std::function<bool(const std::vector<std::string>&)>;
    Candidates(QString folder, Wanted wanted)
        : m_folder(std::move(folder)), m_wanted(std::move(wanted)) {}

    bool wants(const std::vector<std::string>& names) override { return m_wanted(names); }

    void take(std::string_view raw, const std::vector<std::size_t>& place) override {
        Candidate c;
        c.place = place;
        c.marker = raw.find(kAborteMarker.toLatin1().toStdString()) != std::string_view::npos;
        c.file = std::make_unique<Base64File>(m_folder);
        try {
            switch (feedAsciiText(raw, *c.file)) {
            case Raw::Decoded:
                c.blank = c.file->blank();
                c.valid = c.file->finish();
                break;
            case Raw::NotAscii:
                c.file = std::make_unique<Base64File>(m_folder);
                if (!decodeWhole(raw, c))
                    m_malformed = true;
                break;
            case Raw::Malformed:
                m_malformed = true;
                break;
            }
        } catch (const EDiskFull& e) {
            c.failure = e.message();
            c.diskFull = true;
            c.blank = false; // a text whose writing failed is reported, not passed over
        } catch (const Exception& e) {
            c.failure = e.message();
            c.blank = false;
        }
        m_list.push_back(std::move(c));
    }

    // A string the JSON reader would have refused: the answer is not JSON.
    bool malformed() const { return m_malformed; }
    bool anyMarker() const {
        return std::any_of(m_list.begin(), m_list.end(),
                           [](const Candidate& c) { return c.marker; });
    }

    // The candidate at the member's place in the tree, if it was taken.
    Candidate* of(const json::JsonValue& root, const json::JsonValue* member) {
        std::vector<std::size_t> place;
        if (!placeOf(root, member, place))
            return nullptr;
        for (Candidate& c : m_list)
            if (c.place == place)
                return &c;
        return nullptr;
    }

private:
    // A text with characters beyond ASCII, read whole as the reading reads it.
    bool decodeWhole(std::string_view raw, Candidate& c) {
        std::string quoted;
        quoted.reserve(raw.size() + 2);
        quoted.append(1, '"').append(raw).append(1, '"');
        const json::ParseResult parsed = json::parse(quoted);
        if (!parsed.value)
            return false;
        const QByteArray text = LimpaString(parsed.value->toQString()).toUtf8().trimmed();
        c.blank = text.isEmpty();
        const auto decoded =
            QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
        c.valid = bool(decoded);
        if (decoded && !c.blank) {
            c.file->writeDecoded(*decoded);
            c.file->finish();
        }
        return true;
    }

    static bool placeOf(const json::JsonValue& v, const json::JsonValue* target,
                        std::vector<std::size_t>& place) {
        if (!v.isObject() && !v.isArray())
            return false;
        for (std::size_t i = 0; i < v.size(); ++i) {
            place.push_back(i);
            if (&v.at(i) == target || placeOf(v.at(i), target, place))
                return true;
            place.pop_back();
        }
        return false;
    }

    QString m_folder;
    Wanted m_wanted;
    std::vector<Candidate> m_list;
    bool m_malformed = false;
};

bool oneOf(const std::string& name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return name == n; });
}

// Members under "result"."conteudo" or, without "result", under "conteudo": the path after it.
bool underConteudo(const std::vector<std::string>& names,
                   const std::vector<std::initializer_list<const char*>>& rest) {
    std::size_t at = 0;
    if (names.size() == rest.size() + 2 && names[0] == "result")
        at = 1;
    else if (names.size() != rest.size() + 1)
        return false;
    if (names[at] != "conteudo")
        return false;
    for (std::size_t k = 0; k < rest.size(); ++k)
        if (!oneOf(names[at + 1 + k], rest[k]))
            return false;
    return true;
}

// The key lookup rule for a string member: as given, in lower case, in upper case.
const json::JsonValue* stringMember(const json::JsonValue* obj,
                                    std::initializer_list<const char*> names) {
    if (!obj || !obj->isObject())
        return nullptr;
    for (const char* name : names) {
        const json::JsonValue* m = obj->find(name);
        if (m && m->isString())
            return m;
    }
    return nullptr;
}

// Whether the answer reports an error: its control part, or without one the marker anywhere
// in its text (taken texts included).
bool reportsError(const json::JsonValue& answer, const Candidates& candidates, bool withContent) {
    const auto result = TAPIResultHelper::fromJSON(answer, withContent);
    if (result->Controle().Err)
        return true;
    const json::JsonValue* wrapped = answer.isObject() ? answer.find("result") : nullptr;
    const json::JsonValue& e = wrapped ? *wrapped : answer;
    const bool hasControle = e.isObject() && e.find("controle");
    return !hasControle && candidates.anyMarker();
}

QString save(Candidate& c, const QString& folder, const QString& fileName) {
    const QString path = QDir(folder).filePath(fileName);
    if (c.diskFull) // named by the file asked for, not by the temporary one
        throw EDiskFull(path);
    if (c.failure)
        throw EFileError(*c.failure);
    if (!c.valid)
        throw Exception(
            QStringLiteral("O conteúdo recebido não é base64 válido; nenhum arquivo foi gravado."));
    c.file->commit(path);
    return path;
}

// An answer that is not JSON, or nested too deep, cannot be read for its file.
const json::JsonValue& readable(const json::ParseResult& parsed, const Candidates& candidates,
                                const QByteArray& body) {
    if (parsed.tooDeep())
        throw Exception(json::tooDeepMessage());
    if (!parsed.value || candidates.malformed())
        throw Exception(
            QStringLiteral("Resposta inesperada: o texto recebido não é JSON válido (%1, %2); "
                           "nenhum arquivo foi gravado.")
                .arg(QString::fromStdString(
                         parsed.value ? std::string("um texto com escape inválido") : parsed.error),
                     json::placeIn(body, qsizetype(parsed.errorOffset))));
    return *parsed.value;
}

std::string_view viewOf(const QByteArray& bytes) {
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace

QString saveContentFileFromAnswer(const QByteArray& body, const QString& folder,
                                  const QString& fileName) {
    Candidates candidates(folder, [](const std::vector<std::string>& names) {
        return underConteudo(names, {{"str", "STR"}});
    });
    const json::ParseResult parsed = json::parse(viewOf(body), candidates);
    const json::JsonValue& answer = readable(parsed, candidates, body);
    if (reportsError(answer, candidates, false))
        return QString();
    const json::JsonValue* wrapped = answer.isObject() ? answer.find("result") : nullptr;
    const json::JsonValue& e = wrapped ? *wrapped : answer;
    const json::JsonValue* conteudo = e.isObject() ? e.find("conteudo") : nullptr;
    const json::JsonValue* str = stringMember(conteudo, {"str", "STR"});
    Candidate* c = str ? candidates.of(answer, str) : nullptr;
    if (!c || c->blank)
        return QString();
    return save(*c, folder, fileName);
}

QString saveFileRecordFromAnswer(const QByteArray& body, const QString& folder,
                                 const std::function<void(const QString&)>& checkName) {
    Candidates candidates(folder, [](const std::vector<std::string>& names) {
        return underConteudo(names, {{"livre", "LIVRE"}, {"Base64", "base64", "BASE64"}});
    });
    const json::ParseResult parsed = json::parse(viewOf(body), candidates);
    const json::JsonValue& answer = readable(parsed, candidates, body);
    if (reportsError(answer, candidates, true))
        return QString();
    const auto result = TAPIResultHelper::fromJSON(answer, true);
    const json::JsonValue* livre = result->Conteudo().Livre;
    const json::JsonValue* wrapped = answer.isObject() ? answer.find("result") : nullptr;
    const json::JsonValue& e = wrapped ? *wrapped : answer;
    const json::JsonValue* conteudo = e.isObject() ? e.find("conteudo") : nullptr;
    const json::JsonValue* given =
        conteudo && conteudo->isObject() ? conteudo->find("livre") : nullptr;
    if (given && !given->isObject() && !given->isNull())
        throw Exception(QStringLiteral("Resposta inesperada: \"livre\" deveria ser um objeto com "
                                       "o arquivo; nenhum arquivo foi gravado."));
    const json::JsonValue* base64 = stringMember(livre, {"Base64", "base64", "BASE64"});
    Candidate* c = base64 ? candidates.of(answer, base64) : nullptr;
    const QString name = TJSONUtil::GetStr(livre, QStringLiteral("Nome"));
    if (!c || c->blank || name.trimmed().isEmpty())
        return QString();
    // The name as received too: the character filter turns a direction control or a line
    // separator into "?", which would hide what the answer tried.
    if (const json::JsonValue* raw = livre && livre->isObject()
                                         ? TJSONUtil::GetValue(*livre, QStringLiteral("Nome"))
                                         : nullptr;
        raw && raw->isString())
        checkName(raw->toQString());
    checkName(name);
    return save(*c, folder, name);
}
