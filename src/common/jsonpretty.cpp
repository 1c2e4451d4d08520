#include "common/jsonpretty.h"

#include "common/bytesize.h"
#include "common/indexedtext.h"
#include "common/jsonplace.h"
#include "common/jsonreader.h"
#include "common/memorysteps.h"
#include "common/utf8valid.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace jsonpretty {

namespace {

bool isNumberChar(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

// Levels indented with spaces; deeper ones show their number.
constexpr qsizetype kIndentedLevels = 16;

// What a line break and its indentation cost at a level, at most.
qsizetype lineCost(qsizetype level) {
    return 1 + std::min(level, kIndentedLevels) * 2 + (level > kIndentedLevels ? 16 : 0);
}

// What the formatting learns of the text before it starts.
struct Survey {
    // The reader refuses numbers beyond the range of a double (1e400, a 400-digit integer)
    // even when it hands numbers over as text. Such numbers are replaced, in a copy, by a
    // harmless number of the same length ("0.000…"), and their text is given back by where
    // they start.
    std::unordered_map<std::size_t, std::string> originals;
    // The characters the formatted text takes at most: the text is written once into room
    // made for it, instead of being moved to larger room as it grows (a move of hundreds of
    // megabytes holds the process's memory map, and so any thread that asks for memory).
    qsizetype room = 0;
};

Survey survey(QByteArray& utf8) {
    Survey found;
    // Every byte at most one character; a line break before each item and each closing
    // bracket of a container; a space after each colon; a placeholder, when a string is
    // folded, of a few dozen characters.
    qsizetype room = utf8.size();
    qsizetype level = 0;
    const qsizetype n = utf8.size();
    bool inString = false;
    qsizetype stringStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char c = utf8.at(i);
        if (inString) {
            if (c == '\\') {
                ++i;
            } else if (c == '"') {
                inString = false;
                if (i - stringStart >= 16)
                    room += 64;
            }
            continue;
        }
        switch (c) {
        case '"':
            inString = true;
            stringStart = i;
            continue;
        case '{':
        case '[':
            ++level;
            room += lineCost(level) + lineCost(level - 1);
            continue;
        case '}':
        case ']':
            level = std::max<qsizetype>(0, level - 1);
            continue;
        case ',':
            room += lineCost(level);
            continue;
        case ':':
            ++room;
            continue;
        default:
            break;
        }
        if (c != '-' && (c < '0' || c > '9'))
            continue;
        qsizetype end = i;
        qsizetype exponentDigits = -1;
        while (end < n && isNumberChar(utf8.at(end))) {
            const char d = utf8.at(end);
            if (d == 'e' || d == 'E')
                exponentDigits = 0;
            else if (exponentDigits >= 0 && d >= '0' && d <= '9')
                ++exponentDigits;
            ++end;
        }
        const qsizetype length = end - i;
        if ((exponentDigits >= 3 || length >= 300) && length >= 3) {
            found.originals.emplace(std::size_t(i),
                                    std::string(utf8.constData() + i, std::size_t(length)));
            char* p = utf8.data() + i;
            p[0] = '0';
            p[1] = '.';
            std::fill(p + 2, p + length, '0');
        }
        i = end - 1;
    }
    found.room = room;
    return found;
}

bool looksLikeBase64(std::string_view s) {
    for (const char c : s)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
              c == '+' || c == '/' || c == '=' || c == '\r' || c == '\n'))
            return false;
    return true;
}

class Writer : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, Writer> {
public:
    Writer(const rapidjson::MemoryStream& stream, const Options& options,
           const std::unordered_map<std::size_t, std::string>& originals, Formatted& out)
        : m_stream(stream), m_options(options), m_originals(originals), m_out(out) {}

    bool Null() { return scalar(QStringLiteral("null")); }
    bool Bool(bool b) { return scalar(b ? QStringLiteral("true") : QStringLiteral("false")); }
    bool RawNumber(const char* s, rapidjson::SizeType n, bool) {
        beforeValue();
        const std::size_t start = m_stream.Tell() - n;
        if (const auto it = m_originals.find(start); it != m_originals.end())
            m_out.text += QLatin1String(it->second.data(), qsizetype(it->second.size()));
        else
            m_out.text += QLatin1String(s, qsizetype(n));
        return true;
    }
    bool String(const char* s, rapidjson::SizeType n, bool) {
        const QString key = std::exchange(m_key, QString());
        beforeValue();
        const std::string_view value(s, n);
        const qsizetype length = qsizetype(n);
        const bool base64 =
            length >= std::min(m_options.typedFold, m_options.base64Fold) && looksLikeBase64(value);
        const bool longText = length >= m_options.textFold;
        const filekind::Kind kind =
            base64 && length >= m_options.typedFold ? filekind::ofBase64(value)
            : longText ? filekind::ofBytes(QByteArrayView(s, std::min<qsizetype>(length, 64)))
                       : filekind::Kind::None;
        if ((base64 && (kind != filekind::Kind::None || length >= m_options.base64Fold)) ||
            longText) {
            fold(value, key, base64, kind);
            return true;
        }
        quoted(value);
        return true;
    }
    bool Key(const char* s, rapidjson::SizeType n, bool) {
        newItem();
        quoted(std::string_view(s, n));
        m_key = QString::fromUtf8(s, qsizetype(n));
        m_out.text += QStringLiteral(": ");
        m_afterKey = true;
        return true;
    }
    bool StartObject() { return open(u'{'); }
    bool StartArray() { return open(u'['); }
    bool EndObject(rapidjson::SizeType) { return close(u'}'); }
    bool EndArray(rapidjson::SizeType) { return close(u']'); }

    bool tooDeep() const { return m_depth.tooDeep(); }

private:
    // The string's placeholder: its type (or "base64", "texto"), its size and what it offers.
    void fold(std::string_view value, const QString& key, bool base64, filekind::Kind kind) {
        Fold f;
        f.base64 = base64;
        f.kind = kind;
        f.key = key;
        f.value = QByteArray(value.data(), qsizetype(value.size()));
        f.start = m_out.text.size();
        const QString type = kind != filekind::Kind::None ? filekind::name(kind)
                             : base64                     ? QStringLiteral("base64")
                                                          : QStringLiteral("texto");
        m_out.text +=
            QStringLiteral("[%1, %2 — ")
                .arg(type, formatByteSize(base64 ? decodedSize(value) : qint64(value.size())));
        if (kind != filekind::Kind::None) {
            f.open = {m_out.text.size(), 5};
            m_out.text += QStringLiteral("Abrir · ");
        }
        const qsizetype save = m_out.text.size();
        m_out.text += QStringLiteral("Salvar como…");
        f.save = {save, m_out.text.size() - save};
        m_out.text += u']';
        f.length = m_out.text.size() - f.start;
        if (kind == filekind::Kind::None)
            f.save = {f.start, f.length};
        m_out.folds.push_back(std::move(f));
    }
    static qint64 decodedSize(std::string_view s) {
        qint64 chars = 0;
        qint64 padding = 0;
        for (const char c : s) {
            if (c == '=')
                ++padding;
            else if (c != '\r' && c != '\n')
                ++chars;
        }
        return (chars + padding) / 4 * 3 - padding;
    }
    // Two spaces a level up to kIndentedLevels; deeper lines are indented as far and then
    // show their level as a number, so that a line never costs more than a few characters
    // however deep the answer.
    void indent() {
        m_out.text += u'\n';
        const qsizetype level = qsizetype(m_counts.size());
        m_out.text += QString(std::min(level, kIndentedLevels) * 2, u' ');
        if (level > kIndentedLevels)
            m_out.text += QStringLiteral("«%1» ").arg(level);
    }
    void newItem() {
        if (m_counts.empty())
            return;
        if (m_counts.back()++ > 0)
            m_out.text += u',';
        indent();
    }
    void beforeValue() {
        m_key.clear();
        if (m_afterKey)
            m_afterKey = false;
        else
            newItem();
    }
    bool scalar(const QString& text) {
        beforeValue();
        m_out.text += text;
        return true;
    }
    bool open(char16_t bracket) {
        if (!m_depth.open())
            return false;
        beforeValue();
        m_out.text += QChar(bracket);
        m_counts.push_back(0);
        return true;
    }
    bool close(char16_t bracket) {
        m_depth.close();
        const bool empty = m_counts.back() == 0;
        m_counts.pop_back();
        if (!empty)
            indent();
        m_out.text += QChar(bracket);
        return true;
    }
    // The string with its characters as they are; only what would break the view or the
    // quotes is escaped.
    void quoted(std::string_view s) {
        const QString text = QString::fromUtf8(s.data(), qsizetype(s.size()));
        m_out.text += u'"';
        for (const QChar c : text) {
            switch (c.unicode()) {
            case u'"':
                m_out.text += QStringLiteral("\\\"");
                break;
            case u'\\':
                m_out.text += QStringLiteral("\\\\");
                break;
            case u'\n':
                m_out.text += QStringLiteral("\\n");
                break;
            case u'\r':
                m_out.text += QStringLiteral("\\r");
                break;
            case u'\t':
                m_out.text += QStringLiteral("\\t");
                break;
            default:
                if (c.unicode() < 0x20)
                    m_out.text += QStringLiteral("\\u") +
                                  QString::number(c.unicode(), 16).rightJustified(4, u'0');
                else
                    m_out.text += c;
            }
        }
        m_out.text += u'"';
    }

    const rapidjson::MemoryStream& m_stream;
    const Options& m_options;
    const std::unordered_map<std::size_t, std::string>& m_originals;
    Formatted& m_out;
    std::vector<qint64> m_counts; // items written in each open container
    bool m_afterKey = false;
    QString m_key; // of the value that comes next
    json::DepthGuard m_depth;
};

} // namespace

Formatted::~Formatted() {
    if (!memorysteps::awayFromUiThread())
        return;
    memorysteps::giveBack(text);
    for (Fold& f : folds)
        memorysteps::giveBack(f.value);
}

QByteArray Fold::bytes() const {
    return base64 ? QByteArray::fromBase64(value) : value;
}

Formatted format(const QString& json, const Options& options) {
    return format(json.toUtf8(), options);
}

Formatted format(QByteArray utf8, const Options& options) {
    if (!json::isValidUtf8(std::string_view(utf8.constData(), std::size_t(utf8.size()))))
        utf8 = IndexedText::decode(utf8).toUtf8(); // as the pane reads it
    const Survey surveyed = survey(utf8);
    const auto& originals = surveyed.originals;
    Formatted out;
    out.text.reserve(surveyed.room);
    rapidjson::MemoryStream stream(utf8.constData(), std::size_t(utf8.size()));
    Writer writer(stream, options, originals, out);
    rapidjson::Reader reader;
    const rapidjson::ParseResult ok = reader.Parse<json::kReaderFlags>(stream, writer);
    if (ok) {
        out.isJson = true;
        out.text.squeeze();
        return out;
    }
    Formatted notJson;
    notJson.error = writer.tooDeep()
                        ? json::tooDeepMessage()
                        : QStringLiteral("%1: %2").arg(
                              json::placeIn(utf8, qsizetype(ok.Offset())),
                              QString::fromLatin1(rapidjson::GetParseError_En(ok.Code())));
    return notJson;
}

} // namespace jsonpretty
