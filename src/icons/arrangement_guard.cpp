#include "icons/arrangement_guard.h"

namespace orvx::icons {

std::string ArrangementWarningText() {
  return "\"Orvane X\" hat Einstellungen gefunden die den einwandfreien Betrieb stören. "
         "\"Symbole automatisch anordnen\" und/oder \"Symbole am Raster ausrichten\" ist "
         "aktiviert. Sie müssen zu erst diese Optionen in Ihrem Desktop deaktivieren. \r"
         "Dazu gehen Sie wie folgt vor: Rechtsklick auf den Desktop dann \"Symbole anordnen "
         "nach\" wählen und dort die Haken bei den Optionen \"Automatisch anordnen\" und \"Am "
         "Raster ausrichten\" deaktivieren. \r\n\r"
         "Bitte führe Sie diese Änderungen jetzt aus um den einwandfreien Betrieb vom "
         "\"Orvane X\" sicherzustellen.\r\n\r"
         "Klicken Sie auf OK wenn Sie die Einstellungen getätigt haben.";
}

bool CheckDesktopArrangement(DesktopAccess& desktop, Prompts& prompts, const std::string& warning) {
  const ArrangementModes modes = desktop.arrangement_modes();
  if (!modes.auto_arrange && !modes.snap_to_grid) return true;
  prompts.show_message(warning);
  return false;
}

void SnapDesktopIconsToGrid(DesktopAccess& desktop) { desktop.snap_to_grid(); }

}  // namespace orvx::icons
