#include "util/url_encode.h"
