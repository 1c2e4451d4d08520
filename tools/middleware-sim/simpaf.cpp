// The stand-in's answers to the PAF-ECF and Bloco X services.
#include "simanswers.h"
#include "simhelpers.h"

namespace sim {

void installPafAnswers(MiddlewareSim& server) {
    (void)server;
}

} // namespace sim
