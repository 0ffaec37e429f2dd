#include "teach/table/StepTable.h"
#include "files/ProgramFile.h"
