#pragma once

#include "simserver.h"

namespace sim {

// The stand-in's answers per service path: plausible result envelopes in the shapes the pages
// read back. Paths without an entry get a generic success envelope.
void installDefaultAnswers(MiddlewareSim& server);

// The answers of each area, installed by installDefaultAnswers (one source each).
void installCommerceAnswers(MiddlewareSim& server);
void installCommerceOrderAnswers(MiddlewareSim& server);
void installCommerceLocalAnswers(MiddlewareSim& server);
void installImpressoraAnswers(MiddlewareSim& server);
void installNfeGuardaAnswers(MiddlewareSim& server);
void installCteAnswers(MiddlewareSim& server);
void installMdfeAnswers(MiddlewareSim& server);
void installPafAnswers(MiddlewareSim& server);

} // namespace sim
