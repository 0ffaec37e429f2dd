#include "render/Pictures.h"
#include "teach/table/StepTable.h"
