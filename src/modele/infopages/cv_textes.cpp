#include "modele/infopages/cv_textes.h"

#include "platform/escape.h"
#include "platform/text.h"

namespace infopages {

namespace {

platform::LineList catalogue(const EntreesTexteConditions& e) {
  const app::TIdentite& i = e.identite;
  const std::string siret = i.siret.empty() ? std::string() : " SIRET " + i.siret;
  return {"CATALOGUE DES " + e.produits + " :",
          e.denomination + " situé " + i.rue + " " + i.codepostal + " " + i.pays + siret +
              " propose la vente de",
          e.produits + " à partir d'un catalogue accessible sur Internet."};
}

platform::LineList commandes(const EntreesTexteConditions& e) {
  return {"COMMANDES :",
          "Le client choisit à l'aide du catalogue électronique les " + e.produits +
              " qu'il désire acquérir",
          "et transmet sa commande à " + e.denomination + " à partir d'un bon de commande",
          "disponible sur le site à valider suivant les instructions."};
}

platform::LineList prix(const EntreesTexteConditions& e) {
  platform::LineList l{"PRIX DE VENTE :",
                       "Les prix des " + e.produits +
                           " facturés sont ceux figurant sur le catalogue électronique au",
                       "moment de la commande."};
  if (e.livraisonYES)
    l.add(platform::LineList{
        "Les prix de vente s'entendent en prix net. Une participation aux " + e.livraison +
            ", si elle est",
        "demandée, est mentionnée clairement sur le bordereau de validation finale ainsi que le "
        "montant",
        "total à payer."});
  return l;
}

platform::LineList delai(const EntreesTexteConditions& e) {
  return {"DELAI DE LIVRAISON :",
          "Les " + e.produits + " sont normalement livrés par " + e.moyen +
              " à l'adresse indiquée par le client dans",
          "un délai de " + e.delai + ".",
          "L'expéditeur se réserve le droit d'utiliser tout autre moyen de livraison dans le "
          "respect des délais",
          "et frais prévus.",
          "Les délais de livraison peuvent varier en cas de difficultés d'acheminement, de rupture "
          "de stocks",
          "ou périodes de vacances qui seront alors signalés par courrier électronique au client.",
          "Les jours ouvrables ne comprennent pas les week-end et jours fériés.",
          "Pour les livraisons internationales, en fonction des produits et des régions, les délais",
          "peuvent varier de plusieurs semaines."};
}

platform::LineList reserves(const EntreesTexteConditions& e) {
  return {"RESERVES :",
          "Le client devra s'assurer du bon état de la livraison. En cas de dommages constatés ou "
          "supposés,",
          "il appartient au client d'émettre des réserves auprès du livreur et d'en informer",
          e.denomination + " par lettre recommandée AR dans un délai maximum de 48 heures."};
}

platform::LineList disponibilite(const EntreesTexteConditions& e) {
  return {"NON DISPONIBILITE :",
          e.denomination +
              " s'efforcera de satisfaire les demandes du client et d'exécuter les commandes de",
          e.produits + " de ce dernier. Cependant, " + e.denomination + " ne sera pas tenue d'accepter",
          "toutes les commandes et ne pourra voir sa responsabilité engagée à l'égard du client",
          "en cas de retard de livraison ou de non disponibilité temporaire ou permanente de " +
              e.produits + "."};
}

platform::LineList retours(const EntreesTexteConditions& e) {
  return {"RETOUR et RETRACTATION :",
          "Nous nous engageons à vous fournir entière satisfaction pour l'ensemble de nos " +
              e.produits + ".",
          "Conformément à la législation régissant la vente par correspondance en vigueur pour la "
          "vente",
          "en ligne, vous avez la possibilité de nous retourner n'importe quel article dans les 7 "
          "jours",
          "suivant la date de livraison en étant intégralement remboursé du prix de l'article "
          "concerné.",
          "Toutefois les articles ne correspondant pas à votre attente doivent nous être retournés à",
          "l'état neuf dans leur emballage d'origine."};
}

platform::LineList forceMajeure(const EntreesTexteConditions& e) {
  return {"CAS DE FORCE MAJEURE :",
          "La responsabilité de " + e.denomination + " ne pourra être engagée dans le cas de force",
          "majeure tels que grèves, incendies, catastrophes naturelles, ou autres, cette liste",
          "n'étant pas exhaustive."};
}

platform::LineList paiement(const EntreesTexteConditions& e) {
  const app::TIdentite& i = e.identite;
  // The shop's login and name are values of the link's query.
  const std::string lien = "<a href=\"" + e.adressePaiement +
                           "?login=" + platform::urlQueryValue(i.login) +
                           "&boutique=" + platform::urlQueryValue(i.nomE) +
                           "&frame=oui\" target=\"principal\">";
  platform::LineList l{"PAIEMENT :", "Le paiement des " + e.produits + " peut s'effectuer par "};
  if (e.cb) l.add(lien + "carte bancaire à la commande en mode sécurité</a>, ");
  if (e.cc) l.add(lien + "carte de crédit à la commande en mode sécurité</a>, ");
  if (e.cheque) l.add("chèque bancaire à l'ordre de " + i.nomE + ", ");
  if (e.mandat) l.add("mandat postal à l'ordre de " + i.nomE + ", ");
  if (e.cr) l.add("en contre-remboursement, les frais étant à votre charge, ");
  l.add(platform::LineList{
      "sous réserve de toutes les vérifications nécessaires.",
      "Jusqu'à réception effective de l'intégralité des sommes qui lui sont dues dans leur "
      "intégralité,",
      e.denomination + " reste propriétaire des produits livrés et se réserve le droit de procéder "
                       "à leur",
      "récupération par tous moyens mis à sa disposition en cas de défaillance du règlement "
      "définitif."});
  return l;
}

platform::LineList info(const EntreesTexteConditions& e) {
  const app::TIdentite& i = e.identite;
  return {"INFORMATIQUE ET LIBERTE :",
          "Le client dispose d'un droit d'accès, de modification et de suppression des données qui "
          "le",
          "concernent (art.34 de la loi \"Informatique et Libertés\"). Pour l'exercer, adressez-vous à",
          i.nomE + " " + i.rue + " " + i.codepostal + " " + i.pays + " ou à <a href=\"mailto:" +
              i.email + "\">" + i.email + "</a>.",
          "Les seules informations recueillies sous forme de cookie concernent les références des",
          e.produits + " commandés et un numéro d'identifiant généré de façon aléatoire."};
}

}  // namespace

platform::LineList texteParDefaut(std::string_view rubrique, const EntreesTexteConditions& e) {
  platform::LineList l;
  if (rubrique == "Titre")
    return {"Conditions générales de vente"};
  if (rubrique == "Bulle")
    return {e.delai + " par " + e.moyen, "sauf rupture de stock"};
  if (rubrique == "Catalogue")
    l = catalogue(e);
  else if (rubrique == "Commandes")
    l = commandes(e);
  else if (rubrique == "Prix")
    l = prix(e);
  else if (rubrique == "Délai")
    l = delai(e);
  else if (rubrique == "Frais")
    l = {e.livraison + " :"};
  else if (rubrique == "Réserves")
    l = reserves(e);
  else if (rubrique == "Disponibilité")
    l = disponibilite(e);
  else if (rubrique == "Retours")
    l = retours(e);
  else if (rubrique == "Force majeure")
    l = forceMajeure(e);
  else if (rubrique == "Paiement")
    l = paiement(e);
  else if (rubrique == "Garantie")
    l = {"GARANTIE :",
         "Les produits distribués par la librairie sont garantis par leurs fournisseurs ou "
         "éditeurs respectifs."};
  else if (rubrique == "Info")
    l = info(e);
  else if (rubrique == "Litiges")
    l = {"LITIGES :", "En cas de litige, les tribunaux français sont seuls compétents."};
  if (!l.empty()) l[0] = platform::upperAscii(l[0]);
  return l;
}

}  // namespace infopages
