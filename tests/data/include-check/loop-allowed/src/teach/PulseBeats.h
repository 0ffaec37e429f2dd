#pragma once

#include "teach/table/TextbookStep.h"
