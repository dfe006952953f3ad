#include "util/regex_matcher.h"
