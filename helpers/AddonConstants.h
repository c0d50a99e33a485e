// The constants every part of the add-on shares: its name and version, the titles built
// from them, the drawing-type names of the notation and the marker events the tools send
// each other.
#pragma once

// Literals, so that the titles below are joined at compile time: the constants are then
// complete before any static object (the add-on object takes its name from them) is built.
#define QAV_ADDON_NAME "QAVSupportTools"
#define QAV_VERSION_MAJOR "2"
#define QAV_VERSION_MINOR "1"
#define QAV_VERSION_BUILD "1"
#define QAV_ADDON_VERSION QAV_VERSION_MAJOR "." QAV_VERSION_MINOR "." QAV_VERSION_BUILD
#define QAV_LIBRARY_EXTENSION ".vsl"

inline constexpr char addonName[] = QAV_ADDON_NAME;
inline constexpr char addonVersion[] = QAV_ADDON_VERSION;
inline constexpr char libraryExtension[] = QAV_LIBRARY_EXTENSION;
// The command bar's name and the caption of the add-on's message boxes.
inline constexpr char productTitle[] = "QAV Tools " QAV_ADDON_VERSION;
// The caption of the preference sheet.
inline constexpr char settingsTitle[] = "QAV Tools " QAV_ADDON_VERSION " Settings";
// A button face is this prefix followed by the icon number: an icon of this library.
inline constexpr char buttonFacePrefix[] = QAV_ADDON_NAME QAV_LIBRARY_EXTENSION ",";
// The caption of the boxes that the add-on object itself shows.
inline constexpr char addonCaption[] = "QAV Support Tool Addon";

// The drawing types a shape of the notation names in "User.QAV_DrawingType.Prompt".
inline constexpr char drawingTypeBlockDiagram[] = "QAV-Block_diagram";
inline constexpr char drawingTypePetriNet[] = "QAV-Petri_net";
inline constexpr char drawingTypeERDiagram[] = "QAV-ER_diagram";
// Fits every kind of diagram.
inline constexpr char drawingTypeGeneric[] = "QAV-QAV_diagram";

// Marker events: sender, "2", receiver, "-", and what happened to the sender.
inline constexpr char markerCheckingEntered[] = "CC2PNS-CC_Entered_CheckingState";
inline constexpr char markerCheckingLeft[] = "CC2PNS-CC_Leaved_CheckingState";
inline constexpr char markerSimulationEntered[] = "PNS2CC-PNS_Entered_SimulationState";
inline constexpr char markerSimulationLeft[] = "PNS2CC-PNS_Leaved_SimulationState";
inline constexpr char markerRecheckFinished[] = "ALA2CC-ALA_Finished_Recheck";
