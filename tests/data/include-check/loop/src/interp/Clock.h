#pragma once

#include "interp/Pace.h"
