#pragma once

#include "motion/exact/Decimal.h"
#include "views/Axes.h"
