// The order form's computing scripts: the settings of import/, the functions of the head and the
// pieces of the cart table. Amounts stay numbers in the browser and are only formatted for
// display, cut to the cent; a settings value that is not a number is written as 0, and a
// tariff that has no table leaves the shipping as it was, so the form never stops on an error.

#include "modele/frame/bon_commande.h"

#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

namespace {

using platform::LineList;

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
  if (p.calculpoids == "oui") {
    // An empty threshold is no threshold: written as 0 it would replace every supplement.
    s.add(LineList{"function supplement(total){", "var s=0;"});
    if (!p.pallier.empty()) {
      s.add("if(total>" + nombreScript(p.pallier) + "){s=" + nombreScript(p.tarifS) + ";");
      if (!p.pallier1S.empty())
        s.add("if(total>=" + nombreScript(p.pallier1S) + ")s=" + nombreScript(p.tarif1S) + ";");
      if (!p.pallier2S.empty())
        s.add("if(total>=" + nombreScript(p.pallier2S) + ")s=" + nombreScript(p.tarif2S) + ";");
      s.add("}");
    }
    s.add(LineList{
        "return s;",
        "}",
        "function calcul_poids(poids,total,volume,pForfait,standardP,poidsaquaC,poidsaqua,libelle){",
        "tarifT=0;maximum=0;",
        "codeT=" + texteScript(p.codeT) + ";ma_livraison=" + texteScript(p.ma_livraison) + ";",
        "if(volume==\"oui\"){codeT=" + texteScript(p.codeTV) + ";ma_livraison=" +
            texteScript(p.ma_livraisonV) + ";}",
        "if(ma_livraison!=\"\")type_livraison=ma_livraison+\" \"+poids+\"g\";",
        "tarifS=0;",
        "if(codeT==" + texteScript(p.codeT) + "){tarif=" + texteScript(p.tarif002) + ";tarifS=supplement(total);}",
        "if(codeT==" + texteScript(p.codeTV) + "){tarif=" + texteScript(p.tarif004) +
            ";tarifS=supplement(total);}",
        "if(standardP==\"s\"&&poidsaquaC>0)codeT=" + texteScript(p.codeTSurgele) + ";",
        "if(codeT==" + texteScript(p.codeTSurgele) + "){tarifS=0;tarif=" + texteScript(p.tarifsurgele) + ";}",
        "ligneTARIF=new Array();"});
    for (const TGrilleTarif& g : e.calcul.grilles) {
      if (g.lignes.empty()) continue;
      s.add("if(tarif==" + texteScript(g.nom) + "){");
      s.add("ligneTARIF=new Array(" + platform::fromInteger(static_cast<long long>(g.lignes.size())) +
            ");");
      for (size_t i = 0; i < g.lignes.size(); ++i)
        s.add("ligneTARIF[" + platform::fromInteger(static_cast<long long>(i)) + "]=" +
              texteScript(g.lignes[i]) + ";");
      s.add("}");
    }
    s.add(LineList{
        "for(var n=0;n<ligneTARIF.length;n++){",
        "var morceaux=String(ligneTARIF[n]).split(\"=\");",
        "var cle=morceaux[0].replace(/\\s/g,\"\");var valeur=0;",
        "try{valeur=Number(eval(morceaux[1]));}catch(erreur){valeur=0;}",
        "if(isNaN(valeur))valeur=0;",
        "if(cle.toLowerCase()==\"max\")maximum=valeur;",
        "else if(tarifT==0&&parseFloat(cle)>=poids)tarifT=valeur;",
        "}",
        "if(maximum>0&&poids>maximum)tarifT=10001;",
        "if(tarifT>0){transport=tarifT+tarifS;port_poids=true;if(tarifS>0)type_livraison+=\"  Suiv.\";}",
        "if(pForfait>0&&pForfait>transport){transport=pForfait;port_poids=true;type_livraison=\"Transport\";}",
        "if(standardP==\"s\"&&poidsaquaC>0)type_livraison=libelle+\" \"+" +
            texteScript(p.libellecongel) + "+\" \"+poids+\"g\";",
        "if(standardP==\"a\"&&poidsaqua>0)type_livraison=libelle+\" \"+" +
            texteScript(p.libelleaqua) + "+\" \"+poids+\"g\";",
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
                       nombreScript(e.calcul.poids.Kpu) + ";Kaisse=" +
                       nombreScript(e.calcul.poids.Kaisse) + ";"});
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
             "total_ligne=compte?Math.round(prix*quantite*100)/100:0;total_ligne_euro=total_ligne/euro;",
             "total+=total_ligne;"};
  if (e.calcul.poids.calculpoids == "oui")
    s.add(LineList{"if(compte){",
        "var d=String(panier.ma_description[i]),marque=\"\",debut=d.indexOf(\"(w:\");",
        "if(debut>=0){var bout=d.indexOf(\")\",debut+3);if(bout>=0)marque=d.substring(debut+3,bout);}",
        "var m=marque.toLowerCase(),special=0;",
        "if(m.indexOf(\"k\")>=0){special=verif(marque)*quantite;poidsaqua+=special;}",
        "if(m.indexOf(\"c\")>=0){special=verif(marque)*quantite;poidsaquaC+=special;}",
        "if(special==0)poids+=verif(marque)*quantite;",
        "if(m.indexOf(\"f\")>=0)pForfait=verif(marque);",
        "if(marque==\"\")npoisson+=quantite;}"});
  return s;
}

LineList totauxCalculs(const EntreesBonCommande& e) {
  const TOptionsTVA& t = e.calcul.tva;
  // A stored shipping amount that cannot be charged is charged 0, and the shopper's box shows 0.
  LineList s{"var port_poids=false;transport=lire_port(panier.mon_transport);",
             "if(isNaN(transport)){transport=0;panier.mon_transport=\"0\";}"};
  if (e.calcul.poids.calculpoids == "oui")
    s.add(LineList{
        "if(npoisson>0){Kquantite=Math.ceil(npoisson/(Kaisse>0?Kaisse:1));",
        "Ktotal=Math.round(Kpu*Kquantite*100)/100;Ktotal_euro=Ktotal/euro;total+=Ktotal;",
        "ligne_commande(Kdescription,\"<center>\"+Kquantite+\"</center>\",Kpu,Ktotal,Ktotal_euro);}",
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
  // In cents: lines that add up to the threshold may sum a hair above it.
  if (!t.maxi_port.empty())
    s.add("if(Math.round(total*100)>Math.round(verif(" + texteScript(t.maxi_port) +
          ")*100)){transport=0;port_du=false;}");
  if (t.appli_tva == "oui")
    s.add(LineList{"tva=Math.round(total*verif(" + texteScript(t.taux_tva) + "))/100;",
                   "totalHT=total;totalTTC=total+tva;total=totalTTC;",
                   "totalHT_euro=totalHT/euro;totalTTC_euro=totalTTC/euro;tva_euro=tva/euro;"});
  if (t.appli_tva_port == "oui")
    s.add(LineList{"tva_transport=Math.round(transport*verif(" + texteScript(t.tva_port) + "))/100;",
                   "total_a_payer=total+transport+tva_transport;",
                   "tva_transport_euro=tva_transport/euro;"});
  else
    s.add("total_a_payer=total+transport;");
  s.add(LineList{"total_euro=total/euro;total_a_payer_euro=total_a_payer/euro;",
                 "trsport=transport;transport_euro=transport/euro;"});
  return s;
}

LineList lignesGoBat() { return {"@echo off", "start index.htm", "cls"}; }

LineList lignesAutorun() { return {"[autorun]", "OPEN=go.bat"}; }

}  // namespace frame
