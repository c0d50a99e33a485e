// What a shape of the notation carries: the cells that name its diagram kind, element
// type and stencil version, the attribute cells per element type, and the stencil
// versions whose master layouts are known. The drawing-type names themselves are the
// add-on's shared constants.
#pragma once

#include <cstdint>

#include "helpers/AddonConstants.h"

// The three cells that make a shape a shape of the notation.
inline constexpr char drawingTypeCell[] = "User.QAV_DrawingType.Prompt";
inline constexpr char elementTypeCell[] = "Prop.QAVType";
inline constexpr char stencilVersionCell[] = "User.QAV_ST_Version";

// The attribute cells: sub-shape indexes (0 meaning the shape itself for the
// identifier) or values.
inline constexpr char identifierIdCell[] = "User.QAV_Identifier_ID";
inline constexpr char firstEdgeIdCell[] = "User.QAV_firstedge_id";
inline constexpr char secondEdgeIdCell[] = "User.QAV_secondedge_id";
inline constexpr char miscTypeCell[] = "User.QAV_MiscType";
inline constexpr char channelIdCell[] = "User.QAV_channel_id";
inline constexpr char stickyManCell[] = "User.QAV_StickyMan";
inline constexpr char outlineIdCell[] = "User.QAV_Outline_ID";
inline constexpr char requestArrowIdCell[] = "User.QAV_RequestArrow_ID";
inline constexpr char requestTextIdCell[] = "User.QAV_RequestText_ID";
inline constexpr char arrowIdCell[] = "User.QAV_arrow_id";
inline constexpr char arcWeightIdCell[] = "User.QAV_ARCWEIGHT_id";
inline constexpr char placeIdCell[] = "User.QAV_place_id";
inline constexpr char markingCell[] = "User.QAV_marking";
inline constexpr char markingIdCell[] = "User.QAV_marking_id";
inline constexpr char capacityCell[] = "User.QAV_capacity";
inline constexpr char capacityIdCell[] = "User.QAV_capacity_id";
inline constexpr char relationIdCell[] = "User.QAV_relation_id";

inline constexpr int32_t attributeCellCount = 17;
inline constexpr const char* attributeCells[attributeCellCount] = {
    identifierIdCell, firstEdgeIdCell, secondEdgeIdCell,   miscTypeCell,      channelIdCell,
    stickyManCell,    outlineIdCell,   requestArrowIdCell, requestTextIdCell, arrowIdCell,
    arcWeightIdCell,  placeIdCell,     markingCell,        markingIdCell,     capacityCell,
    capacityIdCell,   relationIdCell};

// The cells a misc shape's reader fills in for the shapes that depend on it.
inline constexpr char numberOfDotsCell[] = "User.QAV_NumberOfDots";
inline constexpr char dotIdCells[3][16] = {"User.QAV_IDDot1", "User.QAV_IDDot2", "User.QAV_IDDot3"};

// The prompts of the text boxes that hold an arc weight, a marking and a capacity.
inline constexpr char arcWeightPromptCell[] = "User.TIA_TextBox1.Prompt";
inline constexpr char markingPromptCell[] = "User.TIA_TextBox2.Prompt";
inline constexpr char capacityPromptCell[] = "User.TIA_TextBox3.Prompt";

// Diagram kinds, numbered as the rows of the tables below.
inline constexpr int32_t diagramKindCount = 3;
inline constexpr int32_t blockDiagramKind = 0;
inline constexpr int32_t petriNetKind = 1;
inline constexpr int32_t erDiagramKind = 2;

// Element types: a shape's type is its index in its kind's row of elementTypes.
inline constexpr int32_t elementTypeSlots = 6;
inline constexpr int32_t activeElement = 0;
inline constexpr int32_t passiveElement = 1;
inline constexpr int32_t connectionElement = 2;
inline constexpr int32_t blockAccessElement = 3;
inline constexpr int32_t blockChannelElement = 4;
inline constexpr int32_t blockMiscElement = 5;
inline constexpr int32_t startEndPlaceElement = 3;
inline constexpr int32_t connectionPlaceElement = 4;
inline constexpr int32_t stackPlaceElement = 5;
inline constexpr int32_t binRelationshipElement = 3;

// "" marks a slot that names no type.
inline constexpr const char* elementTypes[diagramKindCount][elementTypeSlots] = {
    {"active", "passive", "connection", "m_access", "com_channel", "misc"},
    {"active", "passive", "connection", "start_end_place", "connection_place", "stack_place"},
    {"active", "passive", "connection", "bin_relationship", "", ""}};

// The cells each element type must have, in the order they are checked; "" ends a row
// that has fewer than six.
inline constexpr int32_t requiredCellSlots = 6;
inline constexpr const char* requiredCells[diagramKindCount][elementTypeSlots][requiredCellSlots] =
    {{
         {identifierIdCell, outlineIdCell, stickyManCell, "", "", ""},
         {identifierIdCell, "", "", "", "", ""},
         {identifierIdCell, "", "", "", "", ""},
         {identifierIdCell, "", "", "", "", ""},
         {identifierIdCell, firstEdgeIdCell, channelIdCell, secondEdgeIdCell, requestArrowIdCell,
          requestTextIdCell},
         {miscTypeCell, "", "", "", "", ""},
     },
     {
         {identifierIdCell, "", "", "", "", ""},
         {identifierIdCell, markingCell, capacityCell, "", "", ""},
         {identifierIdCell, arrowIdCell, arcWeightIdCell, "", "", ""},
         {identifierIdCell, firstEdgeIdCell, placeIdCell, markingCell, capacityCell, ""},
         {identifierIdCell, firstEdgeIdCell, placeIdCell, secondEdgeIdCell, markingCell,
          capacityCell},
         {identifierIdCell, capacityCell, "", "", "", ""},
     },
     {
         {identifierIdCell, "", "", "", "", ""},
         {identifierIdCell, "", "", "", "", ""},
         {identifierIdCell, "", "", "", "", ""},
         {identifierIdCell, firstEdgeIdCell, relationIdCell, secondEdgeIdCell, "", ""},
         {"", "", "", "", "", ""},
         {"", "", "", "", "", ""},
     }};

// The stencil versions whose master layouts are known, so that missing cells can be
// generated; newer versions are read but never completed.
inline constexpr int32_t knownStencilVersionCount = 4;
inline constexpr const char* knownStencilVersions[knownStencilVersionCount] = {"2.0.0", "2.0.1",
                                                                               "2.1.0", "2.1.1"};

// The decimal value of a version part of the add-on's own version.
constexpr int32_t versionPartValue(const char* text) {
    int32_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) value = value * 10 + (*text - '0');
    return value;
}

// The add-on's own version as numbers: a shape of an unknown stencil version is read
// only when that version is newer.
inline constexpr int32_t addonVersionParts[3] = {versionPartValue(QAV_VERSION_MAJOR),
                                                 versionPartValue(QAV_VERSION_MINOR),
                                                 versionPartValue(QAV_VERSION_BUILD)};
