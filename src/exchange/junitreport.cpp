#include "exchange/junitreport.h"

#include "common/filesave.h"
#include "common/texthelpers.h"

#include <QXmlStreamWriter>

#include <set>

#include <unistd.h>

namespace {

// Text that XML can carry: control characters written as on a terminal.
QString readable(const QString& text, bool keepLineBreaks) {
    bool plain = true;
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            plain = false;
            break;
        }
    if (plain)
        return text;
    return QString::fromUtf8(escapeControls(text.toUtf8(), keepLineBreaks));
}

QString seconds(double ms) {
    return QString::number(ms / 1000, 'f', 3);
}

QString failureMessage(const StepOutcome& o) {
    const std::vector<Difference>& d = o.comparison.differences;
    if (d.empty())
        return {};
    QString message = differenceLine(d.front());
    if (d.size() > 1)
        message += QStringLiteral(" (e mais %1 diferença(s))").arg(d.size() - 1);
    return message;
}

QString hostName() {
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0 || name[0] == 0)
        return QStringLiteral("localhost");
    return QString::fromLocal8Bit(name);
}

} // namespace

QStringList junitCaseNames(const Scenario& scenario) {
    QStringList names;
    std::set<QString> used;
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        const QString base = stepLabel(scenario, i);
        QString name = base;
        for (int n = 2; !used.insert(name).second; ++n)
            name = QStringLiteral("%1 (%2)").arg(base).arg(n);
        names.append(name);
    }
    return names;
}

void writeJunitReport(const QString& fileName, const std::vector<JunitSuite>& suites) {
    FileSave file(fileName);
    QXmlStreamWriter x(&file.device());
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("testsuites"));
    const QString host = hostName();
    for (std::size_t s = 0; s < suites.size(); ++s) {
        const JunitSuite& suite = suites[s];
        const std::vector<StepOutcome>& outcomes = *suite.outcomes;
        int failures = 0, errors = 0;
        double total = 0;
        for (const StepOutcome& o : outcomes) {
            failures += o.verdict == Verdict::Different;
            errors += o.verdict == Verdict::Error;
            total += o.elapsedMs;
        }
        const QString name =
            readable(suite.name.isEmpty() ? QStringLiteral("cenario") : suite.name, false);
        x.writeStartElement(QStringLiteral("testsuite"));
        x.writeAttribute(QStringLiteral("name"), name);
        x.writeAttribute(QStringLiteral("package"), name);
        x.writeAttribute(QStringLiteral("id"), QString::number(s));
        x.writeAttribute(QStringLiteral("timestamp"),
                         suite.started.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
        x.writeAttribute(QStringLiteral("hostname"), host);
        x.writeAttribute(QStringLiteral("tests"), QString::number(outcomes.size()));
        x.writeAttribute(QStringLiteral("failures"), QString::number(failures));
        x.writeAttribute(QStringLiteral("errors"), QString::number(errors));
        x.writeAttribute(QStringLiteral("time"), seconds(total));
        x.writeStartElement(QStringLiteral("properties"));
        if (!suite.server.isEmpty()) {
            x.writeStartElement(QStringLiteral("property"));
            x.writeAttribute(QStringLiteral("name"), QStringLiteral("servidor"));
            x.writeAttribute(QStringLiteral("value"), readable(suite.server, false));
            x.writeEndElement();
        }
        x.writeEndElement();
        const QStringList names = junitCaseNames(*suite.scenario);
        QStringList out;
        for (std::size_t i = 0; i < outcomes.size(); ++i) {
            const StepOutcome& o = outcomes[i];
            const QString caseName = readable(names.value(qsizetype(i)), false);
            x.writeStartElement(QStringLiteral("testcase"));
            x.writeAttribute(QStringLiteral("name"), caseName);
            x.writeAttribute(QStringLiteral("classname"), name);
            x.writeAttribute(QStringLiteral("time"), seconds(o.elapsedMs));
            if (o.verdict == Verdict::Error) {
                x.writeStartElement(QStringLiteral("error"));
                x.writeAttribute(QStringLiteral("type"), o.notRun ? QStringLiteral("não executado")
                                                                  : QStringLiteral("erro"));
                x.writeAttribute(QStringLiteral("message"), readable(o.error, false));
                x.writeCharacters(readable(o.error, true));
                x.writeEndElement();
            } else if (o.verdict == Verdict::Different) {
                QStringList lines;
                for (const Difference& d : o.comparison.differences)
                    lines.append(differenceLine(d));
                x.writeStartElement(QStringLiteral("failure"));
                x.writeAttribute(QStringLiteral("type"), QStringLiteral("diferente"));
                x.writeAttribute(QStringLiteral("message"), readable(failureMessage(o), false));
                x.writeCharacters(readable(lines.join(u'\n'), true));
                x.writeEndElement();
            }
            x.writeEndElement();
            for (const QString& note : o.comparison.notes)
                out.append(QStringLiteral("[%1] nota: %2").arg(caseName, readable(note, false)));
            if (o.rejected)
                out.append(QStringLiteral("[%1] rejeitada: %2")
                               .arg(caseName, readable(o.rejection, false)));
        }
        x.writeTextElement(QStringLiteral("system-out"),
                           out.isEmpty() ? QString() : out.join(u'\n') + u'\n');
        x.writeTextElement(QStringLiteral("system-err"), QString());
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndDocument();
    file.commit();
}
