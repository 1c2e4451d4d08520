#include "widgets/busywait.h"

namespace {
bool waiting = false;
}

bool isWaitingForWork() {
    return waiting;
}
void setWaitingForWork(bool value) {
    waiting = value;
}
