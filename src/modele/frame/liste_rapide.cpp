#include "modele/frame/liste_rapide.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "modele/app/texte_prix.h"
#include "modele/infopages/recherche_base.h"
#include "modele/infopages/recherche_options.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

namespace {

using platform::jsString;
using platform::LineList;
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

// One word of the list as the server script shows it: its references, each once at its first
// place with its last page, as the script reads the table.
struct Bloc {
  std::string slug, mot;
  std::vector<std::pair<std::string, std::string>> liens;  // reference, page
  std::unordered_map<std::string, size_t> places;
  void ajoute(const std::string& reference, const std::string& page) {
    const auto [place, neuve] = places.try_emplace(reference, liens.size());
    if (neuve) liens.push_back({reference, page});
    else liens[place->second].second = page;
  }
};

// From disc no server runs choix_liste.php: the page it would give for each word, as a block
// that the script shows when its query names that word.
LineList pageListes(const std::vector<Bloc>& blocs, const OptionsListeRapide& o,
                    const std::string& cible) {
  int colonnes = 1;
  if (o.col.size() <= 2 && o.col.find_first_not_of("0123456789") == std::string::npos)
    colonnes = std::clamp(std::atoi(o.col.c_str()), 1, 10);
  std::string couleur = o.couleur;
  if (couleur.size() == 6 && couleur.find_first_not_of("0123456789ABCDEFabcdef") == std::string::npos)
    couleur = "#" + couleur;
  const bool gras = o.gras == "oui", centrer = o.centrer == "oui";
  const std::string ouverture = "<font face=\"" + texteHtml(o.police) + "\" size=\"" +
                                texteHtml(o.taille) + "\" color=\"" + texteHtml(couleur) + "\">" +
                                (gras ? "<b>" : "");
  const std::string fermeture = std::string(gras ? "</b>" : "") + "</font>";
  LineList s{"<HTML>", "<HEAD>", platform::kCharsetMeta, "<TITLE>" + texteHtml(o.titre) + "</TITLE>",
             "</HEAD>", "<BODY>"};
  for (const Bloc& b : blocs) {
    s.add("<div id=\"l_" + texteHtml(b.slug) + "\" style=\"display:none\">");
    if (centrer) s.add("<center>");
    s.add(ouverture + texteHtml(b.mot) + fermeture + "<br><br>");
    if (b.liens.empty()) {
      s.add(ouverture + "Aucun produit" + fermeture);
    } else {
      s.add(LineList{"<table border=0 cellpadding=4>", "<tr>"});
      for (size_t n = 0; n < b.liens.size(); ++n) {
        if (n > 0 && n % colonnes == 0) s.add(LineList{"</tr>", "<tr>"});
        s.add("<td><a href=\"" + texteHtml(b.liens[n].second) + "\" target=\"" + cible + "\">" +
              ouverture + texteHtml(b.liens[n].first) + fermeture + "</a></td>");
      }
      s.add(LineList{"</tr>", "</table>"});
    }
    if (centrer) s.add("</center>");
    s.add("</div>");
  }
  s.add(LineList{"<script language=\"JavaScript\">",
                 "var motf=/[?&]motf=([^&#]*)/.exec(location.search),bloc=null;",
                 "try{if(motf)bloc=document.getElementById(\"l_\"+decodeURIComponent(motf[1]));}catch(erreur){}",
                 "if(bloc)bloc.style.display=\"\";", "</script>", "</BODY>", "</HTML>"});
  return s;
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
  // Each word line looks its page up at a constant cost: the step stays linear in the catalogue.
  const platform::ValueIndex pagesParReference(pages);
  std::vector<std::string> mots;
  std::unordered_set<std::string> motsVus;
  std::vector<Bloc> blocs;
  std::unordered_map<std::string, size_t> parSlug;
  for (const std::string& ligne : base) {
    infopages::LienRecherche lien = infopages::lireLien(ligne);
    if (lien.mot.empty() || lien.reference == "NULL") continue;
    const std::string slug = app::nomURL(lien.mot, sepurl);
    const std::string page = trim(pagesParReference.value(lien.reference));
    const auto [place, neuf] = parSlug.try_emplace(slug, blocs.size());
    if (neuf) blocs.push_back({slug, lien.mot, {}, {}});
    if (!page.empty()) {
      l.table.add(slug + "=" + lien.reference + "=" + page);
      blocs[place->second].ajoute(lien.reference, page);
    }
    if (motsVus.insert(lien.mot).second) mots.push_back(lien.mot);
  }
  if (mots.empty()) return l;
  l.page = pageListes(blocs, o, cible);

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
  l.page.save(donnees.path("ftp/choix_liste.htm"));
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
