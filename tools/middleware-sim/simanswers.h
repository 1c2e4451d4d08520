#pragma once

#include "simserver.h"

namespace sim {

// The stand-in's answers per service path: plausible result envelopes in the shapes the pages
// read back. Paths without an entry get a generic success envelope.
void installDefaultAnswers(MiddlewareSim& server);

} // namespace sim
