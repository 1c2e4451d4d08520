#include "exchange/scenariocompare.h"

#include <QRegularExpression>

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

class Comparer {
public:
    Comparer(const QStringList& ignore, const QStringList& noise, Comparison& out)
        : m_ignore(ignore), m_noise(noise), m_out(out) {}

    void compare(const JsonValue& e, const JsonValue& a, const QString& path) {
        for (const QString& p : m_ignore)
            if (pathMatches(p, path)) {
                ++m_out.ignored;
                return;
            }
        for (const QString& p : m_noise)
            if (pathMatches(p, path)) {
                if (sameKindAndShape(e, a)) {
                    if (!same(e, a)) {
                        ++m_out.noiseSkipped;
                        m_out.notes.append(
                            QStringLiteral("%1: ignorado: ruído aprendido").arg(path));
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
                const QString p = path + QStringLiteral("[%1]").arg(i);
                if (i >= e.size())
                    m_out.differences.push_back({p, QString(), textOf(a.at(i))});
                else if (i >= a.size())
                    m_out.differences.push_back({p, textOf(e.at(i)), QString()});
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
        return e.type() == a.type() && json::toSigningText(e) == json::toSigningText(a);
    }
    void differ(const QString& path, const JsonValue& e, const JsonValue& a) {
        m_out.differences.push_back({path, textOf(e), textOf(a)});
    }
    static QString join(const QString& path, const std::string& key) {
        const QString name = QString::fromStdString(key);
        return path.isEmpty() ? name : path + u'.' + name;
    }
    void compareObjects(const JsonValue& e, const JsonValue& a, const QString& path) {
        std::vector<std::string> commonOrderE, commonOrderA;
        for (std::size_t i = 0; i < e.size(); ++i) {
            const JsonValue* other = a.find(e.keyAt(i));
            const QString p = join(path, e.keyAt(i));
            if (!other) {
                if (!ignored(p))
                    m_out.differences.push_back({p, textOf(e.at(i)), QString()});
                continue;
            }
            commonOrderE.push_back(e.keyAt(i));
            compare(e.at(i), *other, p);
        }
        for (std::size_t i = 0; i < a.size(); ++i) {
            if (e.find(a.keyAt(i))) {
                commonOrderA.push_back(a.keyAt(i));
                continue;
            }
            const QString p = join(path, a.keyAt(i));
            if (!ignored(p))
                m_out.differences.push_back({p, QString(), textOf(a.at(i))});
        }
        if (commonOrderE != commonOrderA)
            m_out.notes.append(QStringLiteral("%1: a ordem dos membros mudou")
                                   .arg(path.isEmpty() ? QStringLiteral("(raiz)") : path));
    }
    bool ignored(const QString& path) {
        for (const QStringList* list : {&m_ignore, &m_noise})
            for (const QString& p : *list)
                if (pathMatches(p, path)) {
                    ++m_out.ignored;
                    return true;
                }
        return false;
    }

    const QStringList& m_ignore;
    const QStringList& m_noise;
    Comparison& m_out;
};

} // namespace

bool pathMatches(const QString& pattern, const QString& path) {
    if (!pattern.contains(QLatin1String("[*]")))
        return pattern == path;
    QString re = QRegularExpression::escape(pattern);
    re.replace(QStringLiteral("\\[\\*\\]"), QStringLiteral("\\[\\d+\\]"));
    return QRegularExpression(QRegularExpression::anchoredPattern(re)).match(path).hasMatch();
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
