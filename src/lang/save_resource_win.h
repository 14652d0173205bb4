#pragma once
#include <windows.h>

#include <string>

namespace orvx::lang {

// Writes the embedded resource `name` of resource type `type` (such as
// RT_RCDATA) to `path`, replacing the file. The resource is looked up in
// `module`, the program itself when null. False when the resource is missing
// or the file cannot be written; the old file then stays as it was.
bool save_resource_to_file(const char* type, const char* name, const std::string& path, HMODULE module = nullptr);

}  // namespace orvx::lang
