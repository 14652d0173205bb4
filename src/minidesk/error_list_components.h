#pragma once
// The named components of the error list window (error_list_window_win.h): each control by what the code
// calls it, with the name language files give it (section `error_icon_list`),
// byte for byte. `translated`: the shipped English file translates it.
#include "lang/component_name.h"

namespace orvx::minidesk::error_list_components {

inline constexpr char kSection[] = "error_icon_list";

inline constexpr lang::ComponentName kCloseButton{"abort_button_", "abort_button", true};

inline constexpr lang::ComponentName kAll[] = {
    kCloseButton,
};

}  // namespace orvx::minidesk::error_list_components
