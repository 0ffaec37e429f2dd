#include "teach/table/TextbookStep.h"
#include "teach/table/PulseBeats.h"
