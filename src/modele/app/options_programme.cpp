#include "modele/app/options_programme.h"

#include <algorithm>
#include <array>

#include "platform/text.h"

namespace app {

namespace {

using Champ = std::string TOptionsProgramme::*;

enum class Regle {
  U,  // always replaces the default, trimmed; a missing key empties the option
  N,  // taken only when not empty (before trimming), then trimmed
};

struct Cle {
  const char* cle;
  Champ champ;
  Regle regle;
  const char* defaut;      // before any file is read
  const char* siVide;      // given after tarvio.ini when the option is still empty
};

// tarvio.ini, in the order it is read. sepurl has its own rule and is read apart.
const Cle cles[] = {
    {"titleinv", &TOptionsProgramme::titleinv, Regle::U, "", ""},
    {"ajouter_js", &TOptionsProgramme::ajouter_js, Regle::U, "", ""},
    {"titrethemes", &TOptionsProgramme::titrethemes, Regle::U, "", ""},
    {"accueil_titre", &TOptionsProgramme::accueil_titre, Regle::U, "", ""},
    {"menu_titre", &TOptionsProgramme::menu_titre, Regle::U, "", ""},
    {"menuh_titre", &TOptionsProgramme::menuh_titre, Regle::U, "", ""},
    {"mot_recherche", &TOptionsProgramme::mot_recherche, Regle::U, "", "Recherche mot-clé"},
    {"phrase_fermer", &TOptionsProgramme::phrase_fermer, Regle::U, "", ""},
    {"accueil_cache", &TOptionsProgramme::accueil_cache, Regle::U, "", ""},
    {"cartouche_fond", &TOptionsProgramme::cartouche_fond, Regle::U, "", ""},
    {"cartouche_couleur", &TOptionsProgramme::cartouche_couleur, Regle::U, "", ""},
    {"cartouche_souligne", &TOptionsProgramme::cartouche_souligne, Regle::U, "", ""},
    {"cartouche_taille", &TOptionsProgramme::cartouche_taille, Regle::U, "", ""},
    {"recherche_fond", &TOptionsProgramme::recherche_fond, Regle::U, "", ""},
    {"recherche_titre", &TOptionsProgramme::recherche_titre, Regle::U, "", ""},
    {"recherche_liens", &TOptionsProgramme::recherche_liens, Regle::U, "", ""},
    {"recherche_texte", &TOptionsProgramme::recherche_texte, Regle::U, "", ""},
    {"menu_titres", &TOptionsProgramme::menu_titres, Regle::U, "", ""},
    {"menu_titresR", &TOptionsProgramme::menu_titresR, Regle::U, "", ""},
    {"coul_scroll", &TOptionsProgramme::coul_scroll, Regle::U, "", ""},
    {"marges_mg", &TOptionsProgramme::marges_mg, Regle::U, "", ""},
    {"refmod", &TOptionsProgramme::refmod, Regle::U, "", ""},
    {"page_auteurs", &TOptionsProgramme::page_auteurs, Regle::U, "", ""},
    {"suppinv", &TOptionsProgramme::suppinv, Regle::U, "", ""},
    {"fond_rappel", &TOptionsProgramme::fond_rappel, Regle::U, "", "#5A6BA5"},
    {"titre_rappel", &TOptionsProgramme::titre_rappel, Regle::U, "", "white"},
    {"image_rubriques", &TOptionsProgramme::image_rubriques, Regle::U, "", ""},
    {"image_fond_menu", &TOptionsProgramme::image_fond_menu, Regle::U, "", ""},
    {"largeur_tableau", &TOptionsProgramme::largeur_tableau, Regle::U, "", ""},
    {"menu_tailles", &TOptionsProgramme::menu_tailles, Regle::U, "", "1"},
    {"menu_taille_T", &TOptionsProgramme::menu_taille_T, Regle::U, "", "2"},
    {"menu_taille_V", &TOptionsProgramme::menu_taille_V, Regle::U, "", "2"},
    {"menu_taille_S", &TOptionsProgramme::menu_taille_S, Regle::U, "", "2"},
    {"police_defaut", &TOptionsProgramme::police_defaut, Regle::U, "", "Verdana"},
    {"articles_trouves", &TOptionsProgramme::articles_trouves, Regle::U, "", ""},
    {"couleur_liee", &TOptionsProgramme::couleur_liee, Regle::U, "", ""},
    {"theme_enpremier", &TOptionsProgramme::theme_enpremier, Regle::U, "", ""},
    {"taille_liee", &TOptionsProgramme::taille_liee, Regle::N, "1", ""},
    {"gras_liee", &TOptionsProgramme::gras_liee, Regle::N, "non", ""},
    {"phrase_pc", &TOptionsProgramme::phrase_pc, Regle::N, "Produits complémentaires", ""},
    {"fen_pc_width", &TOptionsProgramme::fen_pc_width, Regle::N, "800", ""},
    {"fen_pc_height", &TOptionsProgramme::fen_pc_height, Regle::N, "400", ""},
    {"espacePds", &TOptionsProgramme::espacePds, Regle::N, "4", ""},
    {"vig_visual", &TOptionsProgramme::vig_visual, Regle::N, "", ""},
    {"vscrollx", &TOptionsProgramme::vscrollx, Regle::N, "100", ""},
    {"vscrolly", &TOptionsProgramme::vscrolly, Regle::N, "10", ""},
    {"esp_M", &TOptionsProgramme::esp_M, Regle::N, "4", ""},
    {"esp_G", &TOptionsProgramme::esp_G, Regle::N, "2", ""},
    {"esp_P", &TOptionsProgramme::esp_P, Regle::N, "4", ""},
    {"i_ref", &TOptionsProgramme::i_ref, Regle::N, "", ""},
    {"TOP_distant", &TOptionsProgramme::TOP_distant, Regle::N, "", ""},
    {"titre_deroulant", &TOptionsProgramme::titre_deroulant, Regle::N, "--- SELECTIONNER ---", ""},
    {"ascenseur", &TOptionsProgramme::ascenseur, Regle::N, "", ""},
    // The dialog writes these three; reading them back keeps a saved heading across restarts.
    {"couleur_lieeT", &TOptionsProgramme::couleur_lieeT, Regle::N, "", ""},
    {"taille_lieeT", &TOptionsProgramme::taille_lieeT, Regle::N, "2", ""},
    {"gras_lieeT", &TOptionsProgramme::gras_lieeT, Regle::N, "oui", ""},
};

enum class Ecriture { Toujours, SiNonVide };

struct LigneEcrite {
  const char* cle;
  Champ champ;
  Ecriture quand;
};

// The block the dialog appends to tarvio.ini, in its order.
const LigneEcrite blocEcrit[] = {
    {"sepurl", &TOptionsProgramme::sepurl, Ecriture::Toujours},
    {"menu_titres", &TOptionsProgramme::menu_titres, Ecriture::SiNonVide},
    {"menu_titresR", &TOptionsProgramme::menu_titresR, Ecriture::SiNonVide},
    {"theme_enpremier", &TOptionsProgramme::theme_enpremier, Ecriture::SiNonVide},
    {"cartouche_fond", &TOptionsProgramme::cartouche_fond, Ecriture::SiNonVide},
    {"cartouche_couleur", &TOptionsProgramme::cartouche_couleur, Ecriture::SiNonVide},
    {"cartouche_souligne", &TOptionsProgramme::cartouche_souligne, Ecriture::SiNonVide},
    {"cartouche_taille", &TOptionsProgramme::cartouche_taille, Ecriture::SiNonVide},
    {"recherche_fond", &TOptionsProgramme::recherche_fond, Ecriture::SiNonVide},
    {"recherche_liens", &TOptionsProgramme::recherche_liens, Ecriture::SiNonVide},
    {"recherche_titre", &TOptionsProgramme::recherche_titre, Ecriture::SiNonVide},
    {"recherche_texte", &TOptionsProgramme::recherche_texte, Ecriture::SiNonVide},
    {"accueil_titre", &TOptionsProgramme::accueil_titre, Ecriture::SiNonVide},
    {"titrethemes", &TOptionsProgramme::titrethemes, Ecriture::SiNonVide},
    {"menu_titre", &TOptionsProgramme::menu_titre, Ecriture::SiNonVide},
    {"menuh_titre", &TOptionsProgramme::menuh_titre, Ecriture::SiNonVide},
    {"fond_rappel", &TOptionsProgramme::fond_rappel, Ecriture::SiNonVide},
    {"titre_rappel", &TOptionsProgramme::titre_rappel, Ecriture::SiNonVide},
    {"police_defaut", &TOptionsProgramme::police_defaut, Ecriture::SiNonVide},
    {"espacePds", &TOptionsProgramme::espacePds, Ecriture::SiNonVide},
    {"esp_M", &TOptionsProgramme::esp_M, Ecriture::SiNonVide},
    {"esp_G", &TOptionsProgramme::esp_G, Ecriture::SiNonVide},
    {"esp_P", &TOptionsProgramme::esp_P, Ecriture::SiNonVide},
    {"menu_tailles", &TOptionsProgramme::menu_tailles, Ecriture::Toujours},
    {"menu_taille_T", &TOptionsProgramme::menu_taille_T, Ecriture::Toujours},
    {"menu_taille_V", &TOptionsProgramme::menu_taille_V, Ecriture::Toujours},
    {"menu_taille_S", &TOptionsProgramme::menu_taille_S, Ecriture::Toujours},
    {"largeur_tableau", &TOptionsProgramme::largeur_tableau, Ecriture::Toujours},
    {"phrase_pc", &TOptionsProgramme::phrase_pc, Ecriture::Toujours},
    {"couleur_liee", &TOptionsProgramme::couleur_liee, Ecriture::Toujours},
    {"taille_liee", &TOptionsProgramme::taille_liee, Ecriture::Toujours},
    {"gras_liee", &TOptionsProgramme::gras_liee, Ecriture::Toujours},
    {"couleur_lieeT", &TOptionsProgramme::couleur_lieeT, Ecriture::Toujours},
    {"taille_lieeT", &TOptionsProgramme::taille_lieeT, Ecriture::Toujours},
    {"gras_lieeT", &TOptionsProgramme::gras_lieeT, Ecriture::Toujours},
    {"fen_pc_width", &TOptionsProgramme::fen_pc_width, Ecriture::Toujours},
    {"fen_pc_height", &TOptionsProgramme::fen_pc_height, Ecriture::Toujours},
    {"articles_trouves", &TOptionsProgramme::articles_trouves, Ecriture::Toujours},
    {"i_ref", &TOptionsProgramme::i_ref, Ecriture::Toujours},
    {"TOP_distant", &TOptionsProgramme::TOP_distant, Ecriture::Toujours},
    {"titre_deroulant", &TOptionsProgramme::titre_deroulant, Ecriture::Toujours},
};

// Keys the dialog removes without writing them back.
const char* const clesRetirees[] = {"url_extF", "url_extF_mg"};

// The dialog owns these lines. Any letter case is dropped: the reader ignores case and takes the
// first line, so a stale "Sepurl=" left above the block would hide the saved value.
bool cleDuDialogue(std::string_view cle) {
  for (const auto& l : blocEcrit)
    if (platform::equalsNoCase(cle, l.cle)) return true;
  for (const char* c : clesRetirees)
    if (platform::equalsNoCase(cle, c)) return true;
  return false;
}

void appliquerN(const platform::LineList& lignes, std::string_view cle, std::string& variable,
                bool rogner) {
  std::string valeur = lignes.value(cle);
  if (!valeur.empty()) variable = rogner ? platform::trim(valeur) : valeur;
}

void lireTarvioIni(const platform::LineList& lignes, TOptionsProgramme& o) {
  for (const auto& c : cles) {
    if (c.regle == Regle::U)
      o.*c.champ = platform::trim(lignes.value(c.cle));
    else
      appliquerN(lignes, c.cle, o.*c.champ, true);
  }
  // The first character as it stands, untrimmed.
  o.sepurl = lignes.value("sepurl").substr(0, 1);
}

}  // namespace

std::string TOptionsProgramme::espacement(std::string TOptionsProgramme::*champ) const {
  const std::string& valeur = this->*champ;
  if (!valeur.empty() && std::all_of(valeur.begin(), valeur.end(),
                                     [](char c) { return c >= '0' && c <= '9'; }))
    return valeur;
  for (const auto& c : cles)
    if (c.champ == champ) return c.defaut;
  return valeur;
}

OptionsDemarrage chargerOptionsDemarrage(const platform::DataFolder& dossier) {
  OptionsDemarrage r;
  TOptionsProgramme& o = r.options;
  for (const auto& c : cles) o.*c.champ = c.defaut;

  r.frames = "non";
  if (dossier.exists("frames.inf"))
    appliquerN(platform::loadIfPresent(dossier, "frames.inf"), "frames", r.frames, false);
  else
    r.frames = "oui";

  r.accueilLf = "800";
  r.accueilHf = "500";
  platform::LineList accueil = platform::loadIfPresent(dossier, "accueilF.inf");
  appliquerN(accueil, "accueilLf", r.accueilLf, false);
  appliquerN(accueil, "accueilHf", r.accueilHf, false);

  platform::LineList etat = platform::loadIfPresent(dossier, "etat.txt");
  appliquerN(etat, "phrase", r.etat.phrase, false);
  appliquerN(etat, "police", r.etat.police, false);
  appliquerN(etat, "couleur", r.etat.couleur, false);
  appliquerN(etat, "size", r.etat.size, false);
  appliquerN(etat, "gras", r.etat.gras, false);

  if (dossier.exists("tarvio.ini")) lireTarvioIni(platform::loadIfPresent(dossier, "tarvio.ini"), o);

  for (const auto& c : cles)
    if ((o.*c.champ).empty()) o.*c.champ = c.siVide;

  // A separator chosen in the file stays; an unset one follows the site already generated.
  if (o.sepurl.empty()) {
    o.sepurl = "-";
    platform::LineList index = platform::loadIfPresent(dossier, "listeHTM.tmp");
    if (std::any_of(index.begin(), index.end(),
                    [](const std::string& l) { return l.find('_') != std::string::npos; }))
      o.sepurl = "_";
  }

  platform::LineList ajout = platform::loadIfPresent(dossier, "vignettes/tarvio_add.ini");
  appliquerN(ajout, "vig_visual", o.vig_visual, true);
  appliquerN(ajout, "vscrollx", o.vscrollx, true);
  appliquerN(ajout, "vscrolly", o.vscrolly, true);
  return r;
}

std::string panierPro(std::string_view url_cgi) { return url_cgi == "pro.php" ? "oui" : ""; }

platform::LineList lignesOptionsProgramme(const platform::LineList& existantes,
                                          const TOptionsProgramme& options) {
  platform::LineList lignes;
  for (const auto& l : existantes) {
    if (l.empty()) continue;
    size_t egal = l.find('=');
    if (egal != std::string::npos && cleDuDialogue(std::string_view(l).substr(0, egal))) continue;
    lignes.add(l);
  }
  for (const auto& l : blocEcrit) {
    const std::string& valeur = options.*l.champ;
    if (l.quand == Ecriture::SiNonVide && valeur.empty()) continue;
    lignes.add(std::string(l.cle) + "=" + valeur);
  }
  return lignes;
}

void sauverOptionsProgramme(const platform::DataFolder& dossier, const TOptionsProgramme& options) {
  lignesOptionsProgramme(platform::loadIfPresent(dossier, "tarvio.ini"), options)
      .save(dossier.path("tarvio.ini"));
}

}  // namespace app
