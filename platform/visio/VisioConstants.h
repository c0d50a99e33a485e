// Numbers of Visio's automation interface that the add-on passes or compares.
#pragma once

#include <cstdint>

namespace visio {

// ShapeSheet sections.
constexpr int16_t visSectionObject = 1;
constexpr int16_t visSectionCharacter = 3;
constexpr int16_t visSectionParagraph = 4;
constexpr int16_t visSectionScratch = 6;
constexpr int16_t visSectionConnectionPts = 7;
constexpr int16_t visSectionFirstComponent = 10;
constexpr int16_t visSectionAction = 240;
constexpr int16_t visSectionUser = 242;
constexpr int16_t visSectionProp = 243;

// Rows of the object section.
constexpr int16_t visRowXFormOut = 1;
constexpr int16_t visRowLine = 2;
constexpr int16_t visRowFill = 3;
constexpr int16_t visRowXForm1D = 4;
constexpr int16_t visRowPage = 10;
constexpr int16_t visRowLock = 15;
constexpr int16_t visRowMisc = 17;
constexpr int16_t visRowVertex = 1;  // first vertex row of a geometry section

// Cells of the line row.
constexpr int16_t visLineWeight = 0;
constexpr int16_t visLineColor = 1;
constexpr int16_t visLinePattern = 2;
constexpr int16_t visLineBeginArrow = 5;
constexpr int16_t visLineEndArrow = 6;
// Cells of the protection row.
constexpr int16_t visLockWidth = 0;
constexpr int16_t visLockMoveX = 2;
constexpr int16_t visLockMoveY = 3;
constexpr int16_t visLockDelete = 5;
constexpr int16_t visLockTextEdit = 11;
// Cells of the transform row (visRowXFormOut).
constexpr int16_t visXFormWidth = 2;
constexpr int16_t visXFormHeight = 3;
// Cells of the 1-D end points row (visRowXForm1D).
constexpr int16_t vis1DBeginX = 0;
constexpr int16_t vis1DBeginY = 1;
constexpr int16_t vis1DEndX = 2;
constexpr int16_t vis1DEndY = 3;
// Cells of a character row.
constexpr int16_t visCharacterFont = 0;
constexpr int16_t visCharacterColor = 1;
constexpr int16_t visCharacterStyle = 2;
constexpr int16_t visCharacterSize = 7;
// Cells of a geometry vertex row.
constexpr int16_t visX = 0;
constexpr int16_t visY = 1;

constexpr int16_t visTagDefault = 0;

// Shape types.
constexpr int16_t visTypePage = 1;
constexpr int16_t visTypeGroup = 2;
constexpr int16_t visTypeShape = 3;
// An imported picture (or another object from outside Visio).
constexpr int16_t visTypeForeignObject = 4;
constexpr int16_t visTypeDoc = 6;

// Unit codes.
constexpr int16_t visNumber = 32;
constexpr int16_t visDegrees = 81;
constexpr int16_t visRadians = 83;
constexpr int16_t visInches = 65;
constexpr int16_t visMillimeters = 70;
constexpr int16_t visPoints = 50;

// Glue parts: the begin and end point of a 1-D shape, and the first connection point.
constexpr int16_t visBegin = 9;
constexpr int16_t visEnd = 12;
constexpr int16_t visConnectionPoint = 100;

// Spatial relations.
constexpr int16_t visSpatialOverlap = 1;
constexpr int16_t visSpatialContain = 2;
constexpr int16_t visSpatialContainedIn = 4;
constexpr int16_t visSpatialTouching = 8;

// Bounding box flags.
constexpr int16_t visBBoxUprightWH = 1;

// Selection.
constexpr int16_t visDeselect = 1;
constexpr int16_t visSelect = 2;
constexpr int16_t visSubSelect = 3;
constexpr int16_t visDeselectAll = 256;
constexpr int32_t visSelModeSkipSuper = 256;

// Batch formula writes.
constexpr int16_t visSetBlastGuards = 2;
constexpr int16_t visSetUniversalSyntax = 8;

// Windows.
constexpr int16_t visDrawing = 1;
constexpr int16_t visPageWin = 128;

// Built-in commands.
constexpr int16_t visCmdFileSave = 1004;
constexpr int16_t visCmdFileSaveAs = 1005;
constexpr int16_t visCmdInsertPicture = 1007;
constexpr int16_t visCmdTextEdit = 1214;
// The Edit menu's commands on shapes, as their scope events name them.
constexpr int16_t visCmdUFEditCut = 1020;
constexpr int16_t visCmdUFEditCopy = 1021;
constexpr int16_t visCmdUFEditPaste = 1022;
constexpr int16_t visCmdUFEditDuplicate = 1024;

// Event codes as they arrive: the low 16 bits taken as a signed number.
constexpr int16_t visEvtCodeDocCreate = 0x0001;
constexpr int16_t visEvtCodeDocOpen = 0x0002;
constexpr int16_t visEvtCodeDocSave = 0x0003;
constexpr int16_t visEvtCodeDocSaveAs = 0x0004;
constexpr int16_t visEvtCodeBefDocSave = 0x0007;
constexpr int16_t visEvtCodeBefDocSaveAs = 0x0008;
// A command or an automation scope begins (ExitScope, 0x00CB, is not subscribed).
constexpr int16_t visEvtCodeEnterScope = 0x00CA;
constexpr int16_t visEvtCodeSelChanged = 0x02BD;
constexpr int16_t visEvtCodeWinPageTurn = 0x02C0;
constexpr int16_t visEvtCodeShapeTextEdit = 0x0323;
constexpr int16_t visEvtCodeWinActivate = 0x1080;
constexpr int16_t visEvtCodeMarker = 0x1100;
constexpr int16_t visEvtCodeNoEventsPending = 0x1400;
constexpr int16_t visEvtCodePageChanged = 0x2010;
constexpr int16_t visEvtCodeWindowChanged = 0x2080;
constexpr int16_t visEvtCodeCellChanged = 0x2800;
constexpr int16_t visEvtCodeBefDocClose = 0x4002;
constexpr int16_t visEvtCodeBefShapeDelete = 0x4040;
constexpr int16_t visEvtCodeStyleAdded = static_cast<int16_t>(0x8008);
constexpr int16_t visEvtCodePageAdded = static_cast<int16_t>(0x8010);
constexpr int16_t visEvtCodeShapeAdded = static_cast<int16_t>(0x8040);

}  // namespace visio
