#include "modele/app/texte_prix.h"

#include "platform/escape.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "platform/files.h"
#include "platform/text.h"

namespace app {

namespace {

// Accented letters that lose their accent in a name; the rest of the upper half becomes a separator.
const std::array<char, 256>& plainLetters() {
  static const std::array<char, 256> table = [] {
    std::array<char, 256> t{};
    struct Row {
      const char* from;
      char to;
    };
    const Row rows[] = {{"ÀÁÂÃÄÅ", 'A'}, {"ÈÉÊË", 'E'}, {"ÌÍÎÏ", 'I'}, {"ÒÓÔÕÖ", 'O'},
                        {"ÙÚÛÜ", 'U'},   {"àáâãä", 'a'}, {"ç", 'c'},     {"èéêë", 'e'},
                        {"ìíîï", 'i'},   {"òóôõö", 'o'}, {"ùúûü", 'u'},  {"ýÿ", 'y'}};
    for (const auto& row : rows)
      for (const char* p = row.from; *p; ++p) t[static_cast<unsigned char>(*p)] = row.to;
    return t;
  }();
  return table;
}

}  // namespace

std::string nomURL(std::string_view titre, char separateur) {
  std::string texte(titre);
  for (char& c : texte)
    if (char plain = plainLetters()[static_cast<unsigned char>(c)]) c = plain;
  texte = platform::trim(platform::lowerAscii(texte));
  for (char& c : texte)
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'))) c = separateur;
  return texte;
}

std::string pageTheme(std::string_view categorieTheme, char separateur, int numero) {
  std::string nom = nomURL(categorieTheme, separateur);
  if (nom.empty()) return nom;
  if (separateur != '_') nom += separateur;
  return nom + std::to_string(numero);
}

std::string nettoyerPrix(std::string_view prix) {
  std::string resultat;
  for (char c : platform::trim(prix)) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b < 44 || c == '/' || b > 57) continue;
    resultat += (c == ',') ? '.' : c;
  }
  return resultat.empty() ? "0" : resultat;
}

namespace {

bool blanc(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  return b <= 32 || b == 0xA0;  // a non-breaking blank comes with a pasted amount
}

std::string_view sansBlancs(std::string_view t) {
  while (!t.empty() && blanc(t.front())) t.remove_prefix(1);
  while (!t.empty() && blanc(t.back())) t.remove_suffix(1);
  return t;
}

bool memeTexte(std::string_view a, std::string_view b) {
  return a.size() == b.size() && platform::lowerAscii(a) == platform::lowerAscii(b);
}

const std::string_view kMarques[] = {"EUR", "FF", "F", "€"};
const std::string_view kMots[] = {"euros", "euro", "francs", "franc", "FRF"};

bool marqueCourante(std::string_view m) {
  for (std::string_view k : kMarques)
    if (memeTexte(m, k)) return true;
  return false;
}

bool finitPar(std::string_view t, std::string_view fin) {
  return !fin.empty() && t.size() > fin.size() && memeTexte(t.substr(t.size() - fin.size()), fin);
}

bool commencePar(std::string_view t, std::string_view debut) {
  return t.size() > debut.size() && memeTexte(t.substr(0, debut.size()), debut);
}

bool chiffre(char c) { return c >= '0' && c <= '9'; }

enum class Monnaie { euro, franc, autre };

// The currency a mark, a word or the shop's currency text names by its first word: "€ TTC" and
// "EUR HT" are euros, "FRF" francs.
Monnaie monnaie(std::string_view texte) {
  std::string_view t = sansBlancs(texte);
  t = t.substr(0, std::min(t.size(), t.find(' ')));
  while (t.ends_with('.')) t.remove_suffix(1);
  if (t.starts_with("€")) return Monnaie::euro;
  for (std::string_view mot : {"eur", "euro", "euros"})
    if (memeTexte(t, mot)) return Monnaie::euro;
  for (std::string_view mot : {"f", "ff", "frf", "franc", "francs"})
    if (memeTexte(t, mot)) return Monnaie::franc;
  return Monnaie::autre;
}

struct Lecture {
  std::string nombre;
  bool horsFormulaire = false;  // read with a word, the shop's currency or points between groups
};

// The one reading of an amount, typed or stored: see lireMontant.
std::optional<Lecture> lire(std::string_view texte, std::string_view devise) {
  std::string_view t = sansBlancs(texte);
  if (t.empty()) return Lecture{"0"};
  Lecture l;
  devise = sansBlancs(devise);
  // The longest currency text after the amount, so that "120 FF" in a shop in "F" is not read
  // as "120 F"; else one mark before it.
  std::string_view fin;
  for (std::string_view f : kMots)
    if (finitPar(t, f) && f.size() > fin.size()) fin = f;
  for (std::string_view f : kMarques)
    if (finitPar(t, f) && f.size() > fin.size()) fin = f;
  if (finitPar(t, devise) && devise.size() >= fin.size()) fin = devise;
  if (!fin.empty()) {
    t = sansBlancs(t.substr(0, t.size() - fin.size()));
    l.horsFormulaire = !marqueCourante(fin);
  } else {
    for (std::string_view m : kMarques)
      if (commencePar(t, m)) {
        fin = m;
        t = sansBlancs(t.substr(m.size()));
        break;
      }
  }
  // Another currency than the shop's is no amount of this shop.
  if (!fin.empty() && !devise.empty() && !memeTexte(fin, devise) &&
      monnaie(fin) != monnaie(devise))
    return std::nullopt;
  std::string& nombre = l.nombre;
  if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
    if (t.front() == '-') nombre = "-";
    t = sansBlancs(t.substr(1));
  }
  // Points between groups of three before a decimal comma: "1.234,50".
  std::string sansPoints;
  if (const size_t virgule = t.find(',');
      virgule != std::string_view::npos && t.substr(0, virgule).find('.') != std::string_view::npos) {
    const std::string_view entier = t.substr(0, virgule);
    size_t debut = 0;
    for (size_t point; (point = entier.find('.', debut)) != std::string_view::npos; debut = point + 1)
      if (debut == 0 ? point == 0 || point > 3 : point - debut != 3) return std::nullopt;
    if (entier.size() - debut != 3) return std::nullopt;
    for (char c : entier)
      if (c != '.') sansPoints += c;
    sansPoints += t.substr(virgule);
    t = sansPoints;
    l.horsFormulaire = true;
  }
  // The whole part: a first group of digits, then groups of three after each run of blanks.
  size_t i = 0, groupe = 0, groupes = 0;
  while (i < t.size() && !(t[i] == ',' || t[i] == '.')) {
    if (chiffre(t[i])) {
      nombre += t[i++];
      ++groupe;
    } else if (blanc(t[i]) && groupe > 0) {
      if (groupes > 0 && groupe != 3) return std::nullopt;
      while (i < t.size() && blanc(t[i])) ++i;
      ++groupes;
      groupe = 0;
    } else {
      return std::nullopt;
    }
  }
  if (groupes > 0 && groupe != 3) return std::nullopt;
  bool chiffres = nombre.size() > (nombre.starts_with('-') ? 1u : 0u);
  if (i < t.size()) {
    nombre += '.';
    for (++i; i < t.size(); ++i) {
      if (!chiffre(t[i])) return std::nullopt;
      nombre += t[i];
      chiffres = true;
    }
  }
  if (!chiffres) return std::nullopt;
  return l;
}

}  // namespace

std::optional<std::string> lireMontant(std::string_view texte, std::string_view devise) {
  if (auto l = lire(texte, devise)) return std::move(l->nombre);
  return std::nullopt;
}

std::optional<std::string> refusNombre(std::string_view libelle, std::string_view texte,
                                       Signe signe, std::string_view lieu, Decimales decimales,
                                       std::string_view devise) {
  const auto montant = lireMontant(texte, devise);
  const char* motif = nullptr;
  if (!montant)
    motif = " n'est pas un nombre";
  else if (signe == Signe::positif && platform::val(*montant).value < 0)
    motif = " ne peut pas être négatif";
  else if (size_t point = montant->find('.');
           decimales == Decimales::deux && point != std::string::npos && montant->size() - point > 3)
    motif = " a plus de deux décimales";  // the card, the cart and the total count in cents
  if (!motif) return std::nullopt;
  std::string refus = std::string(libelle) + " " + platform::trim(texte);
  if (!lieu.empty()) refus += " " + std::string(lieu);
  return refus + motif;
}

namespace {

bool auDelaDuCentime(const std::string& nombre) {
  const size_t point = nombre.find('.');
  return point != std::string::npos && nombre.size() - point - 1 > 2;
}

// Adds one to a whole number written in digits: "199" gives "200".
void plusUn(std::string& chiffres) {
  size_t i = chiffres.size();
  while (i > 0 && chiffres[i - 1] == '9') chiffres[--i] = '0';
  if (i == 0)
    chiffres.insert(0, 1, '1');
  else
    ++chiffres[i - 1];
}

// A number with a point rounded to the cent on its digits, half away from zero: "12.999" gives
// "13.00", "-2.555" gives "-2.56", without the errors of a binary fraction.
std::string auCentime(const std::string& nombre) {
  const bool negatif = nombre.starts_with('-');
  const std::string_view n = std::string_view(nombre).substr(negatif ? 1 : 0);
  const size_t point = n.find('.');
  std::string chiffres = std::string(n.substr(0, point)) + std::string(n.substr(point + 1, 2));
  if (n[point + 3] >= '5') plusUn(chiffres);
  if (chiffres.size() < 3) chiffres.insert(0, 3 - chiffres.size(), '0');
  while (chiffres.size() > 3 && chiffres.front() == '0') chiffres.erase(0, 1);
  const bool nul = chiffres.find_first_not_of('0') == std::string::npos;
  return (negatif && !nul ? "-" : "") + chiffres.substr(0, chiffres.size() - 2) + "." +
         chiffres.substr(chiffres.size() - 2);
}

// A stored amount as a card writes it for the order form: as stored when the form reads it as
// the same number, stopping at the cent; otherwise that number, rounded to the cent.
std::optional<std::string> montantLu(std::string_view texte, std::string_view devise,
                                     bool positif) {
  auto l = lire(texte, devise);
  if (!l || (positif && platform::val(l->nombre).value < 0)) return std::nullopt;
  if (auDelaDuCentime(l->nombre)) return auCentime(l->nombre);
  return l->horsFormulaire ? l->nombre : std::string(texte);
}

}  // namespace

std::optional<std::string> montantCarte(std::string_view texte, std::string_view devise) {
  return montantLu(texte, devise, false);
}

std::optional<std::string> prixCarte(std::string_view prix, std::string_view devise) {
  return montantLu(prix, devise, true);
}

std::optional<std::string> promotionCarte(std::string_view prixpromo, std::string_view devise) {
  if (platform::trim(prixpromo).empty()) return std::nullopt;
  return montantLu(prixpromo, devise, true);
}

std::string formaterPrix(std::string_view montant) {
  std::string texte(montant);
  std::string entier = texte;
  std::string decimales = "00";
  size_t point = texte.find('.');
  if (point != std::string::npos) {
    entier = texte.substr(0, point);
    std::string reste = texte.substr(point + 1);
    // "12." has no decimals: it reads as "12,00" rather than keeping its point.
    if (!reste.empty()) decimales = (reste + "00").substr(0, 2);
  }
  if (entier.size() >= 3) {
    std::string groupe;
    size_t premier = entier.size() % 3;
    if (premier) groupe = entier.substr(0, premier);
    for (size_t i = premier; i < entier.size(); i += 3) {
      if (!groupe.empty()) groupe += ' ';
      groupe += entier.substr(i, 3);
    }
    entier = groupe;
  }
  if (entier.empty()) entier = "0";
  return entier + "," + decimales;
}

std::optional<TauxDevise> tauxDevise(std::string_view taux) {
  const auto lu = lireMontant(taux);
  if (!lu || lu->starts_with('-')) return std::nullopt;
  const size_t point = lu->find('.');
  std::string decimales = point == std::string::npos ? "" : lu->substr(point + 1);
  while (!decimales.empty() && decimales.back() == '0') decimales.pop_back();
  std::string chiffres = lu->substr(0, point) + decimales;
  chiffres.erase(0, std::min(chiffres.find_first_not_of('0'), chiffres.size()));
  if (chiffres.empty()) return std::nullopt;
  TauxDevise t{0, static_cast<int>(decimales.size())};
  // Past 15 digits, decimals are dropped, half up: the form's script then divides exactly.
  const size_t garde = std::min<size_t>(chiffres.size(), 15);
  if (chiffres.size() - garde > decimales.size()) return std::nullopt;
  t.decimales -= static_cast<int>(chiffres.size() - garde);
  t.chiffres = *platform::toInteger(chiffres.substr(0, garde));
  if (garde < chiffres.size() && chiffres[garde] >= '5') ++t.chiffres;
  while (t.decimales > 0 && t.chiffres % 10 == 0) {
    t.chiffres /= 10;
    --t.decimales;
  }
  return t;
}

std::string centimesDevise(std::string_view centimes, const TauxDevise& taux) {
  const bool negatif = centimes.starts_with('-');
  const std::string chiffres =
      std::string(centimes.substr(negatif ? 1 : 0)) + std::string(taux.decimales, '0');
  const auto diviseur = static_cast<unsigned long long>(taux.chiffres);
  unsigned long long reste = 0;
  std::string quotient;
  for (char c : chiffres) {
    reste = reste * 10 + static_cast<unsigned long long>(c - '0');
    quotient += static_cast<char>('0' + reste / diviseur);
    reste %= diviseur;
  }
  if (2 * reste >= diviseur) plusUn(quotient);
  quotient.erase(0, std::min(quotient.find_first_not_of('0'), quotient.size()));
  if (quotient.empty()) return "0";
  return (negatif ? "-" : "") + quotient;
}

PrixDevise prixDevise(std::string_view prix, std::string_view dev1, std::string_view dev2,
                      std::string_view taux) {
  PrixDevise r;
  std::string propre = nettoyerPrix(prix);
  r.prixPrincipalTexte = formaterPrix(propre) + " " + platform::htmlText(dev1);

  // A rate that is no number above zero converts nothing (the build names it).
  const auto t = tauxDevise(taux);
  if (!t) return r;
  // The price in cents, as the order form counts it, then converted on its digits.
  std::string nombre = platform::val(propre).ok() ? propre : "0";
  if (nombre.find('.') == std::string::npos) nombre += '.';
  std::string centimes = auCentime(nombre + "000");
  centimes.erase(centimes.size() - 3, 1);
  std::string converti = centimesDevise(centimes, *t);
  const bool negatif = converti.starts_with('-');
  if (negatif) converti.erase(0, 1);
  if (converti.size() < 3) converti.insert(0, 3 - converti.size(), '0');
  converti = (negatif ? "-" : "") + converti.substr(0, converti.size() - 2) + "." +
             converti.substr(converti.size() - 2);
  if (converti.size() < 20) converti.insert(0, 20 - converti.size(), ' ');
  r.texteCommun = formaterPrix(converti);
  if (!dev2.empty()) r.prixDeviseTexte = r.texteCommun + " " + platform::htmlText(dev2);
  return r;
}

bool nomValide(std::string_view nom) {
  for (char c : nom) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b < 42 || b > 122 || std::strchr(",./;<>?@[\\]^", c) != nullptr) return false;
  }
  return true;
}

bool copierFichier(const std::filesystem::path& source, const std::filesystem::path& destination,
                   bool nePasRemplacer) {
  return platform::copyFile(source, destination, nePasRemplacer);
}

}  // namespace app
