#pragma once

#include "teach/StepTable.h"
