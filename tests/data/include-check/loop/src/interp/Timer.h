#pragma once

#include "interp/Clock.h"
