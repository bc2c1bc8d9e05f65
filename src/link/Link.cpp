#include "link/Link.h"
