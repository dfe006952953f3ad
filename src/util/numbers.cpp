#include "util/numbers.h"
