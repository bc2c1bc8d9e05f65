#include "foundation/Foundation.h"
