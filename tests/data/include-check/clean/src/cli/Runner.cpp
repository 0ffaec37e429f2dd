#include "render/Pictures.h"
#include "teach/StepTable.h"
