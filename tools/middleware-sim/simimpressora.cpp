// The stand-in's answers to the non-fiscal printer services.
#include "simanswers.h"
#include "simhelpers.h"

namespace sim {

void installImpressoraAnswers(MiddlewareSim& server) {
    (void)server;
}

} // namespace sim
