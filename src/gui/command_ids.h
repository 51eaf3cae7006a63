// The numbers of the commands: the menu items, the toolbar buttons and the
// accelerators carry them, and the view serves them by number.
#pragma once

#include "view/core/input_command_numbers.h"

namespace rerore {

// Commands (menu items, toolbar buttons, accelerators).
inline constexpr int kCmdNew = 57600;
inline constexpr int kCmdOpen = 57601;
inline constexpr int kCmdStore = 57603;
inline constexpr int kCmdStoreAs = 57604;
inline constexpr int kCmdPrint = 57607;
inline constexpr int kCmdPrintPreview = 57609;
inline constexpr int kCmdAbout = 57664;
inline constexpr int kCmdEnd = 57665;
inline constexpr int kCmdContextHelp = 57669;
inline constexpr int kCmdManual = 57670;
inline constexpr int kCmdFileD1 = 32891;
inline constexpr int kCmdDimensions = 32905;
inline constexpr int kCmdCopyToClipboard = 32900;
inline constexpr int kCmdFont = 32838;
inline constexpr int kCmdEcho = 32868;
inline constexpr int kCmdEchoAlias = 32820;
inline constexpr int kCmdDirectory = 32819;
inline constexpr int kCmdDialogInput = 32817;
inline constexpr int kCmdKeysHelp = 32772;
inline constexpr int kCmdGrid = 32906;
inline constexpr int kCmdAuxLines = 317;
inline constexpr int kCmdHinge = 318;
inline constexpr int kCmdRedraw = 32798;
inline constexpr int kCmdZoom = 32872;
inline constexpr int kCmdEndMarks = 32782;
inline constexpr int kCmdTidyText = 32787;
inline constexpr int kCmdPageBorder = 32880;
inline constexpr int kCmdAuxLinesToggle = 32784;
inline constexpr int kCmdSpareToggleA = 32823;
inline constexpr int kCmdSpareToggleB = 32847;
inline constexpr int kCmdSetAside = 32860;
inline constexpr int kCmdRefreshToggle = 32893;
inline constexpr int kCmdRefreshToggleAlias = 32890;
inline constexpr int kCmdUnlockInput = 32845;
inline constexpr int kCmdLockInput = 32846;
// Navigation and the live check.
inline constexpr int kCmdZoomIn = 32950;
inline constexpr int kCmdZoomOut = 32951;
inline constexpr int kCmdFitFrame = 32952;
inline constexpr int kCmdLiveCheck = 32953;
// The positions opened last, first the latest: kCmdRecentPosition + 0..7.
inline constexpr int kCmdRecentPosition = 32960;
// A frame from a DXF drawing, and the frame into one.
inline constexpr int kCmdImportDxf = 32970;
inline constexpr int kCmdExportDxf = 32971;
// Undo and redo of the edits of the model.
inline constexpr int kCmdEditUndo = 57643;
inline constexpr int kCmdEditRedo = 57644;
// Commands that carry accelerators but are served by nobody.
inline constexpr int kCmdEditCopy = 57634;
inline constexpr int kCmdEditCut = 57635;
inline constexpr int kCmdEditPaste = 57637;
inline constexpr int kCmdNextPane = 57680;
inline constexpr int kCmdPreviousPane = 57681;

}  // namespace rerore
