// The stand-in's answers to the commerce services of titles, CNAB, notes, DAV, partners, e-commerce
// and quotations.
#include "simanswers.h"
#include "simhelpers.h"

namespace sim {

void installCommerceOrderAnswers(MiddlewareSim& server) {
    (void)server;
}

} // namespace sim
