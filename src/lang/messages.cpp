#include "lang/messages.h"

#include <array>
#include <string>

#include "platform/ansi_text.h"
#include "platform/message_ids.h"

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
    {message_ids::kChooseStandardProfileFirst, "Wählen Sie ein standard Profil"},
    {message_ids::kHotkeyNotRegistered,
     "HotKey konnte nicht registriert werden (Eventuell nutzt ein anderes Programm diesen HotKey)"},
    {message_ids::kRestartForLanguage, "Für diese Sprache müssen Sie den \"Orvane X\" neustarten!"},
    // Save could not write config.qcf ("%s"): nothing was applied.
    {message_ids::kSettingsNotSaved,
     "Die Einstellungen wurden nicht gespeichert: Die Datei %s kann nicht geschrieben werden (schreibgeschützt oder "
     "von einem anderen Programm geöffnet?). Es wurde nichts geändert."},
    {message_ids::kBackupCreated, "Backup wurde erfolgreich angelegt!"},
    {message_ids::kBackupFailed, "Backup wurde NICHT erfolgreich angelegt!"},
    {message_ids::kImportSucceeded, "Importierung wurde erfolgreich abgeschlossen!"},
    {message_ids::kImportFailed, "Importierung wurde NICHT erfolgreich abgeschlossen!"},
    {message_ids::kAskInternetAccess, "Information from the Internet is called up!\rNo data will transfer! Further?"},
    // A downloaded file that is not the language "%s" it was fetched as.
    {message_ids::kNotTheLanguage,
     "Der Server hat statt der Sprache \"%s\" etwas anderes geschickt. Es wurde nichts gespeichert."},
    {message_ids::kUpdateSucceeded, "Update wurde erfolgreich ausgeführt!"},
    {message_ids::kAskUpdateInformation, "Sollen weitere Infos zu dem Update aufgerufen werden?"},
    {message_ids::kUninstalled, "\"Orvane X\" wurde deinstalliert!"},
    {message_ids::kUninstallFailed,
     "Ein Fehler ist beim Deinstallieren von \"Orvane X\" aufgetreten!\rProgramm kann nicht entfernt werden."},
    // The uninstall and the update are refused when a path (put in for "%s")
    // cannot be written in the console's code page of their scripts.
    {message_ids::kUninstallPathUnreadable,
     "\"Orvane X\" kann nicht deinstalliert werden: Der Pfad %s enthält ein Zeichen, das die Eingabeaufforderung von "
     "Windows nicht lesen kann. Es wurde nichts entfernt."},
    {message_ids::kArrangementBlocksRestore, kGermanArrangementWarning},
    {message_ids::kAskUninstall, "Sind Sie sicher das Sie den \"Orvane X\" deinstallieren wollen?"},
    {message_ids::kNoNewerVersion, "Keine neue Orvane Version vorhanden!"},
    // The update information holds no plain version: nothing was checked.
    {message_ids::kNoUpdateInformation,
     "Der Server hat keine gültige Update-Information geschickt (keine Versionsnummer). Es konnte nicht geprüft "
     "werden, ob es eine neue Version gibt."},
    {message_ids::kConnectionFailed, "Ups! - konnte Daten nicht holen - bitte Internet Verbindung checken!"},
    // The download is no program for this system.
    {message_ids::kNotAProgram,
     "Der Server hat kein Programm für dieses System geschickt. Das Update wurde nicht installiert."},
    // A file of this machine ("%s") could not be written.
    {message_ids::kFileNotWritten,
     "Die Datei %s konnte nicht geschrieben werden (schreibgeschützt oder von einem anderen Programm geöffnet?)."},
    {message_ids::kDownloadedUpdating, "Download erfolgreich\rUpdate wird nun ausgeführt"},
    // The update is not installed when the program's folder takes no file.
    {message_ids::kFolderNotWritable,
     "Das Update kann nicht installiert werden: In den Ordner des Programms kann nicht geschrieben werden."},
    {message_ids::kUpdatePathUnreadable,
     "Das Update kann nicht installiert werden: Der Pfad %s enthält ein Zeichen, das die Eingabeaufforderung von "
     "Windows nicht lesen kann."},
    {message_ids::kIconsOutside, "%s Icon(s) ausserhalb des Desktops"},
    {message_ids::kStandardProfileCreated,
     "Es wurde für diese Auflösung noch kein Standard-Profil gespeichert, dies wird nun erledigt!"},
    {message_ids::kStandardProfileNotSaved,
     "Das Standard-Profil für diese Auflösung konnte nicht gespeichert werden. Sie werden beim nächsten Mal erneut "
     "gefragt."},
    {message_ids::kProfileNameTitle, "Profilname"},
    {message_ids::kProfileNamePrompt, "Geben Sie einen Profilnamen ein..."},
    {message_ids::kProfileNameEmpty, "Bitte geben Sie einen Profilnamen ein."},
    {message_ids::kProfileNameBadCharacter, "Ein Profilname darf keines der Zeichen \\ / : * ? \" < > | enthalten."},
    {message_ids::kProfileNameReserved,
     "Dieser Name ist unter Windows für ein Gerät reserviert (CON, PRN, AUX, NUL, COM1 bis COM9, LPT1 bis LPT9). Bitte "
     "wählen Sie einen anderen Namen."},
    {message_ids::kProfileNameTooLong, "Der Profilname ist zu lang."},
    {message_ids::kProfileNameQuoted,
     "Ein Profilname darf nicht mit einem Anführungszeichen (\" oder ') beginnen oder enden."},
    // A profile whose file ("%s") cannot be deleted.
    {message_ids::kProfileNotDeleted,
     "Das Profil konnte nicht gelöscht werden: Die Datei %s ist schreibgeschützt oder von einem anderen Programm "
     "geöffnet."},
    // The restore menu's last item, while a restore can be taken back.
    {message_ids::kUndoLastRestore, "Letzte Anordnung rückgängig"},
    {message_ids::kColumnProfileName, "Profilname"},
    {message_ids::kColumnLastChange, "letzte Änderung"},
    {message_ids::kColumnIcons, "Icons"},
    {message_ids::kColumnResolution, "Auflösung"},
    {message_ids::kColumnMonitors, "Monitore"},
    // The error report: the text for an error without one of its own, and
    // the report's button.
    {message_ids::kUnknownError, "Ein unbekannter Fehler ist aufgetreten."},
    {message_ids::kErrorReportOk, "OK"},
    // Errors the report shows with their detail (a window class, a path)
    // put in for "%s".
    {message_ids::kWindowClassNotRegistered, "Fensterklasse %s konnte nicht registriert werden."},
    {message_ids::kWindowNotCreated, "Fenster %s konnte nicht erstellt werden."},
    {message_ids::kHiddenWindowNotCreated, "Ein verborgenes Fenster konnte nicht erstellt werden."},
    {message_ids::kMenuNotCreated, "Menü konnte nicht erstellt werden."},
    {message_ids::kInputFieldNotCreated, "Eingabefeld konnte nicht erstellt werden."},
    {message_ids::kNumberFieldNotCreated, "Zahlenfeld konnte nicht erstellt werden."},
    {message_ids::kIconListNotCreated, "Die Liste der Icons konnte nicht erstellt werden."},
    {message_ids::kEnglishFileNotWritten, "Die englische Sprachdatei konnte nicht geschrieben werden: %s"},
});

}  // namespace

std::span<const BuiltInMessage> built_in_messages() { return kMessages; }

std::string_view german_message(MessageId id) {
  for (const auto& m : kMessages) {
    if (text::equal_ignoring_case(m.id.text(), id.text())) return m.german;
  }
  return {};
}

}  // namespace orvx::lang
