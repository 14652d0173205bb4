#pragma once
// Folder parts and names read from a container are untrusted: a container may
// come from anywhere. Only plain relative names are accepted, so that nothing
// is ever written outside the folder a container is unpacked into.
#include <string>
#include <string_view>

namespace orvx::backup {

// Turns a stored folder part ("sub\deeper\", backslashes; "/" is taken as a
// separator too, as Windows does) into a relative local path that ends with
// the platform's separator, or "" for an empty folder part. Throws
// ContainerError for a folder part that is absolute, names a drive or a
// device, has an element such as ".." that leaves or re-enters a folder, or
// holds a control character or one of the characters <>"|?* that Windows
// never allows in names.
std::string local_folder_part(std::string_view folder_part);

// Throws ContainerError unless `name` is a plain file name: not empty, no
// separator, no drive or stream colon, not a device, not a dots-only name,
// no control character and none of <>"|?*.
void check_file_name(std::string_view name);

}  // namespace orvx::backup
