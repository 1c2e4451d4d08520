#include "app/historyscenario.h"

#include "app/exchangehistory.h"

Scenario scenarioOfEntries(const std::vector<const HistoryEntry*>& entries, const QString& name) {
    Scenario s;
    s.name = name;
    for (const HistoryEntry* e : entries) {
        const ExchangeRecord& r = e->record;
        if (r.status == 0)
            continue;
        ScenarioStep step = stepFromExchange(r.method, r.servicePath, r.request, r.authenticated,
                                             r.status, r.answer, r.contentType);
        step.page = e->page;
        step.name = freshStepName(s, r.servicePath);
        s.steps.push_back(std::move(step));
    }
    return s;
}
