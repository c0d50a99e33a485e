// The user's list and decimal separators, checked once at start-up. Formula builders put
// the list separator between the arguments of ShapeSheet functions.
#pragma once

#include <string>

// Empty until checkLocaleSeparators runs; then "," or ";".
extern std::string currentListSeparator;
// Empty until checkLocaleSeparators runs; then "," or ".".
extern std::string currentDecimalSeparator;

// Takes the separators from the regional settings; a separator the add-on cannot work
// with is reported in a message box and replaced by "," (list) or "." (decimal).
void checkLocaleSeparators();
