#pragma once
// Who the program is and where its maker can be reached. The one place for
// these names: the settings key, the Run value, the tooltip, the caption and
// the About page all take them from here.

namespace velindra {

inline constexpr const char kAppName[] = "Velindra";        // profile and Run value name
inline constexpr const char kRegistryKeyName[] = "Orrowby"; // Software\<this>\<kAppName>
inline constexpr const char kSettingsKeyFormat[] = "Software\\%s\\%s";
inline constexpr const char kProductLine[] = "Velindra 1.1";

inline constexpr const char kWebSiteHost[] = "www.orrowby.example";
inline constexpr const char kWebAddress[] = "http://www.orrowby.example/";
inline constexpr const char kSupportAddress[] = "support@orrowby.example";
inline constexpr const char kMailTarget[] = "mailto:support@orrowby.example";
inline constexpr const char kNoticeLine[] = "Copyright (C) 2004-2026 Orrowby";

} // namespace velindra
