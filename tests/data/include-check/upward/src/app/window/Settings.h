#pragma once

#include "cli/Runner.h"
