#include "app/end_program.h"

namespace orvx::app {

void require_data_folders(const DataFolders& folders, Prompts& prompts) {
  if (!ensure_data_folders(folders, prompts)) throw EndProgramNow{};
}

}  // namespace orvx::app
