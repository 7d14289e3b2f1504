#include "modele/pages/pages_references.h"

#include <unordered_map>

#include "modele/pages/vignette.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace pages {

namespace {

// Written for PHP 8: literal, case-insensitive searches; whole lines; only the page named here,
// from the script's own folder. The first line gives the page its charset, since the served
// page keeps none of the list page's META lines and PHP would announce UTF-8.
constexpr std::string_view kEntete =
    "<?php header(\"Content-Type: text/html; charset=windows-1252\"); ?>";

constexpr std::string_view kScript = R"php(<?php
function verif($somme)
{
$deb=substr($somme,0,1);
if ($deb!="-") {$deb="";}
$somme="".$somme;
$somme=str_replace(" ","",$somme);
$somme=preg_replace('/[^0-9,.]/',"",$somme);
$somme=str_replace(",",".",$somme);
if ($somme=="") {$somme="0";}
if ($deb!="") {$somme=$deb.$somme;}
return($somme);
}
$url=__DIR__."/index.htm";
$url_produit=__DIR__."/".basename(@PAGE@);
$ref=@REFERENCE@;
$skin="";
$skinT="";
$vignette="";
$tableauS=array();
if (file_exists($url_produit))
{
$url=$url_produit;
}
$lireU=@fopen($url,"r");
while($lireU!==false && ($ligneU=fgets($lireU))!==false)
{
$ligneU=trim($ligneU);
if ($ligneU!="")
{
if (stripos($ligneU,"<TITLE>")!==false)
{
$ligneU="";
}
if (stripos($ligneU,"<HEAD>")!==false)
{
$ligneU="";
}
if (stripos($ligneU,"<HTML>")!==false)
{
$ligneU="";
}
if (stripos($ligneU,"<META")!==false)
{
$ligneU="";
}
if ($skin=="")
{
print($ligneU."\n");
if (stripos($ligneU,"<!-- marqueur liste rapide haut")!==false)
{
$skin="oui";
print("<center>\n");
print("<table border=0><tr>");
}
}
if ($skin=="oui")
{
if (stripos($ligneU,"<!--//DEBUT//".$ref)!==false)
{
$part2=explode("DEBUT//",$ligneU)[1] ?? "";
$refV=explode("*",$part2)[0];
if ($refV===$ref)
{
$vignette="debut_";
print("<tr valign=\"_top\">\n");
print("<td align=\"center\" valign=\"_top\">\n");
}
}
if ($vignette=="debut_")
{
if (stripos($ligneU,"<!-- marqueur liste rapide vignette")!==false)
{
$vignette="debut";
if (stripos($ligneU,"tableau")!==false)
{
$largeur=verif(trim(explode("=",$ligneU)[1] ?? ""));
$width="";
if ($largeur>0) {$width="width=$largeur";}
print("<table border=0 cellpadding=0 cellspacing=0 $width>\n");
}
}
}
if ($vignette=="debut")
{
print($ligneU."\n");
if (stripos($ligneU,"<FORM NAME")!==false)
{
$skinT="oui";
}
if ($skinT=="oui")
{
$tableauS[]=$ligneU;
if (stripos($ligneU,"</tr>")!==false) {$skinT="";}
}
if (stripos($ligneU,"<!-- marqueur liste rapide vignette bas tableau")!==false)
{
foreach ($tableauS as $ligneT)
{
print($ligneT."\n");
}
print("</table>\n");
}
}
if (stripos($ligneU,"<!-- marqueur liste rapide vignette bas")!==false) {$vignette="fin";}
}
}
}
if ($lireU!==false) {fclose($lireU);}
?>)php";

// A single-quoted PHP literal.
std::string literalPhp(std::string_view texte) {
  std::string s = "'";
  for (char c : texte) {
    if (c == '\\' || c == '\'') s += '\\';
    s += c;
  }
  return s + "'";
}

void remplacer(std::string& ligne, std::string_view marque, const std::string& valeur) {
  if (size_t i = ligne.find(marque); i != std::string::npos)
    ligne.replace(i, marque.size(), valeur);
}

// Page text of a PHP file: "<?" would open code ("<?=" runs even without short tags).
std::string sansCodePhp(std::string texte) {
  for (size_t i = texte.find("<?"); i != std::string::npos; i = texte.find("<?", i + 5))
    texte.replace(i, 1, "&lt;");
  return texte;
}

// Comments hold the shopkeeper's HTML: a meta description wants their text only.
std::string sansBalises(std::string_view texte) {
  std::string s;
  bool balise = false;
  for (char c : texte) {
    if (c == '<') balise = true;
    if (!balise) s += c;
    if (c == '>') balise = false;
  }
  return s;
}

// listeHTM.tmp as a name=value list: names without regard to case, the first line wins.
std::unordered_map<std::string, std::string> indexPages(const platform::DataFolder& donnees) {
  std::unordered_map<std::string, std::string> index;
  if (!donnees.exists("listeHTM.tmp")) return index;
  for (const auto& ligne : platform::LineList::load(donnees.path("listeHTM.tmp"))) {
    const size_t egal = ligne.find('=');
    if (egal != std::string::npos)
      index.try_emplace(platform::lowerAscii(ligne.substr(0, egal)), ligne.substr(egal + 1));
  }
  return index;
}

}  // namespace

FicheReference lireFicheReference(const platform::LineList& fiche) {
  FicheReference f{fiche.value("reference"), fiche.value("description"), fiche.value("auteur"),
                   fiche.value("categorie"), fiche.value("mot_cle"),     ""};
  platform::forEachKeyValue(fiche, [&f](std::string_view cle, std::string_view valeur) {
    if (cle == "commentaires") f.commentaires += " " + platform::trim(valeur);
  });
  return f;
}

platform::LineList pageProduitPhp(const FicheReference& fiche, std::string_view page,
                                  const platform::LineList& refIni) {
  platform::LineList l;
  l.add(std::string(kEntete));
  l.add("<HTML><HEAD>");
  l.add(sansCodePhp("<TITLE>" + sansPoids(fiche.description) +
                    (fiche.auteur.empty() ? "" : " " + platform::htmlText(fiche.auteur)) + " " + fiche.categorie +
                    " " + fiche.mot_cle + "</TITLE>"));
  const std::string d =
      platform::trim(std::string_view(sansBalises(fiche.commentaires)).substr(0, 255));
  if (!d.empty())
    l.add("<meta name=\"description\" content=\"" + platform::htmlAttribute(d) + "\">");
  l.add("</HEAD>");
  for (const auto& ligne : platform::split(kScript, '\n')) {
    std::string s = ligne;
    remplacer(s, "@PAGE@", literalPhp(page));
    remplacer(s, "@REFERENCE@", literalPhp(fiche.reference));
    l.add(std::move(s));
  }
  l.add(refIni);
  return l;
}

platform::LineList ecrirePagesReferences(const EntreesPagesReferences& e,
                                         const platform::DataFolder& donnees) {
  platform::LineList html{"<HTML><HEAD>", platform::kCharsetMeta,
                          "<TITLE>" + e.titreSite + "</TITLE></HEAD>", "<BODY>",
                          "<center>", "<table border=0>"};
  const auto index = indexPages(donnees);
  const platform::LineList refIni = donnees.exists("ref.ini")
                                        ? platform::LineList::load(donnees.path("ref.ini"))
                                        : platform::LineList{};
  platform::makeFolder(donnees.root() / "ftp");
  int cellules = 0;
  for (size_t i = 0; i < e.fiches.size(); ++i) {
    const FicheReference f =
        lireFicheReference(platform::LineList::load(donnees.path(e.fiches[i])));
    if (e.avancer) e.avancer(static_cast<int>(i));
    const auto trouvee = index.find(platform::lowerAscii(f.reference));
    if (trouvee == index.end() || trouvee->second.empty()) continue;
    // A reference that cannot name a file of ftp/ has no page there (nor any list page).
    const std::string nom = "_" + f.reference + ".php";
    if (!platform::isWindowsFileName(nom)) continue;
    pageProduitPhp(f, trouvee->second, refIni).save(donnees.path("ftp/" + nom));
    if (cellules % 4 == 0) html.add("<tr>");
    html.add("<td nowrap><a href=\"" + platform::htmlAttribute(nom) +
             "\"><font face=\"verdana, arial\" size=2>" + f.description + "</font></a>");
    if (++cellules % 4 == 0) html.add("</tr>");
  }
  html.add("</table></center></body></html>");
  html.save(donnees.path("ftp/ref.html"));
  return html;
}

}  // namespace pages
