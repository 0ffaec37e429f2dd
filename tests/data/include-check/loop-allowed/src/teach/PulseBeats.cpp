#include "teach/PulseBeats.h"
