#include "motion/Decimal.h"
