#include "net/cookie_store.h"
