#include "exchange/scenariocompare.h"

#include "common/xmltext.h"
#include "common/xmltree.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <set>
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

// The number a number's text stands for, written one way: sign, digits without leading or
// trailing zeros, and the place of the decimal point ("10.50", "1.05E1" and "10.5" alike).
std::string canonicalNumber(const std::string& text) {
    std::string digits;
    long long point = 0; // where the decimal point is, counted in digits from the left
    bool negative = false, seenPoint = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    for (; i < text.size() && text[i] != 'e' && text[i] != 'E'; ++i) {
        if (text[i] == '.')
            seenPoint = true;
        else {
            digits += text[i];
            point += seenPoint ? 0 : 1;
        }
    }
    if (i < text.size())
        point += std::strtoll(text.c_str() + i + 1, nullptr, 10);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return "0";
    point -= static_cast<long long>(first);
    digits.erase(0, first);
    digits.erase(digits.find_last_not_of('0') + 1);
    return (negative ? "-" : "") + digits + 'e' + std::to_string(point);
}

// The path of an element of an XML document inside a member: "member⟨root/child⟩".
QString xmlPath(const QString& member, const QString& inner) {
    return member + u'⟨' + inner + u'⟩';
}

QString xmlText(const XmlElement& e) {
    QString out = u'<' + e.name;
    for (const XmlElement::Attribute& a : e.attributes)
        out += u' ' + a.name + QStringLiteral("=\"") + a.value + u'"';
    if (e.children.empty() && e.text.isEmpty())
        return out + QStringLiteral("/>");
    out += u'>' + e.text;
    for (const XmlElement& c : e.children)
        out += xmlText(c);
    return out + QStringLiteral("</") + e.name + u'>';
}

class Comparer {
public:
    Comparer(const CompareRules& rules, Comparison& out)
        : m_ignore(rules.ignore), m_noise(rules.noise), m_numeric(rules.numeric), m_out(out) {
        for (const ListRule& r : rules.lists)
            m_lists.emplace_back(PathPattern(r.path), r.key);
    }

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
        case JsonValue::Type::Array:
            compareArrays(e, a, path);
            return;
        case JsonValue::Type::Number:
            if (e.text() == a.text())
                return;
            if (canonicalNumber(e.text()) != canonicalNumber(a.text()))
                differ(path, e, a);
            else if (!m_numeric.matches(path))
                differ(path, e, a, QStringLiteral("mesmo número, outro texto"));
            return;
        case JsonValue::Type::String:
            if (e.text() == a.text())
                return;
            if (compareAsXml(e, a, path))
                return;
            differ(path, e, a);
            return;
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
    void differ(const QString& path, const JsonValue& e, const JsonValue& a,
                const QString& label = {}) {
        m_out.differences.push_back({path, textOf(e), textOf(a), label});
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
        m_out.differences.push_back(
            {path, e ? textOf(*e) : QString(), a ? textOf(*a) : QString(), {}});
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

    // Arrays by position, unless a rule says they are matched by a member or without order.
    void compareArrays(const JsonValue& e, const JsonValue& a, const QString& path) {
        for (const auto& [pattern, key] : m_lists)
            if (pattern.matches(path)) {
                if (key == QLatin1String(kWithoutOrder))
                    compareWithoutOrder(e, a, path);
                else if (!compareByKey(e, a, path, key.toStdString()))
                    break;
                return;
            }
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
    }

    // The elements' keys: each an object holding the member, no key twice. Nothing when a
    // list does not have them.
    static std::optional<std::vector<std::string>> keysOf(const JsonValue& list,
                                                          const std::string& key) {
        std::vector<std::string> keys;
        std::set<std::string> seen;
        for (std::size_t i = 0; i < list.size(); ++i) {
            const JsonValue* k = list.at(i).isObject() ? list.at(i).find(key) : nullptr;
            if (!k)
                return std::nullopt;
            keys.push_back(k->isString() ? k->text() : json::toSigningText(*k));
            if (!seen.insert(keys.back()).second)
                return std::nullopt;
        }
        return keys;
    }

    bool compareByKey(const JsonValue& e, const JsonValue& a, const QString& path,
                      const std::string& key) {
        const auto keysE = keysOf(e, key), keysA = keysOf(a, key);
        if (!keysE || !keysA) {
            m_out.notes.append(
                QStringLiteral("%1: comparada por posição: nem todo elemento tem \"%2\" único")
                    .arg(path, QString::fromStdString(key)));
            return false;
        }
        std::map<std::string, std::size_t> placeInA;
        for (std::size_t j = 0; j < keysA->size(); ++j)
            placeInA.emplace((*keysA)[j], j);
        const QString name = QString::fromStdString(key);
        const auto at = [&](const std::string& k) {
            return path + u'[' + name + u'=' + QString::fromStdString(k) + u']';
        };
        std::vector<std::size_t> orderInA;
        std::set<std::size_t> matched;
        for (std::size_t i = 0; i < keysE->size(); ++i) {
            const auto it = placeInA.find((*keysE)[i]);
            if (it == placeInA.end()) {
                missingOrAdded(at((*keysE)[i]), &e.at(i), nullptr);
                continue;
            }
            matched.insert(it->second);
            orderInA.push_back(it->second);
            compare(e.at(i), a.at(it->second), at((*keysE)[i]));
        }
        for (std::size_t j = 0; j < keysA->size(); ++j)
            if (!matched.count(j))
                missingOrAdded(at((*keysA)[j]), nullptr, &a.at(j));
        if (!std::is_sorted(orderInA.begin(), orderInA.end()))
            m_out.notes.append(QStringLiteral("%1: a ordem dos elementos mudou").arg(path));
        return true;
    }

    // Each element of one list matched with an equal one of the other: what is left is
    // reported removed (by its place in the expected list) or added (in the one obtained).
    void compareWithoutOrder(const JsonValue& e, const JsonValue& a, const QString& path) {
        std::map<std::string, std::vector<std::size_t>> inA;
        for (std::size_t j = a.size(); j-- > 0;)
            inA[json::toSigningText(a.at(j))].push_back(j);
        std::vector<bool> matched(a.size(), false);
        for (std::size_t i = 0; i < e.size(); ++i) {
            auto it = inA.find(json::toSigningText(e.at(i)));
            if (it == inA.end() || it->second.empty()) {
                missingOrAdded(path + u'[' + QString::number(i) + u']', &e.at(i), nullptr);
                continue;
            }
            matched[it->second.back()] = true;
            it->second.pop_back();
        }
        for (std::size_t j = 0; j < a.size(); ++j)
            if (!matched[j])
                missingOrAdded(path + u'[' + QString::number(j) + u']', nullptr, &a.at(j));
    }

    // Two strings that both hold an XML document are compared as documents: paths into them,
    // whitespace between elements not counted. False when either is not XML.
    bool compareAsXml(const JsonValue& e, const JsonValue& a, const QString& path) {
        if (!xmltext::isXml(QString::fromUtf8(
                e.text().data(), qsizetype(std::min<std::size_t>(e.text().size(), 64)))) ||
            !xmltext::isXml(QString::fromUtf8(
                a.text().data(), qsizetype(std::min<std::size_t>(a.text().size(), 64)))))
            return false;
        const std::optional<XmlElement> xe = readXmlTree(e.toQString());
        if (!xe)
            return false;
        const std::optional<XmlElement> xa = readXmlTree(a.toQString());
        if (!xa)
            return false;
        const std::size_t before = m_out.differences.size();
        const int skipped = m_out.ignored + m_out.noiseSkipped;
        compareXml(*xe, *xa, path, xe->name, {}, {});
        if (m_out.differences.size() == before && m_out.ignored + m_out.noiseSkipped == skipped)
            m_out.notes.append(QStringLiteral("%1: o mesmo XML, escrito de outro modo").arg(path));
        return true;
    }

    void xmlDiffer(const QString& path, const QString& e, const QString& a, const QString& label) {
        if (m_ignore.matches(path)) {
            ++m_out.ignored;
            return;
        }
        if (m_noise.matches(path) && !e.isEmpty() && !a.isEmpty() && shapeOf(e) == shapeOf(a)) {
            ++m_out.noiseSkipped;
            m_out.notes.append(QStringLiteral("%1: ignorado: ruído aprendido").arg(path));
            return;
        }
        m_out.differences.push_back({path, e, a, label});
    }

    // The namespaces are said where they change: a default namespace declared once differs
    // for its whole subtree, and is reported on the element that declares it.
    void compareXml(const XmlElement& e, const XmlElement& a, const QString& member,
                    const QString& inner, const QString& parentNsE, const QString& parentNsA) {
        const QString path = xmlPath(member, inner);
        if (m_ignore.matches(path)) {
            ++m_out.ignored;
            return;
        }
        if (e.name != a.name) {
            xmlDiffer(path, u'<' + e.name + u'>', u'<' + a.name + u'>', QStringLiteral("elemento"));
            return;
        }
        if (e.namespaceUri != a.namespaceUri &&
            (e.namespaceUri != parentNsE || a.namespaceUri != parentNsA))
            xmlDiffer(path, e.namespaceUri, a.namespaceUri, QStringLiteral("namespace"));
        // Attributes by namespace and name, in any order.
        std::vector<bool> seen(a.attributes.size(), false);
        for (const XmlElement::Attribute& x : e.attributes) {
            const QString p = xmlPath(member, inner + u'@' + x.name);
            const auto it = std::find_if(a.attributes.begin(), a.attributes.end(), [&](auto& y) {
                return y.name == x.name && y.namespaceUri == x.namespaceUri;
            });
            if (it == a.attributes.end()) {
                xmlDiffer(p, x.value, QString(), QStringLiteral("atributo"));
                continue;
            }
            seen[std::size_t(it - a.attributes.begin())] = true;
            if (it->value != x.value)
                xmlDiffer(p, x.value, it->value, QStringLiteral("atributo"));
        }
        for (std::size_t j = 0; j < a.attributes.size(); ++j)
            if (!seen[j])
                xmlDiffer(xmlPath(member, inner + u'@' + a.attributes[j].name), QString(),
                          a.attributes[j].value, QStringLiteral("atributo"));
        if (e.text != a.text)
            xmlDiffer(path, e.text, a.text, QString());
        // Children by name, the n-th of a name with the n-th: "det[2]" when a name repeats.
        std::map<QString, std::size_t> countE, countA;
        for (const XmlElement& c : e.children)
            ++countE[c.name];
        for (const XmlElement& c : a.children)
            ++countA[c.name];
        std::map<QString, std::vector<const XmlElement*>> byNameA;
        for (const XmlElement& c : a.children)
            byNameA[c.name].push_back(&c);
        std::map<QString, std::size_t> taken;
        const auto segment = [&](const QString& name, std::size_t n) {
            const bool repeated = std::max(countE[name], countA[name]) > 1;
            return inner + u'/' + name + (repeated ? u'[' + QString::number(n) + u']' : QString());
        };
        for (const XmlElement& c : e.children) {
            const std::size_t n = taken[c.name]++;
            const auto& others = byNameA[c.name];
            if (n < others.size())
                compareXml(c, *others[n], member, segment(c.name, n), e.namespaceUri,
                           a.namespaceUri);
            else
                xmlDiffer(xmlPath(member, segment(c.name, n)), xmlText(c), QString(), {});
        }
        for (const auto& [name, others] : byNameA)
            for (std::size_t n = countE[name]; n < others.size(); ++n)
                xmlDiffer(xmlPath(member, segment(name, n)), QString(), xmlText(*others[n]), {});
    }

    const PathPatterns m_ignore;
    const PathPatterns m_noise;
    const PathPatterns m_numeric;
    std::vector<std::pair<PathPattern, QString>> m_lists;
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
    // Each [*] takes one position ("[3]", or "[Chave=x]" in a list matched by a member)
    // between the pieces, which must follow each other exactly from the start of the path to
    // its end.
    for (std::size_t k = 0; k < m_pieces.size(); ++k) {
        if (k > 0) {
            if (!path.startsWith(u'['))
                return false;
            const qsizetype close = path.indexOf(u']');
            if (close < 2)
                return false;
            path = path.mid(close + 1);
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
    return compareAnswer(expected, actual, CompareRules{ignore, noise, {}, {}});
}

namespace {

QString mediaType(const QString& contentType) {
    return contentType.section(u';', 0, 0).trimmed().toLower();
}

// The parameters (charset, …) as one text: lower case, without blanks.
QString typeParameters(const QString& contentType) {
    QString p = contentType.section(u';', 1).toLower();
    p.remove(u' ');
    return p;
}

} // namespace

Comparison compareAnswer(const ExpectedAnswer& expected, const ExpectedAnswer& actual,
                         const CompareRules& rules) {
    Comparison out;
    Comparer comparer(rules, out);
    // The content type, when the baseline knows it: another media type is a difference (the
    // same body as HTML is not the same answer); other parameters, a note.
    if (!expected.contentType.isEmpty() && !actual.contentType.isEmpty() &&
        !PathPatterns(rules.ignore).matches(QStringLiteral("(tipo de conteúdo)"))) {
        if (mediaType(expected.contentType) != mediaType(actual.contentType))
            out.differences.push_back({QStringLiteral("(tipo de conteúdo)"),
                                       expected.contentType,
                                       actual.contentType,
                                       {}});
        else if (typeParameters(expected.contentType) != typeParameters(actual.contentType))
            out.notes.append(QStringLiteral("(tipo de conteúdo): %1 → %2")
                                 .arg(expected.contentType, actual.contentType));
    }
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
            out.differences.push_back({QStringLiteral("(resposta)"), e, a, {}});
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
        if (!inside.isEmpty() &&
            std::all_of(inside.begin(), inside.end(), [](QChar c) { return c.isDigit(); }))
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

QString differenceExcerpt(const QString& e, const QString& a, qsizetype context) {
    const qsizetype shorter = std::min(e.size(), a.size());
    qsizetype prefix = 0;
    while (prefix < shorter && e[prefix] == a[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && e[e.size() - 1 - suffix] == a[a.size() - 1 - suffix])
        ++suffix;
    QString out;
    if (prefix > context)
        out += QStringLiteral("… (%1 caracteres iguais) ").arg(prefix - context) +
               e.mid(prefix - context, context);
    else
        out += e.left(prefix);
    out += u'[' + shortValue(e.mid(prefix, e.size() - prefix - suffix), 200) + u'→' +
           shortValue(a.mid(prefix, a.size() - prefix - suffix), 200) + u']';
    if (suffix > context)
        out += e.mid(e.size() - suffix, context) +
               QStringLiteral(" … (%1 iguais)").arg(suffix - context);
    else
        out += e.right(suffix);
    return out;
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
