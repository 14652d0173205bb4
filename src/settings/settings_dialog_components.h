#pragma once
// The named components of the settings dialog (settings_dialog_win.h): each control by what the code
// calls it, with the name language files give it (section `settings_form`),
// byte for byte. `translated`: the shipped English file translates it.
#include "lang/component_name.h"

namespace orvx::settings::components {

inline constexpr char kSection[] = "settings_form";

inline constexpr lang::ComponentName kCaptionBar{"caption_bar_", "caption_form", false};
inline constexpr lang::ComponentName kSections{"sections_", "tab_container", false};
inline constexpr lang::ComponentName kSettingsSection{"the Settings section", "tab_1", true};
inline constexpr lang::ComponentName kProfilesSection{"the Profiles section", "tab_2", true};
inline constexpr lang::ComponentName kBackupSection{"the Export / Import section", "tab_3", true};
inline constexpr lang::ComponentName kLanguageSection{"the Language section", "tab_4", true};
inline constexpr lang::ComponentName kUpdateSection{"the Update / Uninstall section", "tab_5", true};
inline constexpr lang::ComponentName kStartWithWindows{"start_with_windows_", "orv_on_start", true};
inline constexpr lang::ComponentName kAutoSaveCheck{"auto_save_check_", "auto_check_icons", true};
inline constexpr lang::ComponentName kAutoSaveMinutes{"auto_save_minutes_", "auto_check_icons_value", false};
inline constexpr lang::ComponentName kRestoreAfterResolutionChange{"restore_after_resolution_change_", "sort_after_res",
                                                                   true};
inline constexpr lang::ComponentName kStandardProfileLabel{"standard_profile_label_", "set_lab_5", true};
inline constexpr lang::ComponentName kStandardProfileChoice{"standard_profile_choice_", "std_profil", true};
inline constexpr lang::ComponentName kMinideskCheck{"minidesk_check_", "live_desktop", true};
inline constexpr lang::ComponentName kHotkeyCheck{"hotkey_check_", "active_hotkey", true};
inline constexpr lang::ComponentName kHotkeyField{"hotkey_field_", "HotKey_value", false};
inline constexpr lang::ComponentName kProfileInfoHeading{"profile_info_heading_", "lbl_lab_11", true};
inline constexpr lang::ComponentName kDataFolderSizeLabel{"data_folder_size_label_", "set_lab_12", false};
inline constexpr lang::ComponentName kDataFolderLabel{"data_folder_label_", "set_lab_10", false};
inline constexpr lang::ComponentName kSavedProfilesLabel{"saved_profiles_label_", "set_lab_8", true};
inline constexpr lang::ComponentName kProfileList{"profile_list_", "profil_list", false};
inline constexpr lang::ComponentName kDeleteProfileButton{"delete_profile_button_", "del_button", true};
inline constexpr lang::ComponentName kBackupHeading{"backup_heading_", "set_lab_1", true};
inline constexpr lang::ComponentName kBackupExplanation{"backup_explanation_", "set_lab_2", true};
inline constexpr lang::ComponentName kExportButton{"export_button_", "export_button", true};
inline constexpr lang::ComponentName kImportButton{"import_button_", "import_button", true};
inline constexpr lang::ComponentName kBackupStatusFrame{"backup_status_frame_", "status_frame_1", false};
inline constexpr lang::ComponentName kBackupStatusLabel{"backup_status_label_", "set_lab_13", false};
inline constexpr lang::ComponentName kBackupProgress{"backup_progress_", "pbProgress_1", false};
inline constexpr lang::ComponentName kCurrentLanguagesLabel{"current_languages_label_", "set_lab_7", false};
inline constexpr lang::ComponentName kLanguageList{"language_list_", "lang_list", false};
inline constexpr lang::ComponentName kDownloadLanguagesBox{"download_languages_box_", "box_1", false};
inline constexpr lang::ComponentName kFindLanguageButton{"find_language_button_", "find_language_button", false};
inline constexpr lang::ComponentName kSelectLanguageLabel{"select_language_label_", "set_lab_6", false};
inline constexpr lang::ComponentName kDownloadableLanguages{"downloadable_languages_", "new_lang_files", false};
inline constexpr lang::ComponentName kLanguageDownloadProgress{"language_download_progress_", "pbProgress", false};
inline constexpr lang::ComponentName kUpdateHeading{"update_heading_", "set_lab_14", true};
inline constexpr lang::ComponentName kUpdateExplanation{"update_explanation_", "set_lab_15", true};
inline constexpr lang::ComponentName kUpdateButton{"update_button_", "update_button", true};
inline constexpr lang::ComponentName kUpdateProgress{"update_progress_", "dl_status", false};
inline constexpr lang::ComponentName kStatusLabel{"status_label_", "status_label", false};
inline constexpr lang::ComponentName kUninstallHeading{"uninstall_heading_", "set_lab_3", true};
inline constexpr lang::ComponentName kUninstallExplanation{"uninstall_explanation_", "set_lab_4", true};
inline constexpr lang::ComponentName kUninstallButton{"uninstall_button_", "deinstall_button", true};
inline constexpr lang::ComponentName kButtonFrame{"button_frame_", "button_frame", false};
inline constexpr lang::ComponentName kCancelButton{"abort_button_", "abort_button", true};
inline constexpr lang::ComponentName kSaveButton{"save_button_", "close_button_1", true};

inline constexpr lang::ComponentName kAll[] = {
    kCaptionBar,
    kSections,
    kSettingsSection,
    kProfilesSection,
    kBackupSection,
    kLanguageSection,
    kUpdateSection,
    kStartWithWindows,
    kAutoSaveCheck,
    kAutoSaveMinutes,
    kRestoreAfterResolutionChange,
    kStandardProfileLabel,
    kStandardProfileChoice,
    kMinideskCheck,
    kHotkeyCheck,
    kHotkeyField,
    kProfileInfoHeading,
    kDataFolderSizeLabel,
    kDataFolderLabel,
    kSavedProfilesLabel,
    kProfileList,
    kDeleteProfileButton,
    kBackupHeading,
    kBackupExplanation,
    kExportButton,
    kImportButton,
    kBackupStatusFrame,
    kBackupStatusLabel,
    kBackupProgress,
    kCurrentLanguagesLabel,
    kLanguageList,
    kDownloadLanguagesBox,
    kFindLanguageButton,
    kSelectLanguageLabel,
    kDownloadableLanguages,
    kLanguageDownloadProgress,
    kUpdateHeading,
    kUpdateExplanation,
    kUpdateButton,
    kUpdateProgress,
    kStatusLabel,
    kUninstallHeading,
    kUninstallExplanation,
    kUninstallButton,
    kButtonFrame,
    kCancelButton,
    kSaveButton,
};

}  // namespace orvx::settings::components
