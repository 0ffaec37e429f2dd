#include "motion/Segment.h"
