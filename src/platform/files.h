#pragma once
// The one small layer between the portable code and the file system.
//
// Paths are 8-bit strings in the system ANSI code page, exactly as the files,
// the configuration and the desktop deliver them. On Windows the layer uses the
// A functions; natively it uses POSIX. Folders passed in may or may not end with
// a separator; with_separator() adds one where a caller needs it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvx::files {

#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif

// File attribute bits as the Windows file listing reports them.
enum Attribute : uint32_t {
  kReadOnly = 0x01,
  kHidden = 0x02,
  kSystem = 0x04,
  kVolumeLabel = 0x08,
  kDirectory = 0x10,
  kArchive = 0x20,
};

struct FolderEntry {
  std::string name;         // the entry's own name, no folder part
  uint32_t attributes = 0;  // Attribute bits
  uint64_t size = 0;        // bytes; 0 for folders
};

bool is_separator(char c);
// folder + a separator, unless it already ends with one (or is empty).
std::string with_separator(std::string folder);
// The folder part of a path, ending with a separator ("" when there is none).
std::string folder_of(std::string_view path);
// The name part of a path.
std::string name_of(std::string_view path);

// Lists the entries of `folder` whose names match `pattern` ("*" and "?"
// wildcards, letters compared without regard to case), in the order the
// system enumerates them. As on Windows, "*.*" also matches "." and "..".
// A missing folder lists nothing.
std::vector<FolderEntry> list_folder(const std::string& folder, std::string_view pattern);

bool file_exists(const std::string& path);    // a file, not a folder
bool folder_exists(const std::string& path);  // a folder
// Creates one folder level. True when it exists afterwards.
bool create_folder(const std::string& path);
// Creates a folder together with every missing parent. True when it exists
// afterwards; an empty path (the current folder) counts as existing.
bool create_folders(const std::string& path);
bool delete_file(const std::string& path);
bool remove_folder(const std::string& path);  // an empty folder
// Moves `from` over `to`, replacing `to` when it exists.
bool replace_file(const std::string& from, const std::string& to);

std::optional<std::string> read_file(const std::string& path);
std::optional<uint64_t> file_size(const std::string& path);
// Creates or truncates `path` and writes `data`. False on any failure.
bool write_file(const std::string& path, std::string_view data);
// Writes `data` to a new file in the same folder and then replaces `path`
// with it, so that `path` is either the old or the complete new file. On
// failure the old file is untouched and no temporary file is left behind.
bool write_file_replacing(const std::string& path, std::string_view data);

// The temporary files of the replacing writes (here and in file_streams.h)
// are named kReplacingTempPrefix + a unique part + kReplacingTempSuffix,
// beside the file they replace. A program that dies half-way through a write
// leaves one behind; the name tells such a leftover apart from the user's
// files, so that it is never taken for one (a backup leaves them out).
inline constexpr std::string_view kReplacingTempPrefix = "~orvx-";
inline constexpr std::string_view kReplacingTempSuffix = ".tmp";
// True for a name of that form, letters compared without regard to case.
bool is_replacing_temp_name(std::string_view name);

// Attributes of an existing entry, or nullopt.
std::optional<uint32_t> attributes_of(const std::string& path);

// A local calendar time, as the clock, file dates and the calendar
// arithmetic (calendar.h) give it.
struct LocalTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
  int millisecond = 0;
  int day_of_week = 0;  // 0 Sunday to 6 Saturday, where it is known

  bool operator==(const LocalTime&) const = default;
};
// Last-write time of a file as local calendar time, at the two-second
// resolution of the platform's file dates; nullopt when it cannot be read.
std::optional<LocalTime> last_write_local_time(const std::string& path);

// The user's temporary folder, ending with a separator.
std::string temp_folder();

// The system's description of why the last failed call of this layer failed,
// for error messages. Call it right after the failure.
std::string describe_last_error();

}  // namespace orvx::files
