// The price and number helpers: numbers written without the locale read back to themselves, a
// cleaned price holds only its allowed characters, and no helper fails on any text.

#include <cmath>
#include <cstdint>
#include <cstring>

#include "fuzz_check.h"
#include "modele/app/texte_prix.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view texte = fuzz::text(data, size);

  if (size >= sizeof(long long)) {
    long long n;
    std::memcpy(&n, data, sizeof n);
    FUZZ_CHECK(platform::toInteger(platform::fromInteger(n)) == n);
    double d;
    std::memcpy(&d, data, sizeof d);
    if (std::isfinite(d)) {
      FUZZ_CHECK(platform::toNumber(platform::fromNumber(d)) == d);
      const platform::Conversion c = platform::val(platform::fromNumber(d));
      FUZZ_CHECK(c.ok() && c.value == d);
    }
  }

  const platform::Conversion c = platform::val(texte);
  FUZZ_CHECK(c.errorPosition >= 0 && static_cast<size_t>(c.errorPosition) <= size + 1);
  if (auto n = platform::toInteger(texte)) FUZZ_CHECK(platform::toNumber(texte).has_value());

  const std::string prix = app::nettoyerPrix(texte);
  FUZZ_CHECK(!prix.empty());
  FUZZ_CHECK(prix.find_first_not_of("0123456789-.") == std::string::npos);
  (void)app::formaterPrix(prix);
  (void)app::formaterPrix(texte);
  const size_t coupe = size / 3;
  (void)app::prixDevise(texte.substr(0, coupe), "EUR", "F", texte.substr(coupe));
  (void)app::prixDevise(prix, "EUR", "F", "6,55957");
  for (char separateur : {'-', '_'}) {
    const std::string url = app::nomURL(texte, separateur);
    for (char ch : url) FUZZ_CHECK(ch == separateur || (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z'));
  }
  return 0;
}
