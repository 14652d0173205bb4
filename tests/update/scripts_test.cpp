// The update and uninstall scripts, byte for byte, for a table of paths.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "update/scripts.h"

namespace orvx::update {
namespace {

// The expected scripts with {P}, {F}, {T}, {D}, {S} and {V} still in them,
// {B} for the copy of the program file ({P} + ".old"), {N} for the program
// file's name, and {START} for the switches of a start: every line ends
// with CR LF.
constexpr char kUpdateTemplate[] =
    "if exist \"{B}\" del \"{B}\"\r\n"
    "copy \"{P}\" \"{B}\"\r\n"
    "if errorlevel 1 goto Label3\r\n"
    "if not exist \"{B}\" goto Label3\r\n"
    "set orvx_wait=0\r\n"
    ":Label1\r\n"
    "del \"{P}\"\r\n"
    "if not exist \"{P}\" goto Label2\r\n"
    "set /a orvx_wait=%orvx_wait%+1\r\n"
    "if %orvx_wait% GEQ 60 goto Label3\r\n"
    "ping -n 2 127.0.0.1 >nul\r\n"
    "goto Label1\r\n"
    ":Label2\r\n"
    "copy \"{T}OrvaneX.tmp\" \"{P}\"\r\n"
    "if errorlevel 1 goto Label5\r\n"
    "if not exist \"{P}\" goto Label5\r\n"
    "del \"{T}OrvaneX.tmp\"\r\n"
    "del \"{T}update.dat\"\r\n"
    "del \"{B}\"\r\n"
    "\"{P}\"{START_NEW}{V}\r\n"
    "goto Label4\r\n"
    ":Label5\r\n"
    "if exist \"{P}\" del \"{P}\"\r\n"
    "ren \"{B}\" \"{N}\"\r\n"
    "goto Label6\r\n"
    ":Label3\r\n"
    "if exist \"{B}\" del \"{B}\"\r\n"
    "del \"{T}OrvaneX.tmp\"\r\n"
    ":Label6\r\n"
    "\"{P}\"{START_OLD}\r\n"
    ":Label4\r\n"
    "del \"{S}\"\r\n";

// The switches each start mode gives the new program and the old one. A
// normal start keeps the update switch alone after two blanks, as before.
struct StartLines {
  StartMode mode;
  const char* new_program;  // before {V}
  const char* old_program;
};
const StartLines kStartLines[] = {
    {StartMode::kNormal, "  /", ""},
    {StartMode::kPortable, " /u /", " /u"},
};

constexpr char kUninstallTemplate[] =
    "set orvx_wait=0\r\n"
    ":Label1\r\n"
    "del \"{P}\"\r\n"
    "if not exist \"{P}\" goto Label2\r\n"
    "set /a orvx_wait=%orvx_wait%+1\r\n"
    "if %orvx_wait% GEQ 60 goto Label2\r\n"
    "ping -n 2 127.0.0.1 >nul\r\n"
    "goto Label1\r\n"
    ":Label2\r\n"
    "rmdir \"{F}\"\r\n"
    "del \"{D}\\lang\\*.*\" /q\r\n"
    "rmdir \"{D}\\lang\"\r\n"
    "del \"{D}*.*\" /q\r\n"
    "rmdir \"{D}\"\r\n"
    "del \"{S}\"\r\n";

struct PathCase {
  const char* what;
  ScriptPaths paths;
  const char* folder;  // {F} as it stands in the script
  const char* name;    // {N} as it stands in the script
  const char* version;
};

std::string fill(std::string text, const std::string& mark, const std::string& value) {
  for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + value.size())) {
    text.replace(at, mark.size(), value);
  }
  return text;
}

// Paths as they stand in a script: "%" doubled.
std::string in_script(std::string path) { return fill(std::move(path), "%", "%%"); }

std::string expected(const char* script_template, const PathCase& c, const StartLines& start = kStartLines[0]) {
  std::string text = script_template;
  text = fill(text, "{START_NEW}", start.new_program);
  text = fill(text, "{START_OLD}", start.old_program);
  text = fill(text, "{B}", in_script(c.paths.program + ".old"));
  text = fill(text, "{N}", c.name);
  text = fill(text, "{P}", in_script(c.paths.program));
  text = fill(text, "{F}", c.folder);
  text = fill(text, "{T}", in_script(c.paths.temp_folder));
  text = fill(text, "{D}", in_script(c.paths.data_folder));
  text = fill(text, "{S}", in_script(c.paths.script));
  return fill(text, "{V}", c.version);
}

const PathCase kCases[] = {
    {"blanks, XP temporary folder",
     {"C:\\Programme\\Orvane X\\OrvaneX.exe", "C:\\Dokumente und Einstellungen\\Anna\\Lokale Einstellungen\\Temp\\",
      "C:\\Dokumente und Einstellungen\\Anna\\Lokale Einstellungen\\Temp\\ORV1A.bat",
      "C:\\Dokumente und Einstellungen\\Anna\\Anwendungsdaten\\Quillfen\\OrvaneX\\"},
     "C:\\Programme\\Orvane X\\",
     "OrvaneX.exe",
     "1.3.0.0"},
    {"Windows-1252 letters",
     {"C:\\Programme\\B\xFCro Werkzeuge\\OrvaneX.exe", "C:\\DOKUME~1\\J\xF6rg\\LOKALE~1\\Temp\\",
      "C:\\DOKUME~1\\J\xF6rg\\LOKALE~1\\Temp\\uisF3.bat",
      "C:\\Dokumente und Einstellungen\\J\xF6rg\\Anwendungsdaten\\Quillfen\\OrvaneX\\"},
     "C:\\Programme\\B\xFCro Werkzeuge\\",
     "OrvaneX.exe",
     "2"},
    {"program file of another name",
     {"D:\\Tools\\orvx-portable.exe", "C:\\WINNT\\TEMP\\", "C:\\WINNT\\TEMP\\ORVFFFF.bat",
      "C:\\WINNT\\Profiles\\anna\\Application Data\\Quillfen\\OrvaneX\\"},
     "D:\\Tools\\",
     "orvx-portable.exe",
     "1.2.3.10"},
    {"portable mode",
     {"E:\\Stick\\Orvane X\\OrvaneX.exe", "C:\\Temp\\", "C:\\Temp\\uis2.bat",
      "E:\\Stick\\Orvane X\\Quillfen\\OrvaneX\\"},
     "E:\\Stick\\Orvane X\\",
     "OrvaneX.exe",
     "99999.99999.99999.99999"},
    {"a percent sign in a folder",
     {"C:\\100% sicher\\OrvaneX.exe", "C:\\Temp\\%x%\\", "C:\\Temp\\%x%\\ORV3.bat",
      "C:\\100% sicher\\Quillfen\\OrvaneX\\"},
     "C:\\100%% sicher\\",
     "OrvaneX.exe",
     "1.0"},
    {"a percent sign in the program's name",
     {"C:\\Tools\\Orv 50%.exe", "C:\\Temp\\", "C:\\Temp\\ORV4.bat", "C:\\Tools\\Quillfen\\OrvaneX\\"},
     "C:\\Tools\\",
     "Orv 50%%.exe",
     "1.4"},
};

TEST(UpdateScript, EveryLineForEachPathAndStartMode) {
  for (const PathCase& c : kCases) {
    for (const StartLines& start : kStartLines) {
      SCOPED_TRACE(std::string(c.what) + (start.mode == StartMode::kPortable ? ", portable" : ", normal"));
      EXPECT_EQ(update_script(c.paths, c.version, start.mode), expected(kUpdateTemplate, c, start));
    }
  }
}

TEST(UninstallScript, EveryLineForEachPath) {
  for (const PathCase& c : kCases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(uninstall_script(c.paths), expected(kUninstallTemplate, c));
  }
}

TEST(UpdateScript, OneScriptInFull) {
  const ScriptPaths paths{"C:\\Programme\\Orvane X\\Orv.exe", "C:\\Temp\\", "C:\\Temp\\ORV1.bat", ""};
  EXPECT_EQ(update_script(paths, "1.3", StartMode::kNormal),
            "if exist \"C:\\Programme\\Orvane X\\Orv.exe.old\" del \"C:\\Programme\\Orvane X\\Orv.exe.old\"\r\n"
            "copy \"C:\\Programme\\Orvane X\\Orv.exe\" \"C:\\Programme\\Orvane X\\Orv.exe.old\"\r\n"
            "if errorlevel 1 goto Label3\r\n"
            "if not exist \"C:\\Programme\\Orvane X\\Orv.exe.old\" goto Label3\r\n"
            "set orvx_wait=0\r\n:Label1\r\ndel \"C:\\Programme\\Orvane X\\Orv.exe\"\r\n"
            "if not exist \"C:\\Programme\\Orvane X\\Orv.exe\" goto Label2\r\n"
            "set /a orvx_wait=%orvx_wait%+1\r\nif %orvx_wait% GEQ 60 goto Label3\r\n"
            "ping -n 2 127.0.0.1 >nul\r\ngoto Label1\r\n:Label2\r\n"
            "copy \"C:\\Temp\\OrvaneX.tmp\" \"C:\\Programme\\Orvane X\\Orv.exe\"\r\n"
            "if errorlevel 1 goto Label5\r\n"
            "if not exist \"C:\\Programme\\Orvane X\\Orv.exe\" goto Label5\r\n"
            "del \"C:\\Temp\\OrvaneX.tmp\"\r\ndel \"C:\\Temp\\update.dat\"\r\n"
            "del \"C:\\Programme\\Orvane X\\Orv.exe.old\"\r\n"
            "\"C:\\Programme\\Orvane X\\Orv.exe\"  /1.3\r\ngoto Label4\r\n"
            ":Label5\r\n"
            "if exist \"C:\\Programme\\Orvane X\\Orv.exe\" del \"C:\\Programme\\Orvane X\\Orv.exe\"\r\n"
            "ren \"C:\\Programme\\Orvane X\\Orv.exe.old\" \"Orv.exe\"\r\n"
            "goto Label6\r\n:Label3\r\n"
            "if exist \"C:\\Programme\\Orvane X\\Orv.exe.old\" del \"C:\\Programme\\Orvane X\\Orv.exe.old\"\r\n"
            "del \"C:\\Temp\\OrvaneX.tmp\"\r\n:Label6\r\n"
            "\"C:\\Programme\\Orvane X\\Orv.exe\"\r\n:Label4\r\n"
            "del \"C:\\Temp\\ORV1.bat\"\r\n");
}

TEST(UpdateScript, RefusesWhatCannotStandInAScript) {
  const ScriptPaths good{"C:\\P\\OrvaneX.exe", "C:\\T\\", "C:\\T\\ORV1.bat", ""};
  ASSERT_TRUE(update_script(good, "1.3", StartMode::kNormal));
  const char* versions[] = {"1.2.3.4 & del x", "1.2.3.4\"", "1.2.3.4\r\nx", "", "1.2.3.4.5"};
  for (const char* v : versions) EXPECT_FALSE(update_script(good, v, StartMode::kNormal)) << v;
  ScriptPaths quote = good;
  quote.program = "C:\\P\\a\"b.exe";
  ScriptPaths line_break = good;
  line_break.script = "C:\\T\\ORV1.bat\r\ndel x";
  ScriptPaths no_backslash = good;
  no_backslash.temp_folder = "C:\\T";
  ScriptPaths bare_name = good;
  bare_name.program = "OrvaneX.exe";
  for (const ScriptPaths& p : {quote, line_break, no_backslash, bare_name}) {
    EXPECT_FALSE(update_script(p, "1.3", StartMode::kNormal)) << p.program << " " << p.temp_folder;
  }
}

// The wait's bound is the scripts' only parameter besides the paths: the
// program writes the shipped one (pinned as 60 rounds above), tests under
// Wine a few rounds; a bound of no rounds would never wait.
TEST(Scripts, WaitBoundIsAParameter) {
  const ScriptPaths paths{"C:\\P\\OrvaneX.exe", "C:\\T\\", "C:\\T\\ORV1.bat", "C:\\D\\OrvaneX\\"};
  EXPECT_EQ(kWaitRounds, 60);
  const std::optional<std::string> update = update_script(paths, "1.3", StartMode::kNormal, 3);
  ASSERT_TRUE(update);
  EXPECT_NE(update->find("\r\nif %orvx_wait% GEQ 3 goto Label3\r\n"), std::string::npos) << *update;
  const std::optional<std::string> uninstall = uninstall_script(paths, 3);
  ASSERT_TRUE(uninstall);
  EXPECT_NE(uninstall->find("\r\nif %orvx_wait% GEQ 3 goto Label2\r\n"), std::string::npos) << *uninstall;
  EXPECT_FALSE(update_script(paths, "1.3", StartMode::kNormal, 0));
  EXPECT_FALSE(uninstall_script(paths, 0));
}

// The command interpreter runs the script without AutoRun commands, with its
// extensions and without delayed expansion, whatever the registry says.
TEST(Scripts, CommandLineSetsTheInterpreterUp) {
  EXPECT_EQ(script_command_line("C:\\Dokumente und Einstellungen\\J\xFCrgen\\Temp\\ORV1A.bat"),
            "cmd.exe /d /e:on /v:off /c \"\"C:\\Dokumente und Einstellungen\\J\xFCrgen\\Temp\\ORV1A.bat\"\"");
}

struct FolderCase {
  const char* folder;
  bool safe;
};

TEST(DataFolderSafe, Table) {
  const FolderCase cases[] = {
      {"C:\\Dokumente und Einstellungen\\Anna\\Anwendungsdaten\\Quillfen\\OrvaneX\\", true},
      {"e:\\Stick\\Quillfen\\OrvaneX\\", true},
      {"\\\\server\\share\\Quillfen\\OrvaneX\\", true},
      {"C:\\X\\", true},
      {"", false},
      {"\\", false},
      {"C:\\", false},  // a drive root
      {"C:", false},
      {"C:X\\", false},                  // relative to the drive's current folder
      {"\\Quillfen\\OrvaneX\\", false},  // relative to the current drive
      {"Quillfen\\OrvaneX\\", false},
      {"C:\\Quillfen\\OrvaneX", false},  // no trailing backslash
      {"\\\\server\\share\\", false},    // a share root
      {"\\\\server\\", false},
      {"\\\\\\share\\x\\", false},
      {"C:\\a\\..\\", false},
      {"C:\\a\\.\\", false},
      {"C:\\a\\\\b\\", false},
      {"C:\\a\\*\\", false},
      {"C:\\a\"b\\", false},
      {"C:/Quillfen/OrvaneX/", false},
      {"1:\\x\\", false},
  };
  for (const FolderCase& c : cases) {
    SCOPED_TRACE(c.folder);
    EXPECT_EQ(data_folder_safe(c.folder), c.safe);
  }
  const ScriptPaths root{"C:\\P\\OrvaneX.exe", "C:\\T\\", "C:\\T\\uis1.bat", "C:\\"};
  EXPECT_FALSE(uninstall_script(root));
}

TEST(ScriptNames, FromTheTemporaryName) {
  EXPECT_EQ(script_name_of("C:\\Temp\\ORV1A.tmp"), "C:\\Temp\\ORV1A.bat");
  EXPECT_EQ(script_name_of("C:\\Te.mp\\uis2"), "C:\\Te.mp\\uis2.bat");
  EXPECT_EQ(placeholder_of("C:\\Temp\\ORV1A.bat"), "C:\\Temp\\ORV1A.tmp");
  EXPECT_EQ(folder_of_program("C:\\Programme\\Orvane X\\OrvaneX.exe"), "C:\\Programme\\Orvane X\\");
  EXPECT_EQ(folder_of_program("OrvaneX.exe"), "");
}

}  // namespace
}  // namespace orvx::update
