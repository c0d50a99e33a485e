// Includes upwards: the check must refuse it.
#pragma once
#include "upper/Upper.h"
