#pragma once
// The named components of the about box (about_box_win.h): each control by what the code
// calls it, with the name language files give it (section `about`),
// byte for byte. `translated`: the shipped English file translates it.
#include "lang/component_name.h"

namespace orvx::mainwin::about_components {

inline constexpr char kSection[] = "about";

inline constexpr lang::ComponentName kCaptionBar{"caption_bar_", "caption_form", false};
inline constexpr lang::ComponentName kInfoPage{"info_page_", "info_page", false};
inline constexpr lang::ComponentName kTitleLabel{"title_label_", "title_label", false};
inline constexpr lang::ComponentName kMakerLabel{"maker_label_", "maker_label", false};
inline constexpr lang::ComponentName kDonationLabel{"donation_label_", "donation_label", false};
inline constexpr lang::ComponentName kHomePageLink{"home_page_link_", "link_1", true};
inline constexpr lang::ComponentName kContactLink{"contact_link_", "link_2", true};
inline constexpr lang::ComponentName kDonationLink{"donation_link_", "link_3", true};
inline constexpr lang::ComponentName kBlogLink{"blog_link_", "link_4", true};
inline constexpr lang::ComponentName kCloseButton{"close_button_", "close_button", true};

inline constexpr lang::ComponentName kAll[] = {
    kCaptionBar,   kInfoPage,    kTitleLabel,   kMakerLabel, kDonationLabel,
    kHomePageLink, kContactLink, kDonationLink, kBlogLink,   kCloseButton,
};

}  // namespace orvx::mainwin::about_components
