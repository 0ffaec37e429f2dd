#pragma once

#include "motion/StepRecord.h"
