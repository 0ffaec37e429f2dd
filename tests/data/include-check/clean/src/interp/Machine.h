#pragma once

#include "motion/Decimal.h"
#include "views/Axes.h"
