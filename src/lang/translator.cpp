#include "lang/translator.h"

#include "ini/bounded_ini.h"
#include "lang/language_text.h"
#include "lang/messages.h"
#include "platform/ansi_text.h"

namespace orvx::lang {
namespace {

void apply_entry(NamedWindow& window, std::string_view key, std::string_view raw_value) {
  const PropertyKey target = split_property_key(key);
  const std::string value = window_text_from_file(raw_value);
  if (target.component.empty() && !target.property.empty()) {
    window.set_string_property(target.property, value);
    return;
  }
  for (NamedComponent* component : window.owned_components()) {
    if (same_name(component->component_name(), target.component)) {
      component->set_string_property(target.property, value);
      return;
    }
  }
}

void write_property(const std::string& path, const std::string& section, NamedComponent& component,
                    std::string_view property, bool skip_separator) {
  const auto value = component.string_property(property);
  if (!value || value->empty()) return;
  const std::string in_file = window_text_to_file(*value);
  if (skip_separator && in_file == "-") return;
  ini::write_string(path, section, component.component_name() + "." + std::string(property), in_file);
}

}  // namespace

void apply_language(const ini::IniText& file, WindowRegistry& windows) {
  for (const std::string& section : file.section_names()) {
    if (text::equal_ignoring_case(text::trim(section), kInfoSection)) continue;
    NamedWindow* window = windows.find(section);
    if (!window) continue;
    for (const auto& [key, value] : file.entries(section)) apply_entry(*window, key, value);
  }
}

void Translator::load_language(const std::string& path) {
  path_ = path;
  apply_language(ini::load_small_ini(path), windows_);
}

std::string Translator::get_message(std::string_view german, std::string_view id) const {
  if (path_.empty() || !ini::small_ini_file(path_)) return std::string(german);
  // One read of the file and one scan that stops at the end of the misc
  // section; nothing is kept, so an edit on disk counts at the next call. A
  // missing file or key reads as empty, which falls back to German.
  return message_from_value(ini::read_string(path_, kMessageSection, id, {}), german);
}

std::string Translator::message(MessageId id) const { return get_message(german_message(id), id.text()); }

void Translator::write_template(NamedWindow& window, const std::string& template_path) const {
  const std::string section = window.component_name();
  for (NamedComponent* component : window.owned_components()) {
    write_property(template_path, section, *component, "Caption", /*skip_separator=*/true);
    write_property(template_path, section, *component, "Hint", /*skip_separator=*/false);
    write_property(template_path, section, *component, "Text", /*skip_separator=*/false);
  }
}

}  // namespace orvx::lang
