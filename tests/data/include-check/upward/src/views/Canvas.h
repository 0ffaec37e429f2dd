#pragma once

#include "motion/Segment.h"
