// The system's fixed texts: captions, messages and dialog titles that the
// editor, velmar-cli and the tools show, kept in one place so every front end
// says the same words. Wording that the user sees exactly as here.
#pragma once

namespace texts {

// ---- Captions -------------------------------------------------------------------------
inline constexpr char kProgramName[] = "Velmar"; // every message box's caption
inline constexpr char kWindowCaption[] = "Velmar for VX-7 and VX-8 satellite receivers - 8FAV";
inline constexpr char kAboutCaption[] = "About Velmar";
inline constexpr char kAboutVersion[] = "Velmar Version 1.4.6.10 (build:20090929)";
inline constexpr char kAboutLine[] = "Channel database editor for digital-TV receivers";

// ---- Files ------------------------------------------------------------------------------
inline constexpr char kCannotOpenImage[] = "Cannot open or invalid version file";
inline constexpr char kCannotSaveImage[] = "Cannot save channel file";
inline constexpr char kHeaderQuestion[] = "Cannot read file header. Continue?";
// The file error when a chosen file cannot be opened at all; %s is the path.
inline constexpr char kCannotOpenFile[] = "Cannot open file %s.";
// Before open, drop, receive or close over tables with unsaved edits.
inline constexpr char kAskSaveChanges[] =
    "The channel data has changed since it was opened or saved. Save the changes?";
inline constexpr char kWorkingCopyNotWritten[] =
    "The image was opened, but its working copy in the temporary directory could not be "
    "written. The channel list is complete in memory and saves as usual.";

// Before Save and Send when the list check finds something; the findings
// follow as the informative text.
inline constexpr char kListCheckBeforeSave[] =
    "The channel list has problems that the receiver may not handle. Save it anyway?";
inline constexpr char kListCheckBeforeSend[] =
    "The channel list has problems that the receiver may not handle. Send it anyway?";
inline constexpr char kSaveAnyway[] = "Save anyway";
inline constexpr char kSendAnyway[] = "Send anyway";

inline constexpr char kOpenTitle[] = "Load Channel Data";
inline constexpr char kSaveTitle[] = "Save Channel Data";
inline constexpr char kSaveDefaultTitle[] = "Save Default Channel Data";
// The first entry's pattern is *.bin although its text says *.h: as the
// receiver's tools have always shown it.
inline constexpr char kSaveDefaultFilter[] = "Local file (*.h)|*.bin|All Files(*.*)|*.*||";
inline constexpr char kSaveDefaultInitialName[] = "*.h";
inline constexpr char kSaveDefaultExtension[] = "BIN";
// After the configuration dialog's OK.
inline constexpr char kRestartNow[] = "You have to restart this program now.";
inline constexpr char kOpenFilter[] =
    "Binary file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||";
inline constexpr char kSaveFilter[] =
    "Local file (*.bin)|*.bin|Excel file (*.xls)|*.xls|All Files(*.*)|*.*||";
inline constexpr char kSaveInitialName[] = "*.bin";

// ---- Editing ----------------------------------------------------------------------------
inline constexpr char kAskDelete[] = "Would you like to delete selected item?";
inline constexpr char kFavoriteNameSize[] = "Cannot change Favorite name. mismatch string size";
inline constexpr char kCannotCopyRadioToTV[] = "Cannot copy from Radio channels to TV channels";
inline constexpr char kCannotCopyTVToRadio[] = "Cannot copy from TV channels to Radio channels";
inline constexpr char kCannotMoveRadioToTV[] = "Cannot Move from Radio channels to TV channels";
inline constexpr char kCannotMoveTVToRadio[] = "Cannot move from TV channels to Radio channels";
// %s the broadcaster's name, %d its ID.
inline constexpr char kBroadcastDescription[] = "Broadcast Name : %s (ID : %d)";

// ---- Receiver link ----------------------------------------------------------------------
inline constexpr char kUploadEmpty[] = "Upload data is empty or invalid";

// ---- Start-up ---------------------------------------------------------------------------
inline constexpr char kSocketsFailed[] = "Windows sockets initialization failed.";
inline constexpr char kOleFailed[] =
    "OLE initialization failed.  Make sure that the OLE libraries are the correct version.";

} // namespace texts
