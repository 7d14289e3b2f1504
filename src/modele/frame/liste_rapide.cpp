#include "modele/frame/liste_rapide.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "modele/app/texte_prix.h"
#include "modele/infopages/recherche_base.h"
#include "modele/infopages/recherche_options.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

namespace {

using platform::jsString;
using platform::trim;
using platform::urlQueryValue;

// A word shown between tags.
std::string texteHtml(const std::string& texte) {
  std::string s;
  for (char c : texte) {
    switch (c) {
      case '&': s += "&amp;"; break;
      case '<': s += "&lt;"; break;
      case '>': s += "&gt;"; break;
      case '"': s += "&quot;"; break;
      default: s += c;
    }
  }
  return s;
}

std::string valeurOuDefaut(const std::string& valeur, const std::string& defaut) {
  return valeur.empty() ? defaut : valeur;
}

std::string requete(const std::string& slug, const std::string& mot, const OptionsListeRapide& o,
                    const std::string& cible) {
  return "choix_liste.php?motf=" + urlQueryValue(slug) + "&col=" + urlQueryValue(o.col) +
         "&f=" + urlQueryValue(cible) + "&t=" + urlQueryValue(mot) + "&p=" +
         urlQueryValue(o.police) + "&s=" + urlQueryValue(o.taille) + "&c=" +
         urlQueryValue(o.centrer) + "&g=" + urlQueryValue(o.gras) + "&k=" +
         urlQueryValue(o.couleur);
}

}  // namespace

OptionsListeRapide optionsListeRapide(const platform::LineList* ini, const EntreesListeRapide& e) {
  OptionsListeRapide o;
  if (ini) {
    auto lu = [&](const char* cle) { return trim(ini->value(cle)); };
    o.titre = ini->value("titre");
    o.col = ini->value("col");
    o.gauche = lu("menug") == "oui";
    o.desactive = lu("desac") == "oui";
    o.police = valeurOuDefaut(lu("police"), e.police_defaut);
    o.couleur = valeurOuDefaut(lu("couleur"), e.couleur_cat);
    o.taille = valeurOuDefaut(lu("taille"), "2");
    o.centrer = valeurOuDefaut(lu("centrer"), "oui");
    o.gras = valeurOuDefaut(lu("gras"), "oui");
  }
  if (o.couleur.find('#') != std::string::npos) o.couleur = trim(o.couleur.substr(1));
  o.titre = valeurOuDefaut(o.titre, "Choix rapide");
  o.col = valeurOuDefaut(o.col, "1");
  for (char& c : o.titre)
    if (c == '"') c = ' ';
  return o;
}

ListeRapide listeRapide(const platform::LineList& base, const platform::LineList& pages,
                        const OptionsListeRapide& o, const std::string& cible, char sepurl) {
  ListeRapide l;
  std::vector<std::string> mots;
  for (const std::string& ligne : base) {
    infopages::LienRecherche lien = infopages::lireLien(ligne);
    if (lien.mot.empty() || lien.reference == "NULL") continue;
    const std::string slug = app::nomURL(lien.mot, sepurl);
    const std::string page = trim(pages.value(lien.reference));
    if (!page.empty()) l.table.add(slug + "=" + lien.reference + "=" + page);
    if (std::find(mots.begin(), mots.end(), lien.mot) == mots.end()) mots.push_back(lien.mot);
  }
  if (mots.empty()) return l;

  const std::string titre = texteHtml(o.titre);
  l.fragment.add("<form name=\"choix_liste\"><SELECT name=\"choix\" class=\"rech\" "
                 "onChange=\"charge_URL('choix_liste','choix','" + cible + "')\">");
  l.fragment.add("<OPTION value=\"x\">" + titre + "</OPTION>");
  l.script.add("document.write(\"<form name=choix_liste><SELECT name=choix class=rech "
               "onChange=\\\"charge_URL('choix_liste','choix','" + cible + "')\\\">\");");
  l.script.add("document.write(\"<OPTION value=\\\"x\\\">" + jsString(titre) + "</OPTION>\");");
  for (const std::string& mot : mots) {
    const std::string valeur = requete(app::nomURL(mot, sepurl), mot, o, cible);
    l.fragment.add("<OPTION value=\"" + valeur + "\">" + texteHtml(mot) + "</OPTION>");
    l.script.add("document.write(\"<OPTION value=\\\"" + jsString(valeur) + "\\\">" +
                 jsString(texteHtml(mot)) + "</OPTION>\");");
  }
  l.fragment.add("</SELECT></FORM>");
  l.script.add("document.write(\"</SELECT></FORM>\");");
  return l;
}

std::string faireListeRapide(const EntreesListeRapide& e, const platform::DataFolder& donnees) {
  std::optional<platform::LineList> ini;
  std::string fragment = kFragmentListeTop;
  if (donnees.exists(infopages::kFichierOptionsRecherche)) {
    ini = platform::LineList::load(donnees.path(infopages::kFichierOptionsRecherche));
    oublierListeRapide(donnees);
  }
  const OptionsListeRapide o = optionsListeRapide(ini ? &*ini : nullptr, e);
  if (o.gauche) fragment = kFragmentListeGauche;
  const std::string cible = e.frames ? "principal" : "_top";
  if (o.desactive) return cible;

  const platform::LineList base =
      platform::LineList::load(donnees.path(infopages::kFichierBaseRecherche));
  platform::LineList pages;
  if (donnees.exists("listeHTM.tmp"))
    pages = platform::LineList::load(donnees.path("listeHTM.tmp"));
  const ListeRapide l = listeRapide(base, pages, o, cible, e.sepurl);

  // A failed copy of the script is passed over, as for every support file.
  platform::copyFile(donnees.path("choix_liste.php"), donnees.path("ftp/choix_liste.php"), false);
  if (l.table.empty()) return cible;
  l.table.save(donnees.path("ftp/choix_liste.bdd"));
  l.fragment.save(donnees.path(fragment));
  if (donnees.exists(kFragmentListeGauche))
    l.script.save(donnees.path("ftp/recherche_base_gauche.js"));
  return cible;
}

void oublierListeRapide(const platform::DataFolder& donnees) {
  for (const char* nom : {kFragmentListeTop, kFragmentListeGauche})
    if (donnees.exists(nom)) platform::removeFile(donnees.path(nom));
}

}  // namespace frame
