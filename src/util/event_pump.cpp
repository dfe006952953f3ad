#include "util/event_pump.h"
