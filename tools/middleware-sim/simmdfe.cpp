// The stand-in's answers to the MDF-e services.
#include "simanswers.h"
#include "simhelpers.h"

namespace sim {

void installMdfeAnswers(MiddlewareSim& server) {
    (void)server;
}

} // namespace sim
