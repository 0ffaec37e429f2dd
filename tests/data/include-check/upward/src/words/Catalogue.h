#pragma once
#include "motion/Interpolator.h"
