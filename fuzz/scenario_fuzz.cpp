// Scenario files as a person or another program may leave them, and the answers they are
// compared with: the reader refuses or reads; what it read is written and read back to the
// same text; the comparison, the noise learned from it, the captures and their substitution
// take any answer. Input: the file's text, a byte 0, then an answer body.
#include "exchange/scenario.h"
#include "exchange/scenariocompare.h"
#include "exchange/scenariorun.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\0');
    const QByteArray file = split < 0 ? input : input.left(split);
    const QByteArray body = split < 0 ? QByteArray() : input.mid(split + 1);
    Scenario s;
    try {
        s = parseScenario(file);
    } catch (const EScenarioError&) {
        return 0;
    }
    // Written and read back, a scenario is the same text.
    const QByteArray text = scenarioText(s);
    if (scenarioText(parseScenario(text)) != text)
        std::abort();

    const ExpectedAnswer answer = expectedFrom(200, body, "application/json");
    std::map<QString, QString> captured;
    for (std::size_t i = 0; i < s.steps.size(); ++i) {
        const ScenarioStep& step = s.steps[i];
        const Comparison c = compareStep(s, step, answer);
        if (c.equal() != compareStep(s, step, answer).equal())
            std::abort();
        QStringList paths;
        for (const Difference& d : c.differences)
            paths.append(d.path);
        if (step.expected.json)
            (void)generaliseListPaths(paths, *step.expected.json);
        for (const auto& [name, path] : step.captures)
            if (answer.json)
                if (const auto value = captureValue(*answer.json, path))
                    captured[name] = *value;
        // One pass: the data grows by the captured values only, never by their own uses.
        const json::JsonValue sent = substituteCaptures(step.dados, captured);
        std::size_t longest = 0;
        for (const auto& [name, value] : captured)
            longest = std::max(longest, std::size_t(value.toUtf8().size()));
        const std::size_t before = json::toSigningText(step.dados).size();
        if (json::toSigningText(sent).size() > before * (longest + 1) + longest)
            std::abort();
    }
    // Noise learned from two runs of those answers is kept by the file.
    std::vector<std::vector<StepOutcome>> runs(2);
    for (auto& run : runs)
        for (std::size_t i = 0; i < s.steps.size(); ++i) {
            StepOutcome o;
            o.answer = i % 2 ? answer : s.steps[i].expected;
            run.push_back(std::move(o));
        }
    runs[1].swap(runs[0]);
    (void)learnNoise(s, runs);
    (void)parseScenario(scenarioText(s));
    return 0;
}
