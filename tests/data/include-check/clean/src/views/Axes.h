#pragma once

#include "motion/Decimal.h"
