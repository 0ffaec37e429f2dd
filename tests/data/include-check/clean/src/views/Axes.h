#pragma once

#include "motion/exact/Decimal.h"
