#pragma once
// The maker's web pages that the program opens in the browser.

namespace app::web {

inline constexpr const char* kAide = "https://www.tarvio.fr/aide/";
inline constexpr const char* kSite = "https://www.tarvio.fr/";
inline constexpr const char* kPanier = "https://www.tarvio.fr/panier/";
inline constexpr const char* kModules = "https://www.tarvio.fr/modules/";
inline constexpr const char* kVersion = "https://www.tarvio.fr/version.htm";
inline constexpr const char* kModuleMoteur = "https://www.tarvio.fr/modules/moteur/";

}  // namespace app::web
