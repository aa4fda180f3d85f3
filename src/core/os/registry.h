#pragma once
// Text values of the current user's registry (HKEY_CURRENT_USER), where the game records its install
// folder. Systems without a registry have no such values: every read there is empty.

#include <string>
#include <string_view>

namespace busho {

// The text of value `valueName` under HKEY_CURRENT_USER\<subkey>, as UTF-8, without its terminating
// NUL. Empty when the subkey is empty or cannot be opened, when the value is missing or is not text,
// or when its data holds no character before the terminator.
std::string ReadCurrentUserRegistryText(std::string_view subkey, std::string_view valueName);

}  // namespace busho
