#include "app/editor/ProgramEditor.h"
#include "teach/StepTable.h"
