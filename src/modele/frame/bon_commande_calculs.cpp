// The order form's computing scripts: the settings of import/, the functions of the head and the
// pieces of the cart table. Every amount is counted in whole cents in the browser, so that a
// basket costs the same whatever the order of its lines, and is rounded once, half up, where a
// rate makes a part of it (VAT, the second currency); it is formatted for display only. The
// settings are written as whole numbers the build read; a value it cannot read counts as absent
// and is named, and a tariff that has no table leaves the shipping as it was, so the form never
// stops on an error.

#include "modele/frame/bon_commande.h"

#include "modele/app/montants_fiche.h"
#include "modele/app/texte_prix.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

namespace {

using platform::LineList;

// A number as lireMontant writes it ("4.35"), not below 0, as a whole count of its
// 10^-decimales units rounded half up on its digits; none beyond what the form counts exactly.
std::optional<long long> unites(const std::optional<std::string>& nombre, int decimales) {
  if (!nombre || nombre->starts_with('-')) return std::nullopt;
  const size_t point = nombre->find('.');
  const std::string fraction = point == std::string::npos ? "" : nombre->substr(point + 1);
  std::string chiffres = nombre->substr(0, point) + (fraction + std::string(decimales, '0')).substr(0, decimales);
  chiffres.erase(0, std::min(chiffres.find_first_not_of('0'), chiffres.size()));
  if (chiffres.size() > 16) return std::nullopt;
  long long n = chiffres.empty() ? 0 : *platform::toInteger(chiffres);
  if (fraction.size() > static_cast<size_t>(decimales) && fraction[decimales] >= '5') ++n;
  if (n > (1LL << 53) - 1) return std::nullopt;
  return n;
}

bool vide(std::string_view valeur) { return platform::trim(valeur).empty(); }

// The number of unweighed items a package holds, as a script number; none as for an amount.
std::optional<std::string> caisseLue(std::string_view valeur) {
  const auto lu = app::lireMontant(valeur);
  if (vide(valeur) || !unites(lu, 0)) return std::nullopt;
  return lu;
}

TGrilleTarif lireGrille(const platform::DataFolder& dossier, const std::string& nom) {
  TGrilleTarif grille{nom, {}};
  const auto chemin = platform::safeRelativePath(nom);
  if (!nom.empty() && chemin) grille.lignes = platform::loadIfPresent(dossier, "import/" + nom);
  return grille;
}

}  // namespace

std::string texteScript(std::string_view valeur) {
  std::string s = platform::jsString(valeur);
  for (size_t p = 0; (p = s.find("</", p)) != std::string::npos; p += 3) s.replace(p, 2, "<\\/");
  return "\"" + s + "\"";
}

std::string nombreScript(std::string_view valeur) {
  std::string s = platform::trim(valeur);
  for (char& c : s)
    if (c == ',') c = '.';
  const platform::Conversion n = platform::val(s);
  return n.ok() && !s.empty() ? s : "0";
}

std::optional<long long> centimesReglage(std::string_view valeur) {
  if (vide(valeur) || app::refusNombre({}, valeur, app::Signe::positif)) return std::nullopt;
  return unites(app::lireMontant(valeur), 2);
}

std::optional<long long> tauxReglage(std::string_view valeur) {
  // Shopkeepers write a rate with its sign as often as not: "19,6 %".
  std::string t = platform::trim(valeur);
  if (t.ends_with('%')) t.pop_back();
  if (vide(t)) return std::nullopt;
  return unites(app::lireMontant(t), 4);
}

std::optional<long long> poidsLu(std::string_view valeur) {
  std::string nombre;
  for (char c : valeur)
    if ((c >= '0' && c <= '9') || c == ',' || c == '.' || c == '-' || c == ' ') nombre += c;
  if (vide(nombre)) return std::nullopt;
  return unites(app::lireMontant(nombre), 3);
}

std::optional<std::string> palierTarif(std::string_view ligne) {
  const size_t egal = ligne.find('=');
  if (egal == std::string_view::npos) return std::nullopt;
  std::string cle;
  for (char c : ligne.substr(0, egal))
    if (static_cast<unsigned char>(c) > ' ') cle += c;
  const std::string_view valeur = ligne.substr(egal + 1);
  // "max" gives the heaviest weight shipped. A blank price would read as 0, which is free
  // shipping: it is no price here.
  const bool maximum = platform::lowerAscii(cle) == "max";
  const auto nombre = maximum ? poidsLu(valeur) : centimesReglage(valeur);
  const auto poids = maximum ? nombre : poidsLu(cle);
  if (!nombre || !poids) return std::nullopt;
  return (maximum ? "max" : platform::fromInteger(*poids)) + "=" + platform::fromInteger(*nombre);
}

namespace {

// Each value of the settings files that the form uses, and whether the build reads it: an
// empty one is absent, not unreadable. A rate is named apart from the amounts.
struct ValeurReglage {
  const char* fichier;
  const char* cle;
  const std::string& valeur;
  bool lu;
  bool taux = false;
};

std::vector<ValeurReglage> valeursReglages(const ReglagesCalcul& r) {
  const TOptionsTVA& t = r.tva;
  const TOptionsPoids& p = r.poids;
  auto montant = [](const std::string& v) { return vide(v) || centimesReglage(v); };
  auto taux = [](const std::string& v) { return vide(v) || tauxReglage(v); };
  std::vector<ValeurReglage> valeurs;
  if (t.appli_tva == "oui")
    valeurs.push_back({"calculs.ini", "taux_tva", t.taux_tva, taux(t.taux_tva), true});
  if (t.appli_tva_port == "oui")
    valeurs.push_back({"calculs.ini", "tva_port", t.tva_port, taux(t.tva_port), true});
  valeurs.push_back({"calculs.ini", "maxi_port", t.maxi_port, montant(t.maxi_port)});
  if (p.calculpoids != "oui") return valeurs;
  for (const auto& [cle, valeur] :
       {std::pair<const char*, const std::string*>{"pallier", &p.pallier}, {"tarifS", &p.tarifS},
        {"pallier1S", &p.pallier1S}, {"tarif1S", &p.tarif1S}, {"pallier2S", &p.pallier2S},
        {"tarif2S", &p.tarif2S}, {"Kpu", &p.Kpu}})
    valeurs.push_back({"poids.ini", cle, *valeur, montant(*valeur)});
  valeurs.push_back({"poids.ini", "Kaisse", p.Kaisse, vide(p.Kaisse) || caisseLue(p.Kaisse)});
  return valeurs;
}

std::vector<std::string> illisibles(const ReglagesCalcul& reglages, bool taux) {
  std::vector<std::string> noms;
  for (const ValeurReglage& v : valeursReglages(reglages))
    if (!v.lu && v.taux == taux)
      noms.push_back(std::string(v.fichier) + " (" + v.cle + "=" + platform::trim(v.valeur) + ")");
  return noms;
}

// A settings amount in cents as a script number; an absent one is 0.
std::string centimesScript(std::string_view valeur) {
  return platform::fromInteger(centimesReglage(valeur).value_or(0));
}

}  // namespace

std::vector<std::string> reglagesIllisibles(const ReglagesCalcul& reglages) {
  std::vector<std::string> noms = illisibles(reglages, false);
  for (const TGrilleTarif& g : reglages.grilles)
    for (const std::string& ligne : g.lignes)
      if (!platform::trim(ligne).empty() && !palierTarif(ligne))
        noms.push_back(g.nom + " (" + platform::trim(ligne) + ")");
  return noms;
}

std::vector<std::string> tauxIllisibles(const ReglagesCalcul& reglages) { return illisibles(reglages, true); }

std::string messageTauxIllisibles(const std::vector<std::string>& noms) {
  return "Ces taux de TVA ne sont pas des nombres ou sont négatifs, corrigez-les : " +
         app::listeNoms(noms) + ".";
}

ReglagesCalcul lireReglagesCalcul(const platform::DataFolder& dossier) {
  ReglagesCalcul r;
  const LineList tva = platform::loadIfPresent(dossier, "import/calculs.ini");
  r.tva = {tva.value("taux_tva"), tva.value("appli_tva"), tva.value("tva_port"),
           tva.value("appli_tva_port"), tva.value("maxi_port")};
  const LineList p = platform::loadIfPresent(dossier, "import/poids.ini");
  auto v = [&](const char* cle) { return platform::trim(p.value(cle)); };
  r.poids = {v("calculpoids"), v("codeT"), v("ma_livraison"), v("codeTV"), v("ma_livraisonV"),
             v("pallier"), v("tarifS"), v("pallier1S"), v("tarif1S"), v("pallier2S"),
             v("tarif2S"), v("codeTSurgele"), v("tarif002"), v("tarif004"),
             v("tarifsurgele"), v("libellecongel"), v("libelleaqua"), v("Kdescription"),
             v("Kpu"), v("Kaisse")};
  r.grilles[0] = lireGrille(dossier, r.poids.tarif002);
  r.grilles[1] = lireGrille(dossier, r.poids.tarif004);
  r.grilles[2] = lireGrille(dossier, r.poids.tarifsurgele);
  return r;
}

LineList scriptCalculs(const EntreesBonCommande& e) {
  const TOptionsPoids& p = e.calcul.poids;
  LineList s{"<script language=\"JavaScript\">",
             "phraseP=" + texteScript(e.catalogue.fraispE) + ";",
             std::string("texteT=\"") +
                 (e.calcul.tva.appli_tva == "oui" ? "Total H.T." : "Total") + "\";",
             "euro=\"" + nombreScript(e.taux) + "\";"};
  // The rate as a whole number over a power of ten, the card's own (none: no second amount).
  const auto taux = app::tauxDevise(e.taux);
  s.add("euro_chiffres=" + platform::fromInteger(taux ? taux->chiffres : 0) + ";euro_decimales=" +
        platform::fromInteger(taux ? taux->decimales : 0) + ";");
  if (p.calculpoids == "oui") {
    // An absent threshold is no threshold: written as 0 it would replace every supplement.
    // The goods total and the thresholds are in cents.
    s.add(LineList{"function supplement(total){", "var s=0;"});
    if (const auto pallier = centimesReglage(p.pallier)) {
      s.add("if(total>" + platform::fromInteger(*pallier) + "){s=" + centimesScript(p.tarifS) + ";");
      if (const auto pallier1S = centimesReglage(p.pallier1S))
        s.add("if(total>=" + platform::fromInteger(*pallier1S) + ")s=" + centimesScript(p.tarif1S) + ";");
      if (const auto pallier2S = centimesReglage(p.pallier2S))
        s.add("if(total>=" + platform::fromInteger(*pallier2S) + ")s=" + centimesScript(p.tarif2S) + ";");
      s.add("}");
    }
    s.add(LineList{
        "return s;",
        "}",
        "function calcul_poids(poids,total,volume,pForfait,standardP,poidsaquaC,poidsaqua,libelle){",
        // No tier found yet: a tier priced 0 is free shipping.
        "tarifT=-1;maximum=0;",
        "codeT=" + texteScript(p.codeT) + ";ma_livraison=" + texteScript(p.ma_livraison) + ";",
        "if(volume==\"oui\"){codeT=" + texteScript(p.codeTV) + ";ma_livraison=" +
            texteScript(p.ma_livraisonV) + ";}",
        // Weights are counted in thousandths, shown as read.
        "if(ma_livraison!=\"\")type_livraison=ma_livraison+\" \"+poids/1000+\"g\";",
        "tarifS=0;",
        "if(codeT==" + texteScript(p.codeT) + "){tarif=" + texteScript(p.tarif002) + ";tarifS=supplement(total);}",
        "if(codeT==" + texteScript(p.codeTV) + "){tarif=" + texteScript(p.tarif004) +
            ";tarifS=supplement(total);}",
        "if(standardP==\"s\"&&poidsaquaC>0)codeT=" + texteScript(p.codeTSurgele) + ";",
        "if(codeT==" + texteScript(p.codeTSurgele) + "){tarifS=0;tarif=" + texteScript(p.tarifsurgele) + ";}",
        "ligneTARIF=new Array();"});
    // The tiers as the build read them, weights in thousandths and prices in cents: nothing of
    // the shop's file is run as script, and a line that is no tier (named by the build) is left
    // out.
    for (const TGrilleTarif& g : e.calcul.grilles) {
      LineList paliers;
      for (const std::string& ligne : g.lignes)
        if (auto palier = palierTarif(ligne)) paliers.add(*palier);
      if (paliers.empty()) continue;
      s.add("if(tarif==" + texteScript(g.nom) + "){");
      s.add("ligneTARIF=new Array(" + platform::fromInteger(static_cast<long long>(paliers.size())) +
            ");");
      for (size_t i = 0; i < paliers.size(); ++i)
        s.add("ligneTARIF[" + platform::fromInteger(static_cast<long long>(i)) + "]=" +
              texteScript(paliers[i]) + ";");
      s.add("}");
    }
    s.add(LineList{
        "for(var n=0;n<ligneTARIF.length;n++){",
        "var morceaux=String(ligneTARIF[n]).split(\"=\");",
        "var cle=morceaux[0],valeur=Number(morceaux[1]);",
        "if(cle==\"max\")maximum=valeur;",
        "else if(tarifT<0&&Number(cle)>=poids)tarifT=valeur;",
        "}",
        "if(maximum>0&&poids>maximum)tarifT=1000100;",
        "if(tarifT>=0){transport=tarifT+tarifS;port_poids=true;if(tarifS>0)type_livraison+=\"  Suiv.\";}",
        "if(pForfait>0&&pForfait>transport){transport=pForfait;port_poids=true;type_livraison=\"Transport\";}",
        "if(standardP==\"s\"&&poidsaquaC>0)type_livraison=libelle+\" \"+" +
            texteScript(p.libellecongel) + "+\" \"+poids/1000+\"g\";",
        "if(standardP==\"a\"&&poidsaqua>0)type_livraison=libelle+\" \"+" +
            texteScript(p.libelleaqua) + "+\" \"+poids/1000+\"g\";",
        "}"});
  }
  s.add(LineList{
      // An amount read as strictly as the desktop reads a typed one: digits, blanks between
      // groups of three, one decimal comma or point with at most two decimals, a sign, one
      // currency mark before or after; a blank text is 0. NaN for anything else ("1e2", "12abc").
      "function lire_montant(valeur){",
      "var t=String(valeur==null?\"\":valeur).replace(/^[\\s\\u00A0]+|[\\s\\u00A0]+$/g,\"\");",
      "if(t==\"\")return 0;",
      "var m=/^(\\u20AC|EUR|FF?)?[\\s\\u00A0]*([-+]?)[\\s\\u00A0]*([0-9]+(?:[\\s\\u00A0]+[0-9]{3})*)?"
      "(?:[.,]([0-9]{0,2}))?[\\s\\u00A0]*(\\u20AC|EUR|FF?)?$/i.exec(t);",
      "if(!m||(m[1]&&m[5])||!(m[3]||m[4]))return NaN;",
      "var n=Number((m[3]||\"0\").replace(/[\\s\\u00A0]/g,\"\")+\".\"+(m[4]||\"0\"));",
      "return m[2]==\"-\"?-n:n;",
      "}",
      // A quantity: a whole number of items, with its sign; NaN for "0,5", "1e2", "2a5" or a blank.
      "function lire_quantite(valeur){",
      "var t=String(valeur==null?\"\":valeur).replace(/^[\\s\\u00A0]+|[\\s\\u00A0]+$/g,\"\");",
      "return /^[-+]?[0-9]+$/.test(t)?Number(t):NaN;",
      "}",
      // A shipping amount: not below 0, with no currency mark but the shop's; NaN otherwise.
      // "€", "EUR" and "Euros" name one currency, "F", "FF" and "Francs" another.
      "function devise_de(marque){var d=String(marque).replace(/[\\s\\u00A0.]/g,\"\").toUpperCase();",
      "return d==\"\\u20AC\"||/^EURO?S?$/.test(d)?\"EUR\":/^(F|FF|FRF|FRANCS?)$/.test(d)?\"F\":d;}",
      "function lire_port(valeur){var t=String(valeur==null?\"\":valeur),n=lire_montant(t),",
      "m=/^[\\s\\u00A0]*(\\u20AC|EUR|FF?)|(\\u20AC|EUR|FF?)[\\s\\u00A0]*$/i.exec(t);",
      "return n>=0&&(!m||devise_de(m[1]||m[2])==devise_de(devise))?n:NaN;",
      "}",
      // A number keeps its sign; where an amount may not fall below 0, its caller says so.
      "function verif(valeur){",
      "var t=String(valeur==null?\"\":valeur).replace(/[^0-9.,-]/g,\"\").replace(/,/g,\".\");",
      "var n=parseFloat(t);",
      "return isNaN(n)?0:n;",
      "}",
      // A product's weight mark read as the build reads a tier's weight (poidsLu): letters and
      // signs left aside, blanks between groups of three, one decimal comma or point; in
      // thousandths, rounded half up; 0 when it is none or below 0.
      "function lire_poids(valeur){",
      "var t=String(valeur).replace(/[^0-9., -]/g,\"\").replace(/^ +| +$/g,\"\");",
      "if(/^-? *[0-9]{1,3}(\\.[0-9]{3})+,/.test(t))t=t.replace(/\\./g,\"\");",
      "var m=/^(-?) *([0-9]+(?: +[0-9]{3})*)?(?:[.,]([0-9]*))?$/.exec(t);",
      "if(!m||m[1]||!(m[2]||m[3]))return 0;",
      "return Number((m[2]||\"0\").replace(/ /g,\"\"))*1000+Math.floor((Number(((m[3]||\"\")+\"0000\").substring(0,4))+5)/10);",
      "}",
      "function format(valeur){",
      // Cents are cut off, after a binary float error is taken off (0.29*3 shows 0,87).
      "var n=Math.floor(Number(valeur)*100+0.000001)/100;",
      "if(!isFinite(n))n=0;",
      "var t=String(n),entier=t,decimales=\"00\",point=t.indexOf(\".\");",
      "if(point>=0){entier=t.substring(0,point);decimales=(t.substring(point+1)+\"00\").substring(0,2);}",
      "var groupes=\"\";",
      "while(entier.length>3){groupes=\" \"+entier.substring(entier.length-3)+groupes;"
      "entier=entier.substring(0,entier.length-3);}",
      "return entier+groupes+\",\"+decimales;",
      "}",
      // An amount in cents in the second currency, as the card computes it (centimesDevise):
      // divided by the rate on its digits, an exact half of a cent rounded up.
      "function seconde(c){if(!(euro_chiffres>0))return 0;",
      "var t=String(Math.abs(c))+new Array(euro_decimales+1).join(\"0\"),q=0,r=0;",
      "for(var k=0;k<t.length;k++){r=r*10+Number(t.charAt(k));q=q*10+Math.floor(r/euro_chiffres);r=r%euro_chiffres;}",
      "if(2*r>=euro_chiffres)q++;",
      "return c<0?-q:q;}",
      // The part at a rate of an amount in cents, rounded once, half up; the rate is in
      // ten-thousandths of a percent (tauxReglage), so that the product stays a whole number.
      "function part_taux(c,taux){return Math.floor((c*taux+500000)/1000000);}",
      "</script>"});
  return s;
}

LineList declarationsCalculs(const EntreesBonCommande& e) {
  LineList s;
  if (e.calcul.poids.calculpoids == "oui")
    s.add(LineList{"poids=0;poidsaqua=0;poidsaquaC=0;poidsCaq=0;pForfait=0;npoisson=0;",
                   "Kquantite=0;Ktotal=0;Ktotal_euro=0;transportnormal=0;",
                   "volume=\"\";type_livraison=\"\";libelle=\"\";standardP=\"\";",
                   "Kdescription=" + texteScript(e.calcul.poids.Kdescription) + ";Kpu=" +
                       centimesScript(e.calcul.poids.Kpu) + ";Kaisse=" +
                       caisseLue(e.calcul.poids.Kaisse).value_or("0") + ";"});
  s.add("total=0;totalHT=0;tva=0;totalTTC=0;transport=0;tva_transport=0;total_a_payer=0;");
  s.add("trsport=0;trsportTTC=0;total_ligne=0;total_ligne_euro=0;prix=\"\";");
  return s;
}

LineList calculLigne(const EntreesBonCommande& e) {
  LineList s{"prix=Math.max(0,lire_montant(panier.ma_pu[i]));quantite=lire_quantite(panier.ma_quantite[i]);",
             // A line whose price is no amount or whose quantity is no number of items
             // (a copy kept by hand or by an older form) is not counted, but stays shown with
             // its quantity box to be corrected.
             "var compte=!isNaN(prix)&&quantite>0;if(!compte)prix=0;",
             // In cents: an amount read has two decimals at most.
             "prix=Math.round(prix*100);total_ligne=compte?prix*quantite:0;total_ligne_euro=seconde(total_ligne);",
             "total+=total_ligne;"};
  if (e.calcul.poids.calculpoids == "oui")
    s.add(LineList{"if(compte){",
        "var d=String(panier.ma_description[i]),marque=\"\",debut=d.indexOf(\"(w:\");",
        "if(debut>=0){var bout=d.indexOf(\")\",debut+3);if(bout>=0)marque=d.substring(debut+3,bout);}",
        "var m=marque.toLowerCase(),special=0;",
        "if(m.indexOf(\"k\")>=0){special=lire_poids(marque)*quantite;poidsaqua+=special;}",
        "if(m.indexOf(\"c\")>=0){special=lire_poids(marque)*quantite;poidsaquaC+=special;}",
        "if(special==0)poids+=lire_poids(marque)*quantite;",
        // A flat rate is the mark's number in the shop's currency: thousandths to cents.
        "if(m.indexOf(\"f\")>=0)pForfait=Math.floor((lire_poids(marque)+5)/10);",
        "if(marque==\"\")npoisson+=quantite;}"});
  return s;
}

LineList totauxCalculs(const EntreesBonCommande& e) {
  const TOptionsTVA& t = e.calcul.tva;
  // A stored shipping amount that cannot be charged is charged 0, and the shopper's box shows 0.
  LineList s{"var port_poids=false;transport=lire_port(panier.mon_transport);",
             "if(isNaN(transport)){transport=0;panier.mon_transport=\"0\";}",
             "transport=Math.round(transport*100);"};
  const TOptionsPoids& p = e.calcul.poids;
  // A packaging line that would cost nothing and say nothing is no line.
  if (p.calculpoids == "oui" && (!p.Kdescription.empty() || centimesScript(p.Kpu) != "0"))
    s.add(LineList{
        "if(npoisson>0){Kquantite=Math.ceil(npoisson/(Kaisse>0?Kaisse:1));",
        "Ktotal=Kpu*Kquantite;Ktotal_euro=seconde(Ktotal);total+=Ktotal;",
        "ligne_commande(Kdescription,\"<center>\"+Kquantite+\"</center>\",Kpu,Ktotal,Ktotal_euro);}"});
  if (p.calculpoids == "oui")
    s.add(LineList{
        "if(poids>0){calcul_poids(poids,total,volume,pForfait,\"\",poidsaquaC,poidsaqua,libelle);",
        "transportnormal=transport;if(type_livraison!=\"\")libelle=type_livraison+\" + \";}",
        "if(poidsaqua>0){standardP=\"a\";poids=poidsaqua;",
        "calcul_poids(poids,total,volume,pForfait,standardP,poidsaquaC,poidsaqua,libelle);",
        "transport=transportnormal+transport;transportnormal=transport;",
        "if(type_livraison!=\"\")libelle=type_livraison+\" + \";}",
        "if(poidsaquaC>0){standardP=\"s\";poids=poidsaquaC;",
        "calcul_poids(poids,total,volume,pForfait,standardP,poidsaquaC,poidsaqua,libelle);",
        "transport=transportnormal+transport;}",
        "if(type_livraison!=\"\")phraseP=type_livraison;"});
  s.add(LineList{"if(total==0)transport=0;", "var port_du=total>0;"});
  if (const auto franco = centimesReglage(t.maxi_port))
    s.add("if(total>" + platform::fromInteger(*franco) + "){transport=0;port_du=false;}");
  // An absent rate is 0 %.
  auto taux = [](const std::string& v) { return platform::fromInteger(tauxReglage(v).value_or(0)); };
  if (t.appli_tva == "oui")
    s.add(LineList{"tva=part_taux(total," + taux(t.taux_tva) + ");",
                   "totalHT=total;totalTTC=total+tva;total=totalTTC;",
                   "totalHT_euro=seconde(totalHT);totalTTC_euro=seconde(totalTTC);tva_euro=seconde(tva);"});
  if (t.appli_tva_port == "oui")
    s.add(LineList{"tva_transport=part_taux(transport," + taux(t.tva_port) + ");",
                   "total_a_payer=total+transport+tva_transport;",
                   "tva_transport_euro=seconde(tva_transport);"});
  else
    s.add("total_a_payer=total+transport;");
  s.add(LineList{"total_euro=seconde(total);total_a_payer_euro=seconde(total_a_payer);",
                 "trsport=transport;transport_euro=seconde(transport);"});
  return s;
}

LineList lignesGoBat() { return {"@echo off", "start index.htm", "cls"}; }

LineList lignesAutorun() { return {"[autorun]", "OPEN=go.bat"}; }

}  // namespace frame
