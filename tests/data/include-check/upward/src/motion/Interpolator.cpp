#include "motion/Segment.h"
#include "views/Canvas.h"
