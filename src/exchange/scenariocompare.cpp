#include "exchange/scenariocompare.h"

#include <QRegularExpression>

#include <algorithm>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>

using json::JsonValue;

namespace {

QString textOf(const JsonValue& v) {
    return QString::fromStdString(json::toSigningText(v));
}

bool isFileMarker(const JsonValue& v) {
    return v.isObject() && v.size() == 1 && v.keyAt(0) == "$arquivo";
}

// A file member's size and digest: where its bytes are kept does not make it another file.
std::string fileIdentity(const JsonValue& marker) {
    const JsonValue& file = marker.at(0);
    std::string identity;
    for (const char* key : {"tamanho", "sha256"})
        if (const JsonValue* v = file.isObject() ? file.find(key) : nullptr)
            identity += json::toSigningText(*v) + '/';
    return identity;
}

// Letters, digits and the rest: runs of digits become 9, runs of letters a, the rest stays. A
// date keeps its shape from one call to the next, an error text does not take a date's.
QString shapeOf(const QString& text) {
    QString shape;
    QChar last;
    for (const QChar c : text) {
        const QChar cls = c.isDigit() ? u'9' : c.isLetter() ? u'a' : c;
        if (cls == last && (cls == u'9' || cls == u'a'))
            continue;
        shape.append(cls);
        last = cls;
    }
    return shape;
}

bool sameKindAndShape(const JsonValue& a, const JsonValue& b) {
    if (a.type() != b.type() && !(a.isBool() && b.isBool()))
        return false;
    if (a.isString())
        return shapeOf(a.toQString()) == shapeOf(b.toQString());
    return true;
}

// The members of an object by name, for objects too large to search one member at a time.
// Repeated names (some writers emit them) are kept in order: the second "dup" of one object is
// compared with the second "dup" of the other.
class MemberIndex {
public:
    explicit MemberIndex(const JsonValue& object) : m_object(object) {
        m_occurrence.resize(object.size());
        if (object.size() <= kSmall) {
            for (std::size_t i = 0; i < object.size(); ++i)
                for (std::size_t j = 0; j < i; ++j)
                    m_occurrence[i] += object.keyAt(j) == object.keyAt(i);
        } else {
            m_byName.reserve(object.size());
            for (std::size_t i = 0; i < object.size(); ++i) {
                std::vector<std::size_t>& places = m_byName[object.keyAt(i)];
                m_occurrence[i] = places.size();
                places.push_back(i);
            }
        }
        for (std::size_t i = 0; i < object.size(); ++i)
            m_repeated = m_repeated || m_occurrence[i] > 0;
    }
    // Which occurrence of its name the member at i is (0 for the first).
    std::size_t occurrence(std::size_t i) const { return m_occurrence[i]; }
    bool hasRepeatedNames() const { return m_repeated; }
    // The place of the given occurrence of a name; npos when there is none.
    std::size_t find(const std::string& key, std::size_t occurrence) const {
        if (m_object.size() <= kSmall) {
            for (std::size_t i = 0; i < m_object.size(); ++i)
                if (m_object.keyAt(i) == key && occurrence-- == 0)
                    return i;
            return npos;
        }
        const auto it = m_byName.find(key);
        if (it == m_byName.end() || occurrence >= it->second.size())
            return npos;
        return it->second[occurrence];
    }
    static constexpr std::size_t npos = std::size_t(-1);

private:
    static constexpr std::size_t kSmall = 16;
    const JsonValue& m_object;
    std::vector<std::size_t> m_occurrence;
    std::unordered_map<std::string_view, std::vector<std::size_t>> m_byName;
    bool m_repeated = false;
};

class Comparer {
public:
    Comparer(const QStringList& ignore, const QStringList& noise, Comparison& out)
        : m_ignore(ignore), m_noise(noise), m_out(out) {}

    void compare(const JsonValue& e, const JsonValue& a, const QString& path) {
        if (m_ignore.matches(path)) {
            ++m_out.ignored;
            return;
        }
        if (m_noise.matches(path)) {
            if (sameKindAndShape(e, a)) {
                if (!same(e, a)) {
                    ++m_out.noiseSkipped;
                    m_out.notes.append(QStringLiteral("%1: ignorado: ruído aprendido").arg(path));
                }
                return;
            }
            differ(path, e, a);
            return;
        }
        if (isFileMarker(e) && isFileMarker(a)) {
            if (fileIdentity(e) != fileIdentity(a))
                differ(path, e, a);
            return;
        }
        if (e.type() != a.type() && !(e.isBool() && a.isBool())) {
            differ(path, e, a);
            return;
        }
        switch (e.type()) {
        case JsonValue::Type::Object:
            compareObjects(e, a, path);
            return;
        case JsonValue::Type::Array: {
            const std::size_t n = std::max(e.size(), a.size());
            for (std::size_t i = 0; i < n; ++i) {
                const QString p = path + u'[' + QString::number(i) + u']';
                if (i >= e.size())
                    missingOrAdded(p, nullptr, &a.at(i));
                else if (i >= a.size())
                    missingOrAdded(p, &e.at(i), nullptr);
                else
                    compare(e.at(i), a.at(i), p);
            }
            return;
        }
        default:
            if (!same(e, a))
                differ(path, e, a);
        }
    }

private:
    static bool same(const JsonValue& e, const JsonValue& a) {
        if (e.type() != a.type())
            return false;
        if (e.isString() || e.isNumber())
            return e.text() == a.text();
        return json::toSigningText(e) == json::toSigningText(a);
    }
    void differ(const QString& path, const JsonValue& e, const JsonValue& a) {
        m_out.differences.push_back({path, textOf(e), textOf(a)});
    }
    static QString join(const QString& path, const std::string& key) {
        const QString name = QString::fromStdString(key);
        return path.isEmpty() ? name : path + u'.' + name;
    }
    // A member or element on one side only. An ignored path is skipped; learned noise may
    // change its value, never whether it is there.
    void missingOrAdded(const QString& path, const JsonValue* e, const JsonValue* a) {
        if (m_ignore.matches(path)) {
            ++m_out.ignored;
            return;
        }
        m_out.differences.push_back({path, e ? textOf(*e) : QString(), a ? textOf(*a) : QString()});
    }
    void compareObjects(const JsonValue& e, const JsonValue& a, const QString& path) {
        const MemberIndex inE(e), inA(a);
        std::vector<std::size_t> matchedInA(a.size(), MemberIndex::npos);
        std::vector<std::size_t> commonOrderE;
        for (std::size_t i = 0; i < e.size(); ++i) {
            const std::size_t j = inA.find(e.keyAt(i), inE.occurrence(i));
            const QString p = join(path, e.keyAt(i));
            if (j == MemberIndex::npos) {
                missingOrAdded(p, &e.at(i), nullptr);
                continue;
            }
            matchedInA[j] = i;
            commonOrderE.push_back(i);
            compare(e.at(i), a.at(j), p);
        }
        std::vector<std::size_t> commonOrderA;
        for (std::size_t j = 0; j < a.size(); ++j) {
            if (matchedInA[j] != MemberIndex::npos) {
                commonOrderA.push_back(matchedInA[j]);
                continue;
            }
            missingOrAdded(join(path, a.keyAt(j)), nullptr, &a.at(j));
        }
        const QString where = path.isEmpty() ? QStringLiteral("(raiz)") : path;
        if (commonOrderE != commonOrderA)
            m_out.notes.append(QStringLiteral("%1: a ordem dos membros mudou").arg(where));
        if (inE.hasRepeatedNames() || inA.hasRepeatedNames())
            m_out.notes.append(
                QStringLiteral("%1: membros de nome repetido, comparados na ordem em que vêm")
                    .arg(where));
    }

    const PathPatterns m_ignore;
    const PathPatterns m_noise;
    Comparison& m_out;
};

} // namespace

bool pathMatches(const QString& pattern, const QString& path) {
    return PathPattern(pattern).matches(path);
}

PathPattern::PathPattern(const QString& pattern) {
    const QStringList pieces = pattern.split(QLatin1String("[*]"));
    m_pieces.assign(pieces.begin(), pieces.end());
}

bool PathPattern::matches(QStringView path) const {
    if (m_pieces.size() == 1)
        return path == m_pieces.front();
    // Each [*] takes one position ("[" digits "]") between the pieces, which must follow each
    // other exactly from the start of the path to its end.
    for (std::size_t k = 0; k < m_pieces.size(); ++k) {
        if (k > 0) {
            if (!path.startsWith(u'['))
                return false;
            qsizetype digits = 1;
            while (digits < path.size() && path[digits].isDigit())
                ++digits;
            if (digits == 1 || digits >= path.size() || path[digits] != u']')
                return false;
            path = path.mid(digits + 1);
        }
        if (!path.startsWith(m_pieces[k]))
            return false;
        path = path.mid(m_pieces[k].size());
    }
    return path.isEmpty();
}

PathPatterns::PathPatterns(const QStringList& patterns) {
    for (const QString& p : patterns) {
        if (p.contains(QLatin1String("[*]")))
            m_wild.emplace_back(p);
        else
            m_exact.insert(p);
    }
}

bool PathPatterns::matches(const QString& path) const {
    if (m_exact.count(path) > 0)
        return true;
    return std::any_of(m_wild.begin(), m_wild.end(),
                       [&](const PathPattern& p) { return p.matches(path); });
}

Comparison compareAnswer(const ExpectedAnswer& expected, const ExpectedAnswer& actual,
                         const QStringList& ignore, const QStringList& noise) {
    Comparison out;
    Comparer comparer(ignore, noise, out);
    if (expected.status != actual.status)
        comparer.compare(JsonValue::integer(expected.status), JsonValue::integer(actual.status),
                         QStringLiteral("(status HTTP)"));
    if (expected.json && actual.json)
        comparer.compare(*expected.json, *actual.json, QString());
    else if (expected.json || actual.json || expected.text != actual.text) {
        const QString e = expected.json
                              ? QString::fromStdString(json::toSigningText(*expected.json))
                              : expected.text;
        const QString a =
            actual.json ? QString::fromStdString(json::toSigningText(*actual.json)) : actual.text;
        if (e != a)
            out.differences.push_back({QStringLiteral("(resposta)"), e, a});
    }
    return out;
}

QStringList differingPaths(const ExpectedAnswer& a, const ExpectedAnswer& b) {
    QStringList paths;
    for (const Difference& d : compareAnswer(a, b, {}, {}).differences)
        paths.append(d.path);
    return paths;
}

namespace {

// The place of the last position written as a number ("[12]") in a path, and its length.
std::optional<std::pair<qsizetype, qsizetype>> lastPosition(const QString& path) {
    for (qsizetype close = path.lastIndexOf(u']'); close > 0;
         close = path.lastIndexOf(u']', close - 1)) {
        const qsizetype open = path.lastIndexOf(u'[', close);
        if (open < 0)
            return std::nullopt;
        const QStringView inside = QStringView(path).mid(open + 1, close - open - 1);
        if (!inside.isEmpty() && inside != u"*")
            return std::make_pair(open, close - open + 1);
    }
    return std::nullopt;
}

} // namespace

QStringList generaliseListPaths(const QStringList& paths, const JsonValue& answer) {
    QStringList current = paths;
    for (;;) {
        // Each path with its last numbered position made [*]: the positions seen per pattern.
        std::map<QString, std::set<qsizetype>> positions;
        std::map<QString, QString> listOf;
        for (const QString& path : current) {
            const auto place = lastPosition(path);
            if (!place)
                continue;
            QString pattern = path;
            pattern.replace(place->first, place->second, QStringLiteral("[*]"));
            positions[pattern].insert(path.mid(place->first + 1, place->second - 2).toLongLong());
            listOf[pattern] = path.left(place->first);
        }
        QStringList next;
        std::set<QString> taken;
        for (const QString& path : current) {
            const auto place = lastPosition(path);
            QString pattern = path;
            if (place)
                pattern.replace(place->first, place->second, QStringLiteral("[*]"));
            const JsonValue* list = place ? valueAt(answer, listOf[pattern]) : nullptr;
            const bool whole = list && list->isArray() && list->size() >= 2 &&
                               positions[pattern].size() == list->size();
            if (!whole) {
                next.append(path);
                continue;
            }
            if (taken.insert(pattern).second)
                next.append(pattern);
        }
        if (next == current)
            return current;
        current = next;
    }
}

QString shortValue(const QString& text, qsizetype limit) {
    if (text.size() <= limit)
        return text;
    return QStringLiteral("%1… (%2 caracteres)").arg(text.left(limit)).arg(text.size());
}

const JsonValue* valueAt(const JsonValue& root, const QString& path) {
    static const QRegularExpression segment(QStringLiteral("([^.\\[]*)((?:\\[\\d+\\])*)"));
    const JsonValue* v = &root;
    for (const QString& part : path.split(u'.')) {
        const auto m = segment.match(part);
        if (!m.hasMatch() || m.capturedLength(0) != part.size())
            return nullptr;
        if (!m.captured(1).isEmpty()) {
            if (!v->isObject())
                return nullptr;
            v = v->find(m.captured(1).toStdString());
            if (!v)
                return nullptr;
        }
        static const QRegularExpression index(QStringLiteral("\\[(\\d+)\\]"));
        auto it = index.globalMatch(m.captured(2));
        while (it.hasNext()) {
            const std::size_t i = it.next().captured(1).toULongLong();
            if (!v->isArray() || i >= v->size())
                return nullptr;
            v = &v->at(i);
        }
    }
    return v;
}
