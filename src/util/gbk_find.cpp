#include "util/gbk_find.h"
