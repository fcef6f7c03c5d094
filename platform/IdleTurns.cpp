#include "platform/IdleTurns.h"

namespace {

int64_t turns = 0;

}  // namespace

int64_t BusyIdleTurns() { return turns; }

void NoteBusyIdleTurn() { ++turns; }
