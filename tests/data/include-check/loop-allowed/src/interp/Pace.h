#pragma once

#include "interp/Timer.h"
