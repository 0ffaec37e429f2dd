#pragma once

#include "app/window/Settings.h"
