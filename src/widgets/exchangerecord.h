#pragma once

// The record of one exchange lives in the exchange layer (the history store keeps it too).
#include "exchange/exchangerecord.h"
