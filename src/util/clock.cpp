#include "util/clock.h"
