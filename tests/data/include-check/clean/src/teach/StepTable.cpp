#include "teach/StepTable.h"
#include "files/ProgramFile.h"
