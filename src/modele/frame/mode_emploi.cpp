#include "modele/frame/mode_emploi.h"

#include "platform/charset.h"
#include "platform/escape.h"

namespace frame {

namespace {

using platform::htmlAttribute;

std::string titre(const EntreesModeEmploi& e, const char* texte, bool guillemets = true) {
  return "<FONT face=\"" + e.police_defaut + "\" size=2 color=" +
         (guillemets ? "\"blue\"" : "blue") +
         "><b>" + texte + "</b></FONT>";
}

std::string paiement(const EntreesModeEmploi& e) {
  std::string ligne = "Vous pouvez régler par<br>";
  if (e.cvente_cb == "oui") {
    const std::string adresse =
        e.frames ? e.pageSecurite + "?boutique=" + platform::urlQueryValue(e.nomE) + "&frame=oui"
                 : "securf.htm";
    ligne += "- <b>carte bancaire</b> en <a href=\"" + htmlAttribute(adresse) + "\" target=\"" +
             htmlAttribute(e.cibleLiens) + "\">" +
             "<b>toute sécurité</b></a>, les données étant immédiatement cryptées " +
             "en mode SSL, le plus répandu en matière de paiement électronique et vous " +
             "bénéficier des garanties liées à la vente à distance.<br>";
  }
  if (e.cvente_cheque == "oui") ligne += "- <b>chèque bancaire</b><br>";
  if (e.cvente_mandat == "oui") ligne += "- <b>mandat postal</b><br>";
  if (e.cvente_cr == "oui") ligne += "- <b>contre-remboursement</b><br>";
  if (e.cvente_cc == "oui") ligne += "- <b>carte de crédit</b><br>";
  return ligne + "ou tout autre moyen prévu dans les conditions de vente.";
}

}  // namespace

platform::LineList pageModeEmploi(const EntreesModeEmploi& e) {
  const std::string police = e.police_defaut;
  const std::string f = "<FONT face=\"" + police + "\" size=2>";
  const std::string conditions =
      std::string("<a href=\"") + (e.frames ? "cv.htm" : "cvf.htm") +
      "#delai\" target=\"_self\">conditions générales de vente</a>.";
  platform::LineList page;
  if (e.frames)
    page.add(platform::LineList{"<HTML><HEAD>", platform::kCharsetMeta,
                                "<TITLE>mode d'emploi</TITLE>"});
  page.add(platform::LineList{"<STYLE TYPE=\"text/css\">",
                              "A#X_style:HOVER{background-color: orange;}", "</STYLE>"});
  if (e.frames)
    page.add(platform::LineList{"<script language=\"JavaScript\">", "function reframe()", "{",
              "if(parent.frames.length <= 1)", "{", "location.replace(\"index.htm\");", "}", "}",
              "</script>"});
  if (!e.coul_scroll.empty())
    page.add(platform::LineList{"<STYLE TYPE=\"text/css\">", "<!--",
              "BODY {scrollbar-base-color: " + e.coul_scroll + ";}", "// -->", "</STYLE>"});
  if (e.frames) page.add(platform::LineList{"</HEAD>", "<BODY onLoad=\"reframe()\">"});
  page.add("<center><font face=\"" + police +
           "\" size=3 color=\"red\"><b>Mode d'Emploi</b></font></center>");
  page.add("<br>");
  page.add(f);
  page.add("<b>" + platform::htmlText(e.nomB) + "</b> vous permet de commander en lignes vos produits préférés " +
           "sans risques : vous recevrez ensuite vos achats chez vous, " +
           "en quelques jours.</font><br><br>");

  page.add(titre(e, "COMMENT TROUVER VOS ARTICLES ?") + "<BR>");
  page.add("<FONT face=\"" + police +
           "\" size=2>Vous pouvez trouver vos articles de plusieurs façons :");
  page.add("<ul>");
  page.add("<li>En consultant <b>le menu</b> à gauche de l'écran et en cliquant avec le bouton "
           "gauche de la souris sur le thème qui vous intéresse.");
  page.add("<li>En vous servant de la <a href=\"" + htmlAttribute(e.lienAccueil) +
           "\" target=\"_self\"><b>page d'accueil</b></a> en choisissant des produits.");
  page.add("<li>En utilisant les index de la <b>recherche</b> en haut de l'écran :");
  page.add("</ul>");
  page.add("Le retour sur la page d'accueil est très utile pour ne pas se perdre.</font><br><br>");

  page.add(titre(e, "COMMENT COMMANDER VOS ARTICLES ?"));
  page.add("<br><font face=\"" + police + "\" size=2>");
  page.add("Lorsque vous avez trouver un article, il vous suffit de cliquer "
           "avec le bouton gauche de la souris sur le bouton ou le texte de commande : "
           "<b>JE COMMANDE</b>. A ce moment-là, vous pouvez consulter votre panier "
           "de commande, choisir les quantités à commander ou annuler votre commande. "
           "Vous pouvez à tout moment revenir au catalogue pour ajouter de nouveaux "
           "articles. Vous pouvez également consulter votre panier de commande en "
           "cliquant sur <b>votre panier</b> situé sur la barre de menu en haut de "
           "l'écran. Une fois votre dernier article choisi, vous pouvez valider "
           "votre commande.</font><br><br>");

  page.add(titre(e, "OU FAUT-IL LIVRER VOTRE COMMANDE ?", false) + "<BR>");
  page.add(f);
  page.add("La validation de votre commande vous fait accéder en mode sécurité : "
           "vous pouvez ainsi compléter les coordonnées de livraison demandées</font> "
           "<br><br>");

  page.add(titre(e, "QUEL EST LE MONTANT DES FRAIS DE PORT ?") + "<BR>");
  page.add(f);
  page.add("Les frais de port éventuels sont à la charge du client. Ils sont calculés "
           "forfaitairement mais en tenant compte du nombre d'articles et de la "
           "destination finale. Pour cette raison, ils ne sont inscrits que sur la "
           "page finale de validation du moyen de paiement. "
           "Pour plus de renseignements voir les " + conditions + "</font><br><br>");

  page.add(titre(e, "COMMENT REGLER LA COMMANDE ?") + "<BR>");
  page.add(f);
  page.add(paiement(e));
  page.add("<br><br>");

  page.add(titre(e, "QUELS SONT LES DELAIS DE LIVRAISON ?") + "<BR>");
  page.add(f);
  page.add("Une fois réceptionnée, votre commande est traitée immédiatement par nos services. "
           "Les délais de livraison sont fonction des produits demandés et de "
           "la destination de livraison. Pour plus de renseignements voir les " + conditions +
           " En cas de doute, n'hésitez pas à nos envoyer un <a href=\"mailto:" +
           htmlAttribute(e.email) + "\"><b>courrier électronique.</b></a></font>");
  if (e.frames) page.add("</BODY></HTML>");
  return page;
}

}  // namespace frame
