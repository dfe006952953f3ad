#include "net/http.h"
