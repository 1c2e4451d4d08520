#include "app/scenariodiff.h"

#include <QStringList>

using json::JsonValue;
using namespace Qt::StringLiterals;

namespace {

QString quoted(QString text) {
    text.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s).replace(u'\n', u"\\n"_s);
    return u'"' + text + u'"';
}

QString scalarText(const JsonValue& v) {
    if (v.isString())
        return quoted(v.toQString());
    if (v.isNumber())
        return QString::fromStdString(v.text());
    if (v.isBool())
        return v.isTrue() ? u"true"_s : u"false"_s;
    return u"null"_s;
}

class Writer {
public:
    explicit Writer(AnswerLines& out) : m_out(out) {}
    void write(const JsonValue& v, const QString& path, int depth, const QString& prefix,
               bool comma) {
        if (m_lines.size() >= kMaxAnswerLines) {
            m_cut = true;
            return;
        }
        const QString indent(depth * 2, u' ');
        const QString tail = comma ? u","_s : QString();
        if (!path.isEmpty())
            m_out.lineOf.insert(path, int(m_lines.size()));
        if (!(v.isObject() || v.isArray()) || v.empty()) {
            const QString text = v.isObject() ? u"{}"_s : v.isArray() ? u"[]"_s : scalarText(v);
            m_lines.append(indent + prefix + text + tail);
            return;
        }
        const bool object = v.isObject();
        m_lines.append(indent + prefix + (object ? u'{' : u'['));
        for (std::size_t i = 0; i < v.size(); ++i) {
            const bool more = i + 1 < v.size();
            if (object) {
                const QString name = QString::fromStdString(v.keyAt(i));
                write(v.at(i), path.isEmpty() ? name : path + u'.' + name, depth + 1,
                      quoted(name) + u": "_s, more);
            } else
                write(v.at(i), path + u"[%1]"_s.arg(i), depth + 1, QString(), more);
        }
        m_lines.append(indent + (object ? u'}' : u']') + tail);
    }
    QStringList& lines() { return m_lines; }
    bool cut() const { return m_cut; }

private:
    AnswerLines& m_out;
    QStringList m_lines;
    bool m_cut = false;
};

} // namespace

AnswerLines answerLines(const ExpectedAnswer& answer) {
    AnswerLines out;
    Writer writer(out);
    writer.lines().append(u"HTTP %1"_s.arg(answer.status));
    out.lineOf.insert(u"(status HTTP)"_s, 0);
    if (answer.json) {
        writer.write(*answer.json, QString(), 0, QString(), false);
        if (writer.cut())
            writer.lines().append(
                u"… (resposta cortada nas primeiras %1 linhas)"_s.arg(kMaxAnswerLines));
    } else
        writer.lines().append(
            answer.text.size() <= kMaxAnswerChars
                ? answer.text
                : answer.text.left(kMaxAnswerChars) +
                      u"\n… (resposta cortada: %1 de %2 caracteres)"_s.arg(kMaxAnswerChars)
                          .arg(answer.text.size()));
    out.text = writer.lines().join(u'\n');
    return out;
}

int lineOfPath(const AnswerLines& lines, const QString& path) {
    QString p = path;
    while (!p.isEmpty()) {
        if (const auto it = lines.lineOf.constFind(p); it != lines.lineOf.constEnd())
            return *it;
        const qsizetype cut = std::max(p.lastIndexOf(u'.'), p.lastIndexOf(u'['));
        if (cut <= 0)
            break;
        p.truncate(cut);
    }
    return -1;
}
