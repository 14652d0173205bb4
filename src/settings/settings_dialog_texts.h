#pragma once
// The settings dialog's own (German) texts of the controls a user acts on;
// a language file replaces them by component name.
namespace orvx::settings::texts {

inline constexpr char kTitle[] = "Einstellungen";
inline constexpr char kStartWithWindows[] = "Orvane mit Windows starten (minimiert).";
inline constexpr char kAutoSave[] = "Icon Position im Intervall speichern (Min.).";
inline constexpr char kRestoreAfterResolutionChange[] = "Icons nach Auflösungsänderung anordnen.";
inline constexpr char kShowMinidesk[] = "Orvane-Minidesk aktivieren";
inline constexpr char kActivateHotkey[] = "HotKey aktivieren zum speichern im standard Profil.";
inline constexpr char kDeleteProfile[] = "Profil löschen";
inline constexpr char kExportSettings[] = "Einstellungen exportieren";
inline constexpr char kImportSettings[] = "Einstellungen importieren";
inline constexpr char kCancel[] = "Abbruch";
inline constexpr char kSave[] = "Speichern";
inline constexpr char kCheckForUpdate[] = "Auf Update prüfen";
inline constexpr char kStartUninstall[] = "Deinstallation starten...";
// The Language section's download controls keep their texts in every language.
inline constexpr char kFindLanguages[] =
    "Find Languages, Langues De Trouvaille, Sprachen finden, Idiomas Del Hallazgo, Trova Lingue, Línguas Do Achado";

}  // namespace orvx::settings::texts
