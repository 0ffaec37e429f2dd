#include "motion/exact/Decimal.h"
