#include "mainwin/name_prompt.h"

#include "profiles/save_restore.h"
#include "platform/message_ids.h"

namespace orvx::mainwin {
namespace {

// The longest path the file functions of Windows take (MAX_PATH less the
// closing NUL).
constexpr size_t kMaxPathLength = 259;

}  // namespace

std::optional<MessageId> ProfileNameProblemMessage(ProfileNameProblem problem) {
  switch (problem) {
    case ProfileNameProblem::None:
      return std::nullopt;
    case ProfileNameProblem::Empty:
      return message_ids::kProfileNameEmpty;
    case ProfileNameProblem::ForbiddenCharacter:
      return message_ids::kProfileNameBadCharacter;
    case ProfileNameProblem::DeviceName:
      return message_ids::kProfileNameReserved;
    case ProfileNameProblem::TooLong:
      return message_ids::kProfileNameTooLong;
    case ProfileNameProblem::QuotedAtEnd:
      return message_ids::kProfileNameQuoted;
  }
  return std::nullopt;
}

ProfileNameProblem FindProfileFileProblem(const std::string& data_folder, const std::string& profile_name) {
  const ProfileNameProblem problem = FindProfileNameProblem(profile_name);
  if (problem != ProfileNameProblem::None) return problem;
  if (ProfileFileName(data_folder, profile_name).size() > kMaxPathLength) return ProfileNameProblem::TooLong;
  return ProfileNameProblem::None;
}

void on_save_new_profile_clicked(const MainContext& context) {
  const std::string title = context.translator.message(message_ids::kProfileNameTitle);
  const std::string prompt = context.translator.message(message_ids::kProfileNamePrompt);
  std::string initial;
  for (;;) {
    const std::optional<std::string> entered = context.prompts.ask_text(title, prompt, initial);
    if (!entered) return;
    const ProfileNameProblem problem = FindProfileFileProblem(context.folders.data, *entered);
    if (problem == ProfileNameProblem::None) {
      SaveProfile(context.profiles(), ProfileFileName(context.folders.data, *entered));
      return;
    }
    context.prompts.show_message(context.translator.message(*ProfileNameProblemMessage(problem)));
    initial = *entered;
  }
}

}  // namespace orvx::mainwin
