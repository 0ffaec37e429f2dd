#pragma once

#include "interp/Machine.h"
