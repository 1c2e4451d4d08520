// The stand-in's answers to the local commerce services: bank slips, e-mail, lookups, DAV printing.
#include "simanswers.h"
#include "simhelpers.h"

namespace sim {

void installCommerceLocalAnswers(MiddlewareSim& server) {
    (void)server;
}

} // namespace sim
