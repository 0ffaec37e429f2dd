#pragma once

#include "teach/table/StepTable.h"
