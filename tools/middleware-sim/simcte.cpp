// The stand-in's answers to the CT-e services.
#include "simanswers.h"
#include "simhelpers.h"

namespace sim {

void installCteAnswers(MiddlewareSim& server) {
    (void)server;
}

} // namespace sim
