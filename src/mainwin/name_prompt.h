#pragma once
// `on_save_new_profile_clicked`: saves the desktop into a profile whose name the user
// types. A name that cannot become a profile file is refused with a message
// that says why, and the user is asked again with the refused text, to
// correct it; nothing is written until a usable name is confirmed. Cancel
// ends the prompt. An existing profile of the name is replaced without a
// question.
#include <optional>
#include <string>
#include <string_view>

#include "mainwin/main_context.h"
#include "platform/message_ids.h"
#include "profiles/profile_store.h"

namespace orvx::mainwin {

// The message that explains a refusal; none for ProfileNameProblem::None.
std::optional<MessageId> profile_name_problem_message(ProfileNameProblem problem);

// Why `profile_name` cannot be saved as a profile in `data_folder`: its own
// problem, or TooLong when the file's full path is longer than Windows takes.
ProfileNameProblem find_profile_file_problem(const std::string& data_folder, const std::string& profile_name);

void on_save_new_profile_clicked(const MainContext& context);

}  // namespace orvx::mainwin
