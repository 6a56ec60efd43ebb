// The system's fixed texts: captions, messages and dialog titles that the
// editor, velmar-cli and the tools show, kept in one place so every front end
// says the same words. Wording that the user sees exactly as here.
#pragma once

#include "platform/Translate.h"

namespace texts {

// ---- Captions -------------------------------------------------------------------------
inline constexpr char kProgramName[] = "Velmar"; // every message box's caption
inline constexpr char kWindowCaption[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Velmar for VX-7 and VX-8 satellite receivers - 8FAV");
inline constexpr char kAboutCaption[] = VELMAR_TRANSLATE_NOOP("Velmar", "About Velmar");
inline constexpr char kAboutVersion[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Velmar Version 1.4.6.10 (build:20090929)");
inline constexpr char kAboutLine[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Channel database editor for digital-TV receivers");

// ---- Files ------------------------------------------------------------------------------
inline constexpr char kCannotOpenImage[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Cannot open or invalid version file");
inline constexpr char kCannotSaveImage[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Cannot save channel file");
inline constexpr char kHeaderQuestion[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Cannot read file header. Continue?");
// The file error when a chosen file cannot be opened at all; %s is the path.
inline constexpr char kCannotOpenFile[] = VELMAR_TRANSLATE_NOOP("Velmar", "Cannot open file %s.");
// Before open, drop, receive or close over tables with unsaved edits.
inline constexpr char kAskSaveChanges[] = VELMAR_TRANSLATE_NOOP(
    "Velmar", "The channel data has changed since it was opened or saved. Save the changes?");
inline constexpr char kWorkingCopyNotWritten[] = VELMAR_TRANSLATE_NOOP(
    "Velmar", "The image was opened, but its working copy in the temporary directory could not be "
              "written. The channel list is complete in memory and saves as usual.");

// Before Save and Send when the list check finds something; the findings
// follow as the informative text.
inline constexpr char kListCheckBeforeSave[] = VELMAR_TRANSLATE_NOOP(
    "Velmar", "The channel list has problems that the receiver may not handle. Save it anyway?");
inline constexpr char kListCheckBeforeSend[] = VELMAR_TRANSLATE_NOOP(
    "Velmar", "The channel list has problems that the receiver may not handle. Send it anyway?");
inline constexpr char kSaveAnyway[] = VELMAR_TRANSLATE_NOOP("Velmar", "Save anyway");
inline constexpr char kSendAnyway[] = VELMAR_TRANSLATE_NOOP("Velmar", "Send anyway");

inline constexpr char kOpenTitle[] = VELMAR_TRANSLATE_NOOP("Velmar", "Load Channel Data");
inline constexpr char kSaveTitle[] = VELMAR_TRANSLATE_NOOP("Velmar", "Save Channel Data");
inline constexpr char kSaveDefaultTitle[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Save Default Channel Data");
// The first entry's pattern is *.bin although its text says *.h: as the
// receiver's tools have always shown it.
inline constexpr char kSaveDefaultFilter[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Local file (*.h)|*.bin|All Files(*.*)|*.*||");
inline constexpr char kSaveDefaultInitialName[] = "*.h";
inline constexpr char kSaveDefaultExtension[] = "BIN";
// After the configuration dialog's OK.
inline constexpr char kRestartNow[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "You have to restart this program now.");
inline constexpr char kOpenFilter[] = VELMAR_TRANSLATE_NOOP(
    "Velmar", "Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||");
inline constexpr char kSaveFilter[] = VELMAR_TRANSLATE_NOOP(
    "Velmar", "Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||");
inline constexpr char kSaveInitialName[] = "*.bin";

// ---- Editing ----------------------------------------------------------------------------
inline constexpr char kAskDelete[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Would you like to delete selected item?");
inline constexpr char kFavoriteNameSize[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Cannot change Favorite name. mismatch string size");
inline constexpr char kCannotCopyRadioToTV[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Cannot copy from Radio channels to TV channels");
inline constexpr char kCannotCopyTVToRadio[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Cannot copy from TV channels to Radio channels");
inline constexpr char kCannotMoveRadioToTV[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Cannot Move from Radio channels to TV channels");
inline constexpr char kCannotMoveTVToRadio[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Cannot move from TV channels to Radio channels");
// %s the broadcaster's name, %d its ID.
inline constexpr char kBroadcastDescription[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Broadcast Name : %s (ID : %d)");

// ---- Receiver link ----------------------------------------------------------------------
inline constexpr char kUploadEmpty[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Upload data is empty or invalid");

// ---- Start-up ---------------------------------------------------------------------------
inline constexpr char kSocketsFailed[] = "Windows sockets initialization failed.";
inline constexpr char kOleFailed[] =
    "OLE initialization failed.  Make sure that the OLE libraries are the correct version.";

// ---- Lists in and out (the editor's compare, CSV and transponder buttons) ---------------
inline constexpr char kCompareTitle[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Compare with another list");
inline constexpr char kCompareCaption[] = VELMAR_TRANSLATE_NOOP("Velmar", "Comparison");
// %1 the other file's name, %2 how many differences.
inline constexpr char kCompareSummary[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Differences between this list and %1: %2");
inline constexpr char kListsAreSame[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "The two lists are the same.");
inline constexpr char kAddToThisList[] = VELMAR_TRANSLATE_NOOP("Velmar", "Add to this list");
inline constexpr char kSourcesNotCompared[] = VELMAR_TRANSLATE_NOOP(
    "Velmar", "The other list has no satellites: the channels' tuning was compared by their ids.");
// The group headings of the comparison; the count follows in brackets.
inline constexpr char kChannelsOnlyHere[] = VELMAR_TRANSLATE_NOOP("Velmar", "Only in this list");
inline constexpr char kChannelsOnlyThere[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Only in the other list");
inline constexpr char kNumberChanged[] = VELMAR_TRANSLATE_NOOP("Velmar", "Number changed");
inline constexpr char kNameChanged[] = VELMAR_TRANSLATE_NOOP("Velmar", "Name changed");
inline constexpr char kTuningChanged[] = VELMAR_TRANSLATE_NOOP("Velmar", "Tuning changed");
inline constexpr char kFlagsChanged[] = VELMAR_TRANSLATE_NOOP("Velmar", "Flags changed");
inline constexpr char kFavoritesChanged[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Favourite lists changed");
inline constexpr char kSatellitesOnlyHere[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Satellites only in this list");
inline constexpr char kSatellitesOnlyThere[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Satellites only in the other list");
inline constexpr char kSatelliteRenamed[] = VELMAR_TRANSLATE_NOOP("Velmar", "Satellite renamed");
inline constexpr char kTranspondersOnlyHere[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Transponders only in this list");
inline constexpr char kTranspondersOnlyThere[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Transponders only in the other list");
inline constexpr char kTransponderChanged[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Transponder changed");
inline constexpr char kMultiplexesOnlyHere[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Multiplexes only in this list");
inline constexpr char kMultiplexesOnlyThere[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Multiplexes only in the other list");
inline constexpr char kMultiplexChanged[] = VELMAR_TRANSLATE_NOOP("Velmar", "Multiplex changed");

inline constexpr char kImportCsvTitle[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Import Channels from CSV");
inline constexpr char kExportCsvTitle[] = VELMAR_TRANSLATE_NOOP("Velmar", "Export Channels as CSV");
inline constexpr char kCsvFilter[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "CSV file (*.csv)|*.csv|All Files(*.*)|*.*||");
inline constexpr char kCsvInitialName[] = "*.csv";
inline constexpr char kCsvExtension[] = "csv";

inline constexpr char kImportSatellitesTitle[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Import Transponders");
inline constexpr char kSatellitesFilter[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Satellite list (*.xml)|*.xml|All Files(*.*)|*.*||");
inline constexpr char kSatelliteChoiceCaption[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Import transponders");
inline constexpr char kSatelliteChoiceLine[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Bring these satellites up to date:");
// %1 the position, %2 the name, %3 the transponder count below.
inline constexpr char kSatelliteChoiceInList[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "%1  %2  (%3, in this list)");
inline constexpr char kSatelliteChoiceNew[] = VELMAR_TRANSLATE_NOOP("Velmar", "%1  %2  (%3, new)");
// %1 the count: "1 transponder", "24 transponders".
inline constexpr char kOneTransponder[] = VELMAR_TRANSLATE_NOOP("Velmar", "%1 transponder");
inline constexpr char kTransponderCount[] = VELMAR_TRANSLATE_N_NOOP("Velmar", "%1 transponders");
inline constexpr char kPruneTransponders[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "Delete transponders the file does not have");
inline constexpr char kPruneTranspondersNote[] = VELMAR_TRANSLATE_NOOP(
    "Velmar", "Their channels are deleted with them, as the transponder grid's Delete does.");
inline constexpr char kNoSatellitesInFile[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "The file lists no satellites. Nothing was changed.");
inline constexpr char kNothingChanged[] = VELMAR_TRANSLATE_NOOP("Velmar", "Nothing was changed.");
// A list command that ran out of memory or failed inside; %s what failed.
inline constexpr char kListCommandNoMemory[] = VELMAR_TRANSLATE_NOOP(
    "Velmar", "There is not enough memory to finish the command. Nothing was changed.");
inline constexpr char kListCommandFailed[] =
    VELMAR_TRANSLATE_NOOP("Velmar", "The command failed: %s");

} // namespace texts
