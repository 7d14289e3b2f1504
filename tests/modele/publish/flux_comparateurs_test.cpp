// The feed rows built from a sheet's values.

#include "modele/publish/flux_comparateurs.h"

#include <gtest/gtest.h>

namespace publish {
namespace {

TEST(FluxComparateurs, OneRowPerPricedProduct) {
  const ProduitFlux base{.reference = "r1", .description = "(w:2)Pull", .categorie = "Mode",
                         .theme = "Hiver", .auteur = "Lune", .prix = "20", .image = "img/p.jpg",
                         .page = "page2.htm"};
  using Cas = std::pair<ProduitFlux, std::string>;  // the product and its row, "" when none
  ProduitFlux promo = base, ecotaxeHaute = base, sansPrix = base, surcharge = base, balises = base,
              long_ = base, separateurs = base, longueDescription = base, negatif = base,
              promoBlanche = base;
  separateurs.description = "Pull\tcol\rV";
  separateurs.commentaires = {"doux\tet\nchaud"};
  separateurs.reference = "r\t1";
  promo.prixPromo = "15,5";
  promo.pecotaxe = "0,5";
  ecotaxeHaute.pecotaxe = "25";
  sansPrix.prix = "0";
  negatif.prix = "-5";  // the card sells it not: neither is it fed
  promoBlanche.prixPromo = " ";
  surcharge.surcharge = platform::LineList{"titre=Autre titre", "<b>Gras</b> x", "categorie=Neuf  "};
  balises.commentaires = {"<b>doux</b>", "1", "2", "3", "4", "5", "6"};
  long_.description = std::string(80, 'x');  // "Mode " and the title cut to 79 characters
  longueDescription.commentaires = {std::string(200, 'y')};  // "Hiver " and the comment cut to 159

  const std::string u = "http://b.test/index2.php?track=k&url_principal=page2.htm\t";
  const Cas cas[] = {
      {base, u + "Mode Pull Lune\tHiver\t20.00\tr1\thttp://b.test/img/p.jpg\tMode\t0"},
      {promo, u + "Mode Pull Lune\tHiver\t15.00\tr1\thttp://b.test/img/p.jpg\tMode\t0.5"},
      {ecotaxeHaute, u + "Mode Pull Lune\tHiver\t20.00\tr1\thttp://b.test/img/p.jpg\tMode\t25"},
      {sansPrix, ""},
      {negatif, ""},
      {promoBlanche, u + "Mode Pull Lune\tHiver\t20.00\tr1\thttp://b.test/img/p.jpg\tMode\t0"},
      {surcharge, u + "Autre titre\tGras x\t20.00\tr1\thttp://b.test/img/p.jpg\tNeuf  \t0"},
      {balises, u + "Mode Pull Lune\tHiver doux 1 2 3 4 5\t20.00\tr1\thttp://b.test/img/p.jpg\tMode\t0"},
      {long_, u + "Mode " + std::string(74, 'x') + "\tHiver\t20.00\tr1\thttp://b.test/img/p.jpg\tMode\t0"},
      {longueDescription, u + "Mode Pull Lune\tHiver " + std::string(153, 'y') +
                              "\t20.00\tr1\thttp://b.test/img/p.jpg\tMode\t0"},
      // A TAB or a line break inside a field would add columns or cut the row.
      {separateurs,
       u + "Mode Pull col V Lune\tHiver doux et chaud\t20.00\tr 1\thttp://b.test/img/p.jpg\tMode\t0"},
  };
  for (const auto& [produit, ligne] : cas) {
    const Flux flux = construireFlux({.urlBase = "http://b.test", .produits = {produit}});
    ASSERT_EQ(flux.kelkoo.size(), ligne.empty() ? 4u : 5u) << ligne;
    EXPECT_EQ(flux.webmarchand[3].substr(flux.webmarchand[3].rfind('\t')), "\tD3E");
    if (ligne.empty()) continue;
    EXPECT_EQ(flux.kelkoo[4], ligne);
    EXPECT_NE(flux.webmarchand[4].find("track=w&"), std::string::npos);
  }
  // Prices read in the shop's currency, as its cards read them.
  ProduitFlux ttc = base, francs = base;
  ttc.prix = "40 € TTC";
  ttc.prixPromo = "32 € TTC";
  francs.prix = "45 francs";
  const Flux flux = construireFlux({.urlBase = "http://b.test", .devise = "€ TTC",
                                    .produits = {ttc, francs}});
  ASSERT_EQ(flux.kelkoo.size(), 5u);
  EXPECT_EQ(flux.kelkoo[4], u + "Mode Pull Lune\tHiver\t32.00\tr1\thttp://b.test/img/p.jpg\tMode\t0");
}

TEST(FluxComparateurs, TrackingCodes) {
  for (const char* bon : {"abc", "z"}) EXPECT_TRUE(trackingValide(bon)) << bon;
  for (const char* mauvais : {"", "Abc", "a b", "\xe9t\xe9", "a1", "kelkoo", "webmarchandm"})
    EXPECT_FALSE(trackingValide(mauvais)) << mauvais;
}

}  // namespace
}  // namespace publish
