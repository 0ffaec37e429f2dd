#pragma once

#include "teach/TextbookStep.h"
