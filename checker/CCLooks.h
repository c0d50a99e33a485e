// The cells the checker's rules colour and the formula texts of their looks.
#pragma once

#include "model/CellAddress.h"
#include "platform/visio/VisioConstants.h"

namespace cclooks {

inline constexpr CellAddress lineColourCell{visio::visSectionObject, visio::visRowLine,
                                            visio::visLineColor};
inline constexpr CellAddress lineWeightCell{visio::visSectionObject, visio::visRowLine,
                                            visio::visLineWeight};
inline constexpr CellAddress linePatternCell{visio::visSectionObject, visio::visRowLine,
                                             visio::visLinePattern};
inline constexpr CellAddress charColourCell{visio::visSectionCharacter, 0,
                                            visio::visCharacterColor};
inline constexpr CellAddress charStyleCell{visio::visSectionCharacter, 0, visio::visCharacterStyle};

// Colours by Visio's colour index: red for syntax errors, green for consistent shapes,
// grey for shapes that are not elements of the notation.
inline constexpr char errorColour[] = "2";
inline constexpr char consistentColour[] = "3";
inline constexpr char ignoredColour[] = "19";
// Name clashes and hints. Written with a fixed "," whatever the user's list separator:
// formulas go to Visio in universal syntax.
inline constexpr char hintColour[] = "RGB(255,153,0)";

inline constexpr char findingLineWeight[] = "2 pt";
// A fixed "." whatever the user's decimal separator, for the same reason.
inline constexpr char normalLineWeight[] = "1.4 pt";
inline constexpr char solidLinePattern[] = "1";
inline constexpr char boldCharStyle[] = "1";
inline constexpr char plainCharStyle[] = "0";

}  // namespace cclooks
