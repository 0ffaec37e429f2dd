#pragma once

#include "views/Axes.h"
