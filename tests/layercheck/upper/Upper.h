// Includes downwards, as a layer may.
#pragma once
#include "lower/Lower.h"
