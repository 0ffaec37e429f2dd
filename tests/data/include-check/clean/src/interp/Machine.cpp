#include "interp/Machine.h"
