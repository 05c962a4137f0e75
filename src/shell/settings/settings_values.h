// Typed reads and writes of single settings on a store, with the loader's
// rules: an Integer, Boolean or Float that is missing or stored as another
// kind gets its default, which is written at once; a String is read as it is
// (missing or mistyped reads as empty) and is not created.  Write failures
// are not reported here: the caller's Flush reports the store's state.
// Window thread (the store itself may be shared, see settings_store.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace brilox {

std::int32_t ReadIntegerOrCreate(SettingsStore& store, std::string_view name, std::int32_t fallback);
bool ReadBooleanOrCreate(SettingsStore& store, std::string_view name, bool fallback);
double ReadFloatOrCreate(SettingsStore& store, std::string_view name, double fallback);

// A String cut to `max_length`; empty when missing or mistyped.
std::string ReadText(SettingsStore& store, std::string_view name, std::size_t max_length);
// A String that is created with `fallback` when missing or mistyped.
std::string ReadTextOrCreate(SettingsStore& store, std::string_view name, std::string_view fallback);
// A Code of exactly `length` bytes; nullopt when missing, mistyped, of another
// length or empty.
std::optional<std::string> ReadCode(SettingsStore& store, std::string_view name, std::size_t length);

void WriteBoolean(SettingsStore& store, std::string_view name, bool value);
void WriteFloat(SettingsStore& store, std::string_view name, double value);

}  // namespace brilox
