#include "lang/messages.h"

#include <array>
#include <string>

#include "platform/ansi_text.h"

namespace orvx::lang {
namespace {

// The desktop arrangement warning in four paragraphs.
constexpr std::string_view kGermanArrangementWarning =
    "\"Orvane X\" hat Einstellungen gefunden die den einwandfreien Betrieb stören. \"Symbole "
    "automatisch anordnen\" und/oder \"Symbole am Raster ausrichten\" ist aktiviert. Sie müssen zu "
    "erst diese Optionen in Ihrem Desktop deaktivieren. "
    "\r"
    "Dazu gehen Sie wie folgt vor: Rechtsklick auf den Desktop dann \"Symbole anordnen nach\" "
    "wählen und dort die Haken bei den Optionen \"Automatisch anordnen\" und \"Am Raster "
    "ausrichten\" deaktivieren. "
    "\r\n\r"
    "Bitte führe Sie diese Änderungen jetzt aus um den einwandfreien Betrieb vom \"Orvane X\" "
    "sicherzustellen."
    "\r\n\r"
    "Klicken Sie auf OK wenn Sie die Einstellungen getätigt haben.";

// Counted by the compiler, so that a message added cannot be cut off.
constexpr auto kMessages = std::to_array<BuiltInMessage>({
    {"MSDLG_0", "Wählen Sie ein standard Profil"},
    {"MSDLG_1", "HotKey konnte nicht registriert werden (Eventuell nutzt ein anderes Programm diesen HotKey)"},
    {"MSDLG_2", "Für diese Sprache müssen Sie den \"Orvane X\" neustarten!"},
    // Save could not write config.qcf ("%s"): nothing was applied.
    {"MSDLG_2_a", "Die Einstellungen wurden nicht gespeichert: Die Datei %s kann nicht geschrieben werden (schreibgeschützt oder von einem anderen Programm geöffnet?). Es wurde nichts geändert."},
    {"MSDLG_4a", "Backup wurde erfolgreich angelegt!"},
    {"MSDLG_4b", "Backup wurde NICHT erfolgreich angelegt!"},
    {"MSDLG_4c", "Importierung wurde erfolgreich abgeschlossen!"},
    {"MSDLG_4d", "Importierung wurde NICHT erfolgreich abgeschlossen!"},
    {"MSDLG_6", "Information from the Internet is called up!\rNo data will transfer! Further?"},
    // A downloaded file that is not the language "%s" it was fetched as.
    {"MSDLG_6_a", "Der Server hat statt der Sprache \"%s\" etwas anderes geschickt. Es wurde nichts gespeichert."},
    {"MSDLG_7", "Update wurde erfolgreich ausgeführt!"},
    {"MSDLG_8", "Sollen weitere Infos zu dem Update aufgerufen werden?"},
    {"MSDLG_9", "\"Orvane X\" wurde deinstalliert!"},
    {"MSDLG_10", "Ein Fehler ist beim Deinstallieren von \"Orvane X\" aufgetreten!\rProgramm kann nicht entfernt werden."},
    // The uninstall and the update are refused when a path (put in for "%s")
    // cannot be written in the console's code page of their scripts.
    {"MSDLG_10_a", "\"Orvane X\" kann nicht deinstalliert werden: Der Pfad %s enthält ein Zeichen, das die Eingabeaufforderung von Windows nicht lesen kann. Es wurde nichts entfernt."},
    {"MSDLG_11", kGermanArrangementWarning},
    {"MSDLG_12", "Sind Sie sicher das Sie den \"Orvane X\" deinstallieren wollen?"},
    {"MSDLG_13", "Keine neue Orvane Version vorhanden!"},
    // The update information holds no plain version: nothing was checked.
    {"MSDLG_13_a", "Der Server hat keine gültige Update-Information geschickt (keine Versionsnummer). Es konnte nicht geprüft werden, ob es eine neue Version gibt."},
    {"MSDLG_14", "Ups! - konnte Daten nicht holen - bitte Internet Verbindung checken!"},
    // The download is no program for this system.
    {"MSDLG_14_a", "Der Server hat kein Programm für dieses System geschickt. Das Update wurde nicht installiert."},
    // A file of this machine ("%s") could not be written.
    {"MSDLG_14_b", "Die Datei %s konnte nicht geschrieben werden (schreibgeschützt oder von einem anderen Programm geöffnet?)."},
    {"MSDLG_15", "Download erfolgreich\rUpdate wird nun ausgeführt"},
    // The update is not installed when the program's folder takes no file.
    {"MSDLG_15_a", "Das Update kann nicht installiert werden: In den Ordner des Programms kann nicht geschrieben werden."},
    {"MSDLG_15_b", "Das Update kann nicht installiert werden: Der Pfad %s enthält ein Zeichen, das die Eingabeaufforderung von Windows nicht lesen kann."},
    {"MSDLG_16", "%s Icon(s) ausserhalb des Desktops"},
    {"MSDLG_19", "Es wurde für diese Auflösung noch kein Standard-Profil gespeichert, dies wird nun erledigt!"},
    {"MSDLG_20", "Das Standard-Profil für diese Auflösung konnte nicht gespeichert werden. Sie werden beim nächsten Mal erneut gefragt."},
    {"MSDLG_21_a", "Profilname"},
    {"MSDLG_21_b", "Geben Sie einen Profilnamen ein..."},
    {"MSDLG_21_c", "Bitte geben Sie einen Profilnamen ein."},
    {"MSDLG_21_d", "Ein Profilname darf keines der Zeichen \\ / : * ? \" < > | enthalten."},
    {"MSDLG_21_e", "Dieser Name ist unter Windows für ein Gerät reserviert (CON, PRN, AUX, NUL, COM1 bis COM9, LPT1 bis LPT9). Bitte wählen Sie einen anderen Namen."},
    {"MSDLG_21_f", "Der Profilname ist zu lang."},
    {"MSDLG_21_g", "Ein Profilname darf nicht mit einem Anführungszeichen (\" oder ') beginnen oder enden."},
    // A profile whose file ("%s") cannot be deleted.
    {"MSDLG_21_h", "Das Profil konnte nicht gelöscht werden: Die Datei %s ist schreibgeschützt oder von einem anderen Programm geöffnet."},
    // The restore menu's last item, while a restore can be taken back.
    {"MSDLG_22", "Letzte Anordnung rückgängig"},
    {"List_1", "Profilname"},
    {"List_2", "letzte Änderung"},
    {"List_3", "Icons"},
    {"List_4", "Auflösung"},
    {"List_5", "Monitore"},
    // The error report: the text for an error without one of its own, and
    // the report's button.
    {"MSDLG_ERR_1", "Ein unbekannter Fehler ist aufgetreten."},
    {"MSDLG_ERR_2", "OK"},
    // Errors the report shows with their detail (a window class, a path)
    // put in for "%s".
    {"MSDLG_ERR_3", "Fensterklasse %s konnte nicht registriert werden."},
    {"MSDLG_ERR_4", "Fenster %s konnte nicht erstellt werden."},
    {"MSDLG_ERR_5", "Ein verborgenes Fenster konnte nicht erstellt werden."},
    {"MSDLG_ERR_6", "Menü konnte nicht erstellt werden."},
    {"MSDLG_ERR_7", "Eingabefeld konnte nicht erstellt werden."},
    {"MSDLG_ERR_8", "Zahlenfeld konnte nicht erstellt werden."},
    {"MSDLG_ERR_9", "Die Liste der Icons konnte nicht erstellt werden."},
    {"MSDLG_ERR_10", "Die englische Sprachdatei konnte nicht geschrieben werden: %s"},
});

}  // namespace

std::span<const BuiltInMessage> built_in_messages() { return kMessages; }

std::string_view german_message(std::string_view id) {
  for (const auto& m : kMessages) {
    if (text::equal_ignoring_case(m.id, id)) return m.german;
  }
  return {};
}

}  // namespace orvx::lang
