#pragma once
// The named components of the first-start language chooser (language_chooser_win.h): each control by what the code
// calls it, with the name language files give it (section `cl_form`),
// byte for byte. `translated`: the shipped English file translates it.
#include "lang/component_name.h"

namespace orvx::language_chooser::components {

inline constexpr char kSection[] = "cl_form";

inline constexpr lang::ComponentName kPromptLabel{"prompt_label_", "lbl1", false};
inline constexpr lang::ComponentName kLanguageList{"language_list_", "lang_list", false};
inline constexpr lang::ComponentName kOtherLanguageButton{"other_language_button_", "abort_button", false};
inline constexpr lang::ComponentName kSaveButton{"save_button_", "LbSpeedButton1", false};

inline constexpr lang::ComponentName kAll[] = {
    kPromptLabel,
    kLanguageList,
    kOtherLanguageButton,
    kSaveButton,
};

}  // namespace orvx::language_chooser::components
