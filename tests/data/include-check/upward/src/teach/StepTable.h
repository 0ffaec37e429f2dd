#pragma once

#include "app/window/Settings.h"
#include "cli/Runner.h"
