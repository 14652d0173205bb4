#include "mainwin/name_prompt.h"

#include "profiles/save_restore.h"

namespace orvx::mainwin {
namespace {

// The longest path the file functions of Windows take (MAX_PATH less the
// closing NUL).
constexpr size_t kMaxPathLength = 259;

}  // namespace

std::string_view ProfileNameProblemMessage(ProfileNameProblem problem) {
  switch (problem) {
    case ProfileNameProblem::None:
      return {};
    case ProfileNameProblem::Empty:
      return "MSDLG_21_c";
    case ProfileNameProblem::ForbiddenCharacter:
      return "MSDLG_21_d";
    case ProfileNameProblem::DeviceName:
      return "MSDLG_21_e";
    case ProfileNameProblem::TooLong:
      return "MSDLG_21_f";
    case ProfileNameProblem::QuotedAtEnd:
      return "MSDLG_21_g";
  }
  return {};
}

ProfileNameProblem FindProfileFileProblem(const std::string& data_folder, const std::string& profile_name) {
  const ProfileNameProblem problem = FindProfileNameProblem(profile_name);
  if (problem != ProfileNameProblem::None) return problem;
  if (ProfileFileName(data_folder, profile_name).size() > kMaxPathLength) return ProfileNameProblem::TooLong;
  return ProfileNameProblem::None;
}

void on_save_new_profile_clicked(const MainContext& context) {
  const std::string title = context.translator.message("MSDLG_21_a");
  const std::string prompt = context.translator.message("MSDLG_21_b");
  std::string initial;
  for (;;) {
    const std::optional<std::string> entered = context.prompts.ask_text(title, prompt, initial);
    if (!entered) return;
    const ProfileNameProblem problem = FindProfileFileProblem(context.folders.data, *entered);
    if (problem == ProfileNameProblem::None) {
      SaveProfile(context.profiles(), ProfileFileName(context.folders.data, *entered));
      return;
    }
    context.prompts.show_message(context.translator.message(ProfileNameProblemMessage(problem)));
    initial = *entered;
  }
}

}  // namespace orvx::mainwin
