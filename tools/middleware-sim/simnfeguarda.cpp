// The stand-in's answers to the NF-e services of storage, NFS-e, printing, events and distribution.
#include "simanswers.h"
#include "simhelpers.h"

namespace sim {

void installNfeGuardaAnswers(MiddlewareSim& server) {
    (void)server;
}

} // namespace sim
