#include "teach/table/PulseBeats.h"
