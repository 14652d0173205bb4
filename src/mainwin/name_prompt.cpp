#include "mainwin/name_prompt.h"

#include "profiles/save_restore.h"
#include "platform/message_ids.h"

namespace orvx::mainwin {
namespace {

// The longest path the file functions of Windows take (MAX_PATH less the
// closing NUL).
constexpr size_t kMaxPathLength = 259;

}  // namespace

std::optional<MessageId> profile_name_problem_message(ProfileNameProblem problem) {
  switch (problem) {
    case ProfileNameProblem::kNone:
      return std::nullopt;
    case ProfileNameProblem::kEmpty:
      return message_ids::kProfileNameEmpty;
    case ProfileNameProblem::kForbiddenCharacter:
      return message_ids::kProfileNameBadCharacter;
    case ProfileNameProblem::kDeviceName:
      return message_ids::kProfileNameReserved;
    case ProfileNameProblem::kTooLong:
      return message_ids::kProfileNameTooLong;
    case ProfileNameProblem::kQuotedAtEnd:
      return message_ids::kProfileNameQuoted;
  }
  return std::nullopt;
}

ProfileNameProblem find_profile_file_problem(const std::string& data_folder, const std::string& profile_name) {
  const ProfileNameProblem problem = find_profile_name_problem(profile_name);
  if (problem != ProfileNameProblem::kNone) return problem;
  if (profile_file_name(data_folder, profile_name).size() > kMaxPathLength) return ProfileNameProblem::kTooLong;
  return ProfileNameProblem::kNone;
}

void on_save_new_profile_clicked(const MainContext& context) {
  const std::string title = context.translator.message(message_ids::kProfileNameTitle);
  const std::string prompt = context.translator.message(message_ids::kProfileNamePrompt);
  std::string initial;
  for (;;) {
    const std::optional<std::string> entered = context.prompts.ask_text(title, prompt, initial);
    if (!entered) return;
    const ProfileNameProblem problem = find_profile_file_problem(context.folders.data, *entered);
    if (problem == ProfileNameProblem::kNone) {
      save_profile(context.profiles(), profile_file_name(context.folders.data, *entered));
      return;
    }
    context.prompts.show_message(context.translator.message(*profile_name_problem_message(problem)));
    initial = *entered;
  }
}

}  // namespace orvx::mainwin
