#include "profiles/restore_undo.h"

#include <string>
#include <unordered_set>
#include <utility>

#include "platform/ansi_text.h"

namespace orvx {
namespace {

// A restore finds an icon by the first item of its caption, letters compared
// without regard to case. A later item of the same caption can never be
// moved back on its own, and its entry would carry the first item off to
// the later one's place; so only the first entry of each caption is kept.
DesktopIcons first_of_each_caption(DesktopIcons read) {
  std::unordered_set<std::string> seen;
  DesktopIcons kept;
  kept.reserve(read.size());
  for (DesktopIcon& icon : read) {
    std::string folded = icon.caption;
    for (char& c : folded) c = text::fold_case(c);
    if (seen.insert(std::move(folded)).second) kept.push_back(std::move(icon));
  }
  return kept;
}

}  // namespace

void RestoreUndo::keep(std::optional<DesktopIcons> read) {
  if (!read || read->empty()) return;
  arrangement_ = first_of_each_caption(std::move(*read));
}

std::optional<DesktopIcons> RestoreUndo::take() { return std::exchange(arrangement_, std::nullopt); }

}  // namespace orvx
