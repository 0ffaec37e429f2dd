#include "teach/TextbookStep.h"
#include "teach/PulseBeats.h"
