// The stand-in's answers to the commerce services of sales, returns, imports and terminals.
#include "simanswers.h"
#include "simhelpers.h"

namespace sim {

void installCommerceAnswers(MiddlewareSim& server) {
    (void)server;
}

} // namespace sim
