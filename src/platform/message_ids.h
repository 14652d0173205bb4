#pragma once
// The ids of the program's messages. A language file's `misc` section
// translates a message under its id ("MSDLG_1=..."), so the ids are fixed
// byte for byte; the code names them only through the constants below. A
// MessageId is no string: a mistyped name or a bare literal where an id is
// expected does not compile.
#include <ostream>
#include <string_view>

namespace orvx {

class MessageId {
 public:
  // Spelled out only here, and in tests that need an id no message has.
  constexpr explicit MessageId(const char* id) : id_(id) {}

  // The id as language files write it.
  constexpr std::string_view text() const { return id_; }

  friend constexpr bool operator==(MessageId a, MessageId b) { return a.text() == b.text(); }
  friend std::ostream& operator<<(std::ostream& out, MessageId id) { return out << id.text(); }

 private:
  const char* id_;
};

namespace message_ids {

// Profiles: saving, restoring, naming, deleting.
inline constexpr MessageId kChooseStandardProfileFirst{"MSDLG_0"};
inline constexpr MessageId kStandardProfileCreated{"MSDLG_19"};
inline constexpr MessageId kStandardProfileNotSaved{"MSDLG_20"};
inline constexpr MessageId kProfileNameTitle{"MSDLG_21_a"};
inline constexpr MessageId kProfileNamePrompt{"MSDLG_21_b"};
inline constexpr MessageId kProfileNameEmpty{"MSDLG_21_c"};
inline constexpr MessageId kProfileNameBadCharacter{"MSDLG_21_d"};
inline constexpr MessageId kProfileNameReserved{"MSDLG_21_e"};
inline constexpr MessageId kProfileNameTooLong{"MSDLG_21_f"};
inline constexpr MessageId kProfileNameQuoted{"MSDLG_21_g"};
inline constexpr MessageId kProfileNotDeleted{"MSDLG_21_h"};
inline constexpr MessageId kUndoLastRestore{"MSDLG_22"};
inline constexpr MessageId kArrangementBlocksRestore{"MSDLG_11"};
inline constexpr MessageId kIconsOutside{"MSDLG_16"};

// The hotkey and the settings.
inline constexpr MessageId kHotkeyNotRegistered{"MSDLG_1"};
inline constexpr MessageId kRestartForLanguage{"MSDLG_2"};
inline constexpr MessageId kSettingsNotSaved{"MSDLG_2_a"};

// Export and import.
inline constexpr MessageId kBackupCreated{"MSDLG_4a"};
inline constexpr MessageId kBackupFailed{"MSDLG_4b"};
inline constexpr MessageId kImportSucceeded{"MSDLG_4c"};
inline constexpr MessageId kImportFailed{"MSDLG_4d"};

// Downloads, the update and the uninstall.
inline constexpr MessageId kAskInternetAccess{"MSDLG_6"};
inline constexpr MessageId kNotTheLanguage{"MSDLG_6_a"};
inline constexpr MessageId kUpdateSucceeded{"MSDLG_7"};
inline constexpr MessageId kAskUpdateInformation{"MSDLG_8"};
inline constexpr MessageId kUninstalled{"MSDLG_9"};
inline constexpr MessageId kUninstallFailed{"MSDLG_10"};
inline constexpr MessageId kUninstallPathUnreadable{"MSDLG_10_a"};
inline constexpr MessageId kAskUninstall{"MSDLG_12"};
inline constexpr MessageId kNoNewerVersion{"MSDLG_13"};
inline constexpr MessageId kNoUpdateInformation{"MSDLG_13_a"};
inline constexpr MessageId kConnectionFailed{"MSDLG_14"};
inline constexpr MessageId kNotAProgram{"MSDLG_14_a"};
inline constexpr MessageId kFileNotWritten{"MSDLG_14_b"};
inline constexpr MessageId kDownloadedUpdating{"MSDLG_15"};
inline constexpr MessageId kFolderNotWritable{"MSDLG_15_a"};
inline constexpr MessageId kUpdatePathUnreadable{"MSDLG_15_b"};

// The column titles of the profile list.
inline constexpr MessageId kColumnProfileName{"List_1"};
inline constexpr MessageId kColumnLastChange{"List_2"};
inline constexpr MessageId kColumnIcons{"List_3"};
inline constexpr MessageId kColumnResolution{"List_4"};
inline constexpr MessageId kColumnMonitors{"List_5"};

// The error report.
inline constexpr MessageId kUnknownError{"MSDLG_ERR_1"};
inline constexpr MessageId kErrorReportOk{"MSDLG_ERR_2"};
inline constexpr MessageId kWindowClassNotRegistered{"MSDLG_ERR_3"};
inline constexpr MessageId kWindowNotCreated{"MSDLG_ERR_4"};
inline constexpr MessageId kHiddenWindowNotCreated{"MSDLG_ERR_5"};
inline constexpr MessageId kMenuNotCreated{"MSDLG_ERR_6"};
inline constexpr MessageId kInputFieldNotCreated{"MSDLG_ERR_7"};
inline constexpr MessageId kNumberFieldNotCreated{"MSDLG_ERR_8"};
inline constexpr MessageId kIconListNotCreated{"MSDLG_ERR_9"};
inline constexpr MessageId kEnglishFileNotWritten{"MSDLG_ERR_10"};

}  // namespace message_ids
}  // namespace orvx
