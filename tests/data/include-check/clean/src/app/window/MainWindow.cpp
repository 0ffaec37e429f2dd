#include "app/editor/ProgramEditor.h"
#include "teach/table/StepTable.h"
