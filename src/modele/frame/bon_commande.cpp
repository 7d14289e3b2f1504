// The offline order form: header, cart drawn from the frameset's top window, totals rows,
// identification form and print link. Texts from the URL are escaped before they are written.

#include "modele/frame/bon_commande.h"

#include <cstdio>

#include "modele/app/texte_prix.h"
#include "modele/frame/menu_gauche.h"
#include "platform/charset.h"
#include "platform/escape.h"
#include "platform/text.h"

namespace frame {

namespace {

using platform::LineList;

// Bytes 128 to 159 of Windows-1252 as a script string of escapes, byte 128 first.
std::string octetsWindows1252() {
  std::string t;
  for (int b = 0x80; b < 0xA0; ++b) {
    const std::string u = platform::toUtf8(std::string(1, static_cast<char>(b)));
    auto o = [&](size_t i) { return static_cast<unsigned>(static_cast<unsigned char>(u[i])); };
    const unsigned cp = u.size() == 2 ? ((o(0) & 0x1F) << 6) | (o(1) & 0x3F)
                                      : ((o(0) & 0x0F) << 12) | ((o(1) & 0x3F) << 6) | (o(2) & 0x3F);
    char echappe[8];
    std::snprintf(echappe, sizeof echappe, "\\u%04X", cp);
    t += echappe;
  }
  return t;
}

bool oui(const std::string& v) { return v == "oui"; }

// In the scripts: the page's folder and the shop its cart copies belong to, named by a digest
// of that folder (FNV-1a): a copy kept in the tab's name goes with the tab to any other site,
// which must read no local path from it. A copy named by its folder, as written before, is
// still its shop's. de_la_boutique(copie) tells whether a parsed copy is this shop's.
std::string scriptBoutique() {
  return "var dossier_page=location.href.replace(/[?#].*$/,\"\").replace(/[^\\/]*$/,\"\"),"
         "boutique_page=(function(t){var h=2166136261;for(var i=0;i<t.length;i++){h^=t.charCodeAt(i);"
         "h=(h+(h<<1)+(h<<4)+(h<<7)+(h<<8)+(h<<24))>>>0;}return \"d\"+h.toString(16);})(dossier_page);"
         "function de_la_boutique(g){return !!g&&(g.boutique==boutique_page||g.boutique==dossier_page);}";
}

struct Page {
  const EntreesBonCommande& e;
  bool deux;  // second currency shown
  std::string police() const { return "<font face=\"" + e.police_defaut + "\""; }
  std::string fonte(const std::string& attributs, const std::string& contenu) const {
    return police() + " " + attributs + ">" + contenu + "</font>";
  }
};

LineList entete(const Page& p) {
  const EntreesBonCommande& e = p.e;
  const TOptionsCatalogue& c = e.catalogue;
  std::string nom, capital, adresse, contact;
  using platform::htmlText;
  if (oui(e.boutiqueADR)) nom += htmlText(e.nomB);
  if (oui(e.entADR)) nom += " " + htmlText(e.nomE);
  if (oui(e.capADR)) capital = " cap: " + htmlText(e.capital) + "<br>";
  if (oui(e.rueADR)) adresse += " " + htmlText(e.rue);
  if (oui(e.cpADR)) adresse += " " + htmlText(e.codepostal);
  if (oui(e.paysADR)) adresse += " " + htmlText(e.pays);
  adresse += "<br>";
  auto ajoute = [&](const std::string& drapeau, const char* libelle, const std::string& valeur) {
    if (oui(drapeau) && !valeur.empty()) contact += libelle + htmlText(valeur);
  };
  ajoute(e.telADR, " Tel: ", e.tel);
  ajoute(e.faxADR, " Fax: ", e.fax);
  ajoute(e.eADR, " e-mail: ", e.email);
  ajoute(e.siretADR, " SIRET ", e.siret);
  ajoute(e.apeADR, " APE ", e.ape);
  return {"<table border=0 width=\"100%\">", "<tr>",
          c.logo ? "<td><IMG ALT=\"\" SRC=\"logo.gif\" WIDTH=111 HEIGHT=46 BORDER=0></td>"
                 : "<td>&nbsp;</td>",
          "<td align=\"center\">",
          c.titre ? p.fonte("size=2 color=\"navy\"", "<b>" + c.titreE + "</b>") + "<br>" : "&nbsp;",
          p.fonte("size=2", "<b>" + nom + "</b>") + "&nbsp;",
          p.fonte("size=1", capital + adresse + contact), "</td>", "</tr>", "</table>"};
}

// The script lines writing a cart row, a separator row and the totals rows; amounts come in cents.
LineList fonctionsTableau(const Page& p, const std::string& nbre_col) {
  const std::string f = platform::jsString(p.e.police_defaut);
  const std::string espace =
      "<td bgcolor=\\\"gray\\\"><IMG ALT=\\\"\\\" SRC=\\\"pix1x1.gif\\\" WIDTH=1 HEIGHT=12 BORDER=0></td>";
  LineList s{
      "function html(t){return String(t).replace(/&/g,\"&amp;\").replace(/</g,\"&lt;\")"
      ".replace(/>/g,\"&gt;\").replace(/\\\"/g,\"&quot;\");}",
      "function separateur(){document.write(\"<tr><td colspan=" + nbre_col +
          " bgcolor=\\\"gray\\\"><IMG ALT=\\\"\\\" SRC=\\\"pix1x1.gif\\\" WIDTH=1 HEIGHT=1 BORDER=0></td></tr>\");}",
      "function police(attributs,contenu){return \"<font face=\\\"" + f +
          "\\\" \"+attributs+\">\"+contenu+\"</font>\";}",
      "function montant(x){return \"<td bgcolor=\\\"white\\\" align=\\\"right\\\" nowrap>\"+"
      "police(\"size=2\",format(x/100)+\"&nbsp;\"+html(devise))+\"</td>\";}",
      "function ligne_commande(libelle,quantite,pu,total_l,total_e){",
      // The product's name wraps: a long one leaves its quantity and amounts in the window.
      "document.write(\"<tr>" + espace + "<td bgcolor=\\\"white\\\">\"+police(\"size=2\",libelle)+\"</td>" +
          espace + "<td align=\\\"center\\\">\"+quantite+\"</td>" + espace +
          "\"+montant(pu)+\"" + espace + "\"+montant(total_l)+\"" + espace + "\");"};
  if (p.deux)
    s.add("document.write(\"<td bgcolor=\\\"white\\\" align=\\\"right\\\" nowrap>\"+police(\"size=1 "
          "color=\\\"blue\\\"\",format(total_e/100))+\"</td>" + espace + "\");");
  s.add(LineList{"document.write(\"</tr>\");", "}",
                 "function ligne_total(libelle,style,fond,valeur,gras,valeur_e){",
                 "var v=valeur;if(gras)v=\"<b>\"+v+\"</b>\";",
                 "document.write(\"<tr><td colspan=5 align=\\\"right\\\" bgcolor=\\\"\"+fond+\"\\\">\"+"
                 "police(\"size=2 \"+style,libelle)+\"</td><td colspan=3 align=\\\"right\\\" nowrap "
                 "bgcolor=\\\"\"+fond+\"\\\">\"+police(\"size=2 color=\\\"black\\\"\",v)+\"</td>\");"});
  if (p.deux)
    s.add("document.write(\"<td colspan=3 align=\\\"right\\\" nowrap bgcolor=\\\"\"+(fond==\"lightyellow\"?"
          "fond:\"white\")+\"\\\">\"+police(\"size=1 color=\\\"blue\\\"\",\"<b>\"+format(valeur_e/100)+\"</b>\")+\"</td>\");");
  s.add(LineList{"document.write(\"</tr>\");separateur();", "}"});
  return s;
}

LineList tableau(const Page& p) {
  const EntreesBonCommande& e = p.e;
  const TOptionsCatalogue& c = e.catalogue;
  const bool tva = oui(e.calcul.tva.appli_tva), tvaPort = oui(e.calcul.tva.appli_tva_port);
  const std::string nbre_col = p.deux ? "11" : "9";
  const std::string espace =
      "<td bgcolor=\\\"gray\\\"><IMG ALT=\\\"\\\" SRC=\\\"pix1x1.gif\\\" WIDTH=1 HEIGHT=12 BORDER=0></td>";
  LineList s{"<!--DEBUT TABLEAU-->", "<script language=\"JavaScript\">",
             "titre_panier=" + texteScript(c.panierE) + ";",
             "coul_titre=\"navy\";fond_titre=\"white\";fond_texte=\"white\";coul_texte=\"green\";",
             "nbre_col=" + nbre_col + ";", "</script>", "<center>",
             "<table border=0 cellpadding=0 cellspacing=0>", "<script language=\"JavaScript\">"};
  s.add(fonctionsTableau(p, nbre_col));
  auto entete = [&](const std::string& t) {
    return "\"<td bgcolor=\\\"\"+fond_texte+\"\\\">\"+police(\"size=2 color=\\\"\"+coul_texte+\"\\\"\",\"<b>\"+" +
           t + "+\"</b>\")+\"</td>" + espace + "\"";
  };
  s.add(LineList{
      "separateur();",
      "document.write(\"<tr>" + espace + "<td colspan=" + (p.deux ? "9" : "7") +
          " bgcolor=\\\"\"+fond_titre+\"\\\">\"+police(\"size=2 color=\\\"\"+coul_titre+\"\\\"\",\"<b>\"+html(titre_panier)+\"</b>\")+"
          "\"</td><td bgcolor=\\\"gray\\\" height=1></td></tr>\");",
      "separateur();",
      "document.write(\"<tr>" + espace + "\"+" + entete("html(type)") + "+" + entete("\"Q\"") + "+" +
          entete(tva ? "\"P.U.H.T.\"" : "\"P.U.\"") + "+" + entete("html(texteT)") + ");"});
  if (p.deux)
    s.add("document.write(\"<td bgcolor=\\\"white\\\">\"+police(\"size=1 color=\\\"blue\\\"\",html(devise2))+\"</td>" +
          espace + "\");");
  s.add(LineList{"document.write(\"</tr>\");", "separateur();"});
  s.add(declarationsCalculs(e));
  s.add(LineList{"for(var i=0;i<panier.fin;i++){", "if(panier.ma_commande[i]!=\"oui\")continue;",
                 "if(!panier.ma_quantite[i])panier.ma_quantite[i]=" + texteScript(quantiteDefaut(c)) + ";"});
  s.add(calculLigne(e));
  s.add(LineList{
      "ligne_commande(html(panier.ma_ref[i])+\" \"+html(panier.ma_description[i]),\"<input type=\\\"text\\\" "
      "autocomplete=\\\"off\\\" size=5 maxlength=5 name=\\\"qte\"+i+\"\\\" value=\\\"\"+html(panier.ma_quantite[i])+\"\\\">\",prix,"
      "total_ligne,total_ligne_euro);",
      "}"});
  s.add(totauxCalculs(e));
  s.add("separateur();");
  const std::string dt = "\"&nbsp;\"+html(devise)";
  if (tva) {
    s.add("ligne_total(\"<b>Total H.T.&nbsp;</b>\",\"color=\\\"darkred\\\"\",\"lightyellow\",format(totalHT/100)+" +
          dt + ",true,totalHT_euro);");
    s.add("ligne_total(\"<i>TVA \"+" + texteScript(e.calcul.tva.taux_tva) +
          "+\"%&nbsp;</i>\",\"color=\\\"black\\\"\",\"white\",format(tva/100)+" + dt + ",false,tva_euro);");
    s.add("ligne_total(\"<b>&nbsp;Total TTC&nbsp;</b>\",\"color=\\\"darkred\\\"\",\"lightyellow\",format(totalTTC/100)+" +
          dt + ",true,totalTTC_euro);");
  } else {
    s.add("ligne_total(\"<b>Total&nbsp;</b>\",\"color=\\\"darkred\\\"\",\"lightyellow\",format(total/100)+" + dt +
          ",true,total_euro);");
  }
  // The shopper's shipping field stays while shipping is owed, even at 0, to be corrected.
  s.add(c.plC ? "if(trsport>0||port_du){" : "if(trsport>0){");
  if (c.plC) {
    s.add("var port=\"<input type=\\\"text\\\" autocomplete=\\\"off\\\" name=\\\"transport\\\" value=\\\"\"+html(panier.mon_transport)+\"\\\" size=5 maxlength=7>\"+html(devise);");
    // Shipping priced by weight is charged whatever was typed: shown as charged, with no box.
    s.add("if(port_poids)port=format(trsport/100)+" + dt + ";");
  } else {
    s.add("var port=format(trsport/100)+" + dt + ";");
  }
  s.add("ligne_total(\"<i>\"+html(phraseP)+\"&nbsp;</i>\",\"color=\\\"black\\\"\",\"white\",port,false,transport_euro);");
  if (tvaPort)
    s.add("ligne_total(\"<i>TVA transport \"+" + texteScript(e.calcul.tva.tva_port) +
          "+\"%&nbsp;</i>\",\"color=\\\"black\\\"\",\"white\",format(tva_transport/100)+" + dt +
          ",false,tva_transport_euro);");
  s.add("ligne_total(\"<b>&nbsp;Total &agrave; payer&nbsp;</b>\",\"color=\\\"darkred\\\"\",\"lightyellow\","
        "format(total_a_payer/100)+" + dt + ",true,total_a_payer_euro);");
  s.add(LineList{"}", "</script>", "</table>", "</center>", "<!--FIN TABLEAU-->"});
  return s;
}

LineList identification(const Page& p) {
  const TOptionsCatalogue& c = p.e.catalogue;
  auto champ = [](const char* n) {
    return std::string("<input type=\"text\" size=\"") + n + "\" maxlength=\"" + n + "\">";
  };
  auto f2 = [&](const std::string& t) { return p.fonte("size=2", t); };
  LineList s{"<form name=\"identification\">", "<table border=0 width=\"100%\" bgcolor=\"#A2B6D8\">"};
  auto rang = [&](const std::string& libelle, const std::string& champs, bool haut = false) {
    s.add(std::string("<tr><td bgcolor=\"white\" nowrap") + (haut ? " valign=\"top\"" : "") + ">" +
          p.fonte("size=2 color=\"navy\"", libelle) + "</td><td bgcolor=\"white\">" + champs +
          "</td></tr>");
  };
  if (c.numC) rang("N&deg; client", champ("50"));
  rang("Nom", "<SELECT><OPTION>Mme<OPTION>Mlle<OPTION>M.<OPTION>Société</SELECT>" + champ("39"));
  rang("Prénom", champ("50"));
  rang("Rue", champ("50"));
  rang("Bat., esc., lieu-dit...", champ("50"));
  rang("Ville", f2("Code postal") + champ("5") + "&nbsp;&nbsp;" + f2("Ville") + champ("27"));
  if (c.pays) rang("Pays", "<input type=\"text\" size=\"50\" maxlength=\"50\" value=\"France\">");
  rang("N&deg; Téléphone, e-mail", f2("Tél") + champ("19") + "&nbsp;" + f2("E-mail") + champ("19"));
  if (c.fax) rang("Fax", champ("50"));
  std::string reglements;
  int compteur = 0;
  auto moyen = [&](bool coche, const std::string& libelle) {
    if (!coche) return;
    reglements += "<input type=\"checkbox\" name=\"reglement\">" + f2(libelle) + "&nbsp;";
    if (++compteur == 2) {
      reglements += " <br>";
      compteur = 0;
    }
  };
  moyen(c.cheque, "Chèque bancaire");
  moyen(c.cb, "Carte Bancaire");
  moyen(c.cr, c.crE);
  moyen(c.mandat, "Mandat postal");
  moyen(c.autre1, c.autre1E);
  moyen(c.autre2, c.autre2E);
  moyen(c.autre3, c.autre3E);
  rang("Règlement", reglements, true);
  if (c.cb)
    rang("Carte Bancaire",
         f2("Numéro") + champ("19") + "&nbsp;" + f2("Expire Mois") + champ("2") + "&nbsp;" +
             f2("An") + champ("2") + "<br>" +
             (c.crypto ? f2("Cryptogramme (3 derniers chiffres au dos de la carte)") + champ("5")
                       : ""),
         true);
  if (c.obs) rang("Observations", "<TEXTAREA cols=42></TEXTAREA>");
  if (c.observations)
    s.add("<tr><td colspan=2 align=\"center\" bgcolor=\"white\">" +
          p.fonte("size=2 color=\"navy\"", c.observationsE) + "</td></tr>");
  s.add("<tr><td colspan=2 align=\"right\" bgcolor=\"white\">");
  if (c.date)
    s.add(LineList{"<script language=\"JavaScript\">", "var jour=new Date();",
                   "document.write(\"Le \"+jour.getDate()+\"/\"+(jour.getMonth()+1)+\"/\"+jour.getFullYear()+\"&nbsp;<br>\");",
                   "</script>"});
  s.add(c.mentionE + "&nbsp;<br><br><br>");
  s.add(LineList{"</td></tr>", "</table>", "</form>"});
  return s;
}

// The shop has one cart in the browser, kept in the local storage (or a cookie) for every tab and
// window. The frameset's top window holds the cart it shows (declared by the entry pages). Where the form cannot
// reach it - the single-page layout, whose top window is the form itself, or a site opened from
// disc, whose frames may not read each other - the tab's session keeps it from page to page.
// The session copy is kept in every case: a frameset reloaded, or replaced by the form alone
// (the top bar's cart link), or restored from the history with an older cart, takes it back.
// From disc, a top window also keeps it in its own name, which the tab hands to the next page at
// once: a page of a site on disc left just after its load may not have handed its session over
// yet. Over http the name is not used: it goes with the tab to any other site, which may read it.
// Each copy names its shop (a digest of the form's folder), so that one shop never takes
// another's, and is numbered, as is the top window's cart, so that the newest wins.
LineList scriptPanier(const TOptionsCatalogue& c, std::string_view devise) {
  return {"var cles_panier=[\"fin\",\"ma_ref\",\"ma_description\",\"ma_pu\",\"ma_commande\","
          "\"ma_quantite\",\"mon_transport\",\"garde_n\"];",
          "function panier_neuf(){return {fin:0,ma_ref:new Array(),ma_description:new Array(),"
          "ma_pu:new Array(),ma_commande:new Array(),ma_quantite:new Array(),mon_transport:" +
              texteScript(montantPort(c, devise)) + "};}",
          // Slot by slot, so that the top window's own arrays keep holding the cart.
          "function copier_panier(de,vers){",
          "for(var k=0;k<cles_panier.length;k++){var cle=cles_panier[k],v=de[cle];",
          "if(v==null)continue;",
          "if(cle==\"fin\")vers.fin=Math.max(Number(vers.fin)||0,Number(v)||0);",
          "else if(typeof v==\"object\"){for(var i=0;i<v.length;i++)vers[cle][i]=v[i];}",
          "else vers[cle]=v;}",
          "}",
          "var panier=null,garde=null;",
          scriptBoutique(),
          "var cle_garde=\"tarvio_panier \"+dossier_page,sur_disque=location.protocol==\"file:\";",
          "try{if(typeof top.fin!=\"undefined\")panier=top;}catch(erreur){}",
          "var par_cadre=sur_disque&&panier==null&&window!=top;",
          // A copy left a week untouched is dropped, as a cookie would be.
          "var semaine=7*86400000;",
          "function garde_de(texte){try{var g=JSON.parse(texte);"
          "if(de_la_boutique(g)&&!(g.quand<Date.now()-semaine))return g;}catch(erreur){}return null;}",
          "function lire_garde(texte){var g=garde_de(texte);"
          "if(g&&(garde==null||(g.garde_n||0)>(garde.garde_n||0)))garde=g;}",
          // The shop's cart is one for every tab and window of the browser: kept in the local
          // storage, or in a cookie where the browser refuses that storage. The tab's session
          // (and from disc its name) keeps a copy too: Firefox may give a page of the tab a
          // local storage or session as it was some pages earlier; the newest copy wins.
          "var nom_cookie=\"tarvio_\"+boutique_page;",
          "function cookie_garde(){var l=String(document.cookie).split(\"; \");",
          "for(var k=0;k<l.length;k++)if(l[k].indexOf(nom_cookie+\"=\")==0)"
          "return decodeURIComponent(l[k].substring(nom_cookie.length+1));return null;}",
          "function lire_copies(){garde=null;",
          "try{lire_garde(localStorage.getItem(cle_garde));}catch(erreur){}",
          "try{lire_garde(cookie_garde());}catch(erreur){}",
          "try{lire_garde(sessionStorage.getItem(cle_garde));}catch(erreur){}",
          "try{if(sur_disque&&window==top&&window.name.indexOf(\"tarvio_panier=\")==0)"
          "lire_garde(window.name.substring(14));}catch(erreur){}",
          "}",
          "lire_copies();",
          // Copies of older versions kept by tab, and the carts of other shops, go after a week.
          "function ranger_copies(){var vieux=Date.now()-semaine;",
          "for(var k=localStorage.length-1;k>=0;k--){var c=localStorage.key(k),g=null;",
          "if(c==null||c==cle_garde||c.indexOf(\"tarvio_panier \")!=0)continue;",
          "try{g=JSON.parse(localStorage.getItem(c));}catch(erreur){}",
          "if(!g||!(g.quand>vieux))localStorage.removeItem(c);}",
          "}",
          // False where neither the local storage nor a cookie keeps the text.
          "function garder_ailleurs(texte){",
          "try{localStorage.setItem(cle_garde,texte);ranger_copies();return true;}catch(erreur){}",
          "try{document.cookie=nom_cookie+\"=\"+encodeURIComponent(texte)+\";max-age=604800;SameSite=Lax\";"
          "return cookie_garde()==texte;}catch(erreur){}return false;}",
          "try{if(par_cadre&&location.hash.indexOf(\"#tarvio_panier=\")==0)"
          "lire_garde(decodeURIComponent(location.hash.substring(15)));}catch(erreur){}",
          "if(panier==null)panier=panier_neuf();",
          "function prendre_garde(){if(garde&&(garde.garde_n||0)>(panier.garde_n||0)){"
          "if(panier!==top)panier=panier_neuf();copier_panier(garde,panier);}}",
          "prendre_garde();",
          "var garde_refusee=false;",
          "function garder_panier(){",
          "panier.garde_n=Math.max(garde&&garde.garde_n||0,panier.garde_n||0)+1;",
          "var copie=panier_neuf();copier_panier(panier,copie);",
          "copie.boutique=boutique_page;copie.quand=Date.now();garde=copie;",
          "var texte=JSON.stringify(copie);",
          "try{sessionStorage.setItem(cle_garde,texte);}catch(erreur){}",
          "garde_refusee=!garder_ailleurs(texte);",
          "try{if(sur_disque&&window==top)window.name=\"tarvio_panier=\"+texte;}catch(erreur){}",
          "if(par_cadre)try{top.postMessage(\"tarvio_panier=\"+texte,\"*\");}catch(erreur){}",
          "}",
          // A frame from disc may be given a session of its own, which neither the frameset nor
          // the next page sees: its copy goes to the frameset, which keeps the newest and hands
          // it back once the form is drawn. A form drawn from another cart takes the frameset's,
          // adds its own line to it again and is drawn anew from that copy (kept in its address,
          // which its session may not hand over). The answer comes by a port the form sends
          // with its question, from the frameset alone. The copies go with the target origin
          // "*": a page from disc cannot be named as a target, and no other site can hold this
          // form's top window.
          "if(par_cadre)window.addEventListener(\"load\",function(){try{var canal=new MessageChannel();",
          "canal.port1.onmessage=function(e){",
          "if(typeof e.data!=\"string\"||e.data.indexOf(\"tarvio_panier=\")!=0)return;",
          "var g=garde_de(e.data.substring(14));",
          // A frameset brought back by the history may hold an older copy than the form's own.
          "if(!g||(g.garde_n||0)<(garde&&garde.garde_n||0)||JSON.stringify(g)==JSON.stringify(garde))return;",
          "panier=panier_neuf();copier_panier(g,panier);garde=g;",
          "if(ref!=\"\"&&!revenu)ajouter_ligne();",
          "garder_panier();",
          "history.replaceState(null,\"\",location.href.replace(/#.*$/,\"\")+\"#tarvio_panier=\"+"
          "encodeURIComponent(JSON.stringify(garde)));",
          "location.reload();};",
          "top.postMessage(\"tarvio_panier?\"+boutique_page,\"*\",[canal.port2]);}catch(erreur){}});",
          // A form the history brings back (Back, Forward, a reload) adds nothing again, and
          // one restored as it was left is drawn again from the newest copy.
          "var revenu=false;",
          "try{var navigation=performance.getEntriesByType(\"navigation\");"
          "revenu=navigation.length>0&&(navigation[0].type==\"back_forward\"||navigation[0].type==\"reload\");}"
          "catch(erreur){}",
          "window.addEventListener(\"pageshow\",function(e){if(e.persisted)location.reload();});",
          // A form shown again (its tab brought to the front) after another tab or window
          // changed the cart is drawn again from the newest.
          "function revoir(){var vu=panier.garde_n||0;lire_copies();if(garde&&(garde.garde_n||0)>vu)location.reload();}",
          "document.addEventListener(\"visibilitychange\",function(){if(document.visibilityState==\"visible\")revoir();});",
          "window.addEventListener(\"focus\",revoir);",
          "function garde_possible(){try{localStorage.setItem(\"tarvio_essai\",\"1\");"
          "localStorage.removeItem(\"tarvio_essai\");return true;}catch(erreur){}",
          "try{document.cookie=\"tarvio_essai=1;max-age=60;SameSite=Lax\";"
          "return String(document.cookie).indexOf(\"tarvio_essai=1\")>=0;}catch(erreur){}return false;}",
          // Kept in a cookie only: a cart the cookie could not take is older there than here.
          "function garde_en_retard(){try{localStorage.setItem(\"tarvio_essai\",\"1\");"
          "localStorage.removeItem(\"tarvio_essai\");return false;}catch(erreur){}",
          "var c=null;try{c=JSON.parse(cookie_garde());}catch(erreur){}",
          "return (panier.garde_n||0)>(c&&c.garde_n||0);}"};
}

}  // namespace

// From disc the frames cannot reach the frameset's cart, and a frame may be given a session of
// its own (so may the form alone): the frameset keeps the newest copy of its shop, from its
// session, its name and what a form sends, in both (the form alone takes the name back), and
// hands it to a form that asks. It hears only a page of its own origin in one of its own frames:
// an outside page shown in a frame (a link of the top bar, a top frame kept elsewhere) is neither
// answered nor heard. The answer goes by the port the asking page sent, to that page alone, not to
// whatever its frame shows by then.
// A page of the frameset opened alone from disc comes back through this page, named in its
// address after "#url_principal=" (index2.php runs on the shop's server only): a page of this
// folder, other than an entry page, is shown in the main frame.
LineList scriptGardeCadres() {
  return {"<script language=\"JavaScript\">",
          "if(location.protocol==\"file:\"&&location.hash.indexOf(\"#url_principal=\")==0)"
          "window.addEventListener(\"DOMContentLoaded\",function(){",
          "try{var p=decodeURIComponent(location.hash.substring(15)),f=document.getElementsByName(\"principal\")[0];",
          "if(f&&/^[A-Za-z0-9_][A-Za-z0-9_.\\-]*\\.html?$/.test(p)&&!/^index[23]?\\.html?$/i.test(p))f.src=p;}"
          "catch(erreur){}});",
          "if(location.protocol==\"file:\")window.addEventListener(\"message\",function(e){",
          "try{if(!e.source||e.source.parent!==window||e.origin!==window.origin||"
          "typeof e.data!=\"string\"||e.data.indexOf(\"tarvio_panier\")!=0)return;",
          scriptBoutique(),
          "var cle=\"tarvio_panier \"+dossier_page,garde=null,n=-1;",
          // The newest copy of this shop; of two copies numbered alike, the one kept first. It
          // is kept named by the digest, whatever named it.
          "function lire(t){try{var g=JSON.parse(t);"
          "if(de_la_boutique(g)&&(g.garde_n||0)>n){garde=g;n=g.garde_n||0;}}catch(erreur){}}",
          "try{lire(sessionStorage.getItem(cle));}catch(erreur){}",
          "if(window.name.indexOf(\"tarvio_panier=\")==0)lire(window.name.substring(14));",
          "if(e.data.charAt(13)==\"=\")lire(e.data.substring(14));",
          "if(garde==null)return;",
          "garde.boutique=boutique_page;garde=JSON.stringify(garde);",
          "try{sessionStorage.setItem(cle,garde);}catch(erreur){}",
          "window.name=\"tarvio_panier=\"+garde;",
          "if(e.data==\"tarvio_panier?\"+boutique_page&&e.ports&&e.ports[0])"
          "e.ports[0].postMessage(\"tarvio_panier=\"+garde);",
          "}catch(erreur){}});",
          "</script>"};
}

LineList pageBonCommande(const EntreesBonCommande& e) {
  const TOptionsCatalogue& c = e.catalogue;
  // A rate that is no positive number would show no second-currency amount: none is shown.
  const bool deux = e.secondeDevise && app::tauxDevise(e.taux);
  const Page p{e, deux};
  LineList s{"<HTML>", "<HEAD>", platform::kCharsetMeta,
             "<TITLE>" + platform::upperText(c.titreE) + "</TITLE>",
             "<script language=\"JavaScript\">"};
  s.add(scriptPanier(c, e.dev1));
  s.add(LineList{
             "var toto=location.search.substring(1).split(\"&\");",
             // The card's form sends the shop's charset: bytes 128 to 159 are Windows-1252's.
             "var cp1252=\"" + octetsWindows1252() + "\";",
             "function decoder(t){return t.replace(/\\+/g,\" \").replace(/%([0-9A-Fa-f]{2})/g,"
             "function(m,h){var n=parseInt(h,16);"
             "return n>=128&&n<160?cp1252.charAt(n-128):String.fromCharCode(n);});}",
             // The values of every key the test accepts, in the query's order.
             "function valeurs_requete(test){var l=[];",
             "for(var k=0;k<toto.length;k++){var egal=toto[k].indexOf(\"=\");if(egal<0)continue;",
             "if(test(decoder(toto[k].substring(0,egal))))l.push(decoder(toto[k].substring(egal+1)));}",
             "return l;", "}",
             "function valeur_requete(cle){var l=valeurs_requete(function(c){return c==cle;});"
             "return l.length?l[0]:\"\";}",
             "function calcul(){"});
  // Another tab or window may have changed the cart since the form was drawn: what the shopper
  // changed here (a box whose value is no longer the one drawn) applies to the newest cart,
  // on the line of the same reference if it is still ordered there.
  s.add("var vue=panier_neuf();copier_panier(panier,vue);lire_copies();prendre_garde();");
  // A shipping amount typed below 0, unreadable or in another currency is refused with a word,
  // as a quantity is: the amount counted before stays. An emptied box is 0.
  if (c.plC)
    s.add(LineList{"var boite=document.form.transport;",
                   "if(boite){var saisi=boite.value;",
                   "if(isNaN(lire_port(saisi)))alert(\"Les frais de port « \"+saisi+\" » ne sont pas un montant.\");",
                   "else if(saisi!=boite.defaultValue)panier.mon_transport=saisi;}"});
  s.add(LineList{"for(var k=0;k<vue.fin;k++){", "var champ=document.form[\"qte\"+k],i=-1;",
                 "if(vue.ma_commande[k]!=\"oui\"||!champ)continue;",
                 "for(var j=0;j<panier.fin;j++)if(panier.ma_ref[j]==vue.ma_ref[k]&&panier.ma_commande[j]==\"oui\")i=j;",
                 "if(i<0)continue;",
                 // A quantity that is no whole number of items, or below 0, is refused: the line
                 // keeps its own. 0 removes it.
                 "var q=lire_quantite(champ.value);",
                 "if(isNaN(q))alert(\"La quantité « \"+champ.value+\" » de \"+panier.ma_ref[i]+"
                 "\" n'est pas un nombre entier d'articles.\");",
                 "else if(q<0)alert(\"La quantité « \"+champ.value+\" » de \"+panier.ma_ref[i]+"
                 "\" ne peut pas être négative.\");",
                 "else if(champ.value!=champ.defaultValue)panier.ma_quantite[i]=String(q);",
                 "if(panier.ma_quantite[i]==\"0\")panier.ma_commande[i]=\"\";"});
  if (c.unique) s.add("panier.ma_quantite[i]=" + texteScript(quantiteDefaut(c)) + ";");
  s.add(LineList{"}", "garder_panier();", "}", "</script>"});
  s.add(scriptCalculs(e));
  if (!e.coul_scroll.empty())
    s.add(LineList{"<STYLE TYPE=\"text/css\">", "<!--",
                   "BODY {scrollbar-base-color: " + e.coul_scroll + ";}", "// -->", "</STYLE>"});
  s.add(LineList{"</HEAD>", "<BODY>", "<center>", "<table border=1 bordercolor=\"gray\">", "<tr>",
                 "<td bordercolor=\"white\" align=\"center\">", "<form name=\"form\">",
                 "<script language=\"JavaScript\">",
                 "devise=" + texteScript(e.dev1) + ";devise2=" + texteScript(e.dev2) + ";",
                 std::string("devise2_confirmation=\"") + (deux ? "oui" : "non") + "\";",
                 "type=" + texteScript(c.produitsE) + ";",
                 "var ref=valeur_requete(\"ref\");",
                 "var description=valeur_requete(\"description\"),pu=valeur_requete(\"pu\");",
                 // A card's lists: a model at its own price (refdiff), then supplements
                 // (refsupp, refsupp3, ...) whose price adds to it. A line "label=price" names
                 // the slot by its label; a line whose text after its last "=" is no amount
                 // ("Couleur=rouge", "Tome 2 = 1950-1960") only names it, whole. The sum is
                 // floored at 0 once: the order in which a card shows its lists changes nothing.
                 // A price that is no amount stays as it came, for the cart not to count it.
                 "var somme=lire_montant(pu),chiffre=false;",
                 "function choisir(valeur,remplace){var egal=valeur.lastIndexOf(\"=\"),libelle=valeur,",
                 "montant=egal>=0&&/\\S/.test(valeur.substring(egal+1))?lire_montant(valeur.substring(egal+1)):NaN;",
                 "if(!isNaN(montant)){libelle=valeur.substring(0,egal);somme=(remplace?0:somme)+montant;chiffre=true;}",
                 "if(libelle!=\"\")ref=ref+\" \"+libelle;}",
                 "if(ref!=\"\"){var difference=valeur_requete(\"refdiff\");",
                 "if(difference!=\"\")choisir(difference,true);",
                 "var supplements=valeurs_requete(function(c){return /^refsupp[0-9]*$/.test(c);});",
                 "for(var k=0;k<supplements.length;k++)choisir(supplements[k],false);",
                 "if(chiffre&&!isNaN(somme))pu=String(Math.max(0,Math.round(somme*100)/100));}",
                 "function ajouter_ligne(){", "var present=false;",
                 "for(var i=0;i<panier.fin;i++)if(panier.ma_ref[i]==ref)present=true;",
                 "var libre=panier.fin;",
                 "for(var i=panier.fin-1;i>=0;i--)if(panier.ma_ref[i]==undefined||panier.ma_ref[i]==\"\")libre=i;",
                 // A full cart grows: a line the shopper orders is never dropped.
                 "if(!present){if(libre==panier.fin)panier.fin=libre+1;panier.ma_ref[libre]=ref;"
                 "panier.ma_description[libre]=description;panier.ma_pu[libre]=pu;"
                 "panier.ma_quantite[libre]=\"\";}",
                 // An order taken back after a zero quantity starts again at the usual quantity.
                 "for(var i=0;i<panier.fin;i++)if(panier.ma_ref[i]==ref){panier.ma_commande[i]=\"oui\";"
                 "if(panier.ma_quantite[i]==\"0\")panier.ma_quantite[i]=\"\";}",
                 "}", "if(ref!=\"\"&&!revenu){ajouter_ligne();garder_panier();}", "</script>"});
  s.add(entete(p));
  // A browser that keeps neither the local storage nor cookies loses the cart with the page; one
  // that keeps cookies only cannot keep a cart larger than a cookie holds.
  s.add(LineList{"<script language=\"JavaScript\">",
                 "if(!garde_possible())document.write(\"<p align=\\\"center\\\"><font color=\\\"red\\\"><b>"
                 "Votre navigateur refuse les cookies de ce site : votre panier ne peut pas être gardé, "
                 "il sera perdu si vous quittez ou rechargez cette page. "
                 "Autorisez les cookies de ce site pour garder votre panier.</b></font></p>\");",
                 "else if(garde_refusee||garde_en_retard())document.write(\"<p align=\\\"center\\\"><font color=\\\"red\\\"><b>"
                 "Votre panier est trop grand pour le cookie de ce site : ses derniers changements ne peuvent "
                 "pas être gardés et seront perdus à la page suivante. "
                 "Autorisez le stockage local de ce site pour garder tout votre panier.</b></font></p>\");",
                 "</script>"});
  s.add("<br>");
  s.add(tableau(p));
  const std::string retour = lienAccueil(e.frames, e.accueilHTM);
  s.add(LineList{"<table border=0 width=\"100%\">", "<tr><td align=\"center\">",
                 "<a href=\"" + retour + "\">" + p.fonte("size=2", "<b>Ajouter d'autres articles</b>") +
                     "</a></td>",
                 "<td align=\"center\"><input type=\"submit\" onCLick=\"JavaScript:calcul()\" "
                 "value=\"Calculer\"></td>",
                 "</tr></table>", "</form>"});
  s.add(identification(p));
  s.add(LineList{"<a href=\"JavaScript:window.print()\"><b>Impression " +
                     platform::lowerText(c.titreE) + "</b></a>",
                 "</td></tr></table>", "</center>", "</BODY>", "</HTML>"});
  return s;
}

}  // namespace frame
