// The scenario runner itself: what a script line means, checked by scripts that must hold and
// scripts that must fail.

#include "runner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "platform/text.h"
#include "support/temp_folder.h"

namespace {

// Runs a script given in Windows-1252 (as the literals of this file are), saved as UTF-8 like a
// script file.
int lancer(const std::string& script, std::string* erreur = nullptr) {
  testing_support::TempFolder dossier;
  dossier.write("script.txt", platform::toUtf8(script));
  std::ostringstream sortie, erreurs;
  int code = scenario::run({dossier / "script.txt", std::nullopt}, sortie, erreurs);
  if (erreur) *erreur = erreurs.str();
  return code;
}

TEST(Runner, WhatAScriptLineMeans) {
  struct Cas {
    const char* nom;
    std::string script;
    int code;
  } cas[] = {
      {"an answered file is named in Windows-1252 inside the data folder",
       "write photos/Photo Été.jpg\nGIF89a!!!!\nend\nstart\n"
       "answer-file {data}/photos/Photo Été.jpg\nclick Tmain.BitBtn18\n"
       "expect-message Nom de l'image modifié en photo-ete\nexpect-file photo-ete.jpg\nGIF89a!!!!\nend\n",
       0},
      {"a written line keeps its trailing blank", "write a.txt\na \nend\nexpect-file a.txt\na \nend\n",
       0},
      {"an expected line keeps its trailing blank", "write a.txt\na\nend\nexpect-file a.txt\na \nend\n",
       1},
      {"a typed text keeps its trailing blank",
       "start\nset Tmain.referencer LIV \nexpect-value Tmain.referencer LIV \n", 0},
      {"an expected value keeps its trailing blank",
       "start\nset Tmain.referencer LIV\nexpect-value Tmain.referencer LIV \n", 1},
      {"memo lines are joined by \\n both ways",
       "start\nset Tmain.commentaires Un\\nDeux\nexpect-value Tmain.commentaires Un\\nDeux\n", 0},
      {"a file holds the expected line among others",
       "write a.txt\nx=1\ny=Été\nend\nexpect-line a.txt y=Été\n", 0},
      {"a line is matched whole", "write a.txt\nx=12\nend\nexpect-line a.txt x=1\n", 1},
      {"a memo is never read with CR LF",
       "start\nset Tmain.commentaires Un\\nDeux\nexpect-value Tmain.commentaires Un\\r\\nDeux\n", 1},
  };
  for (const Cas& c : cas) {
    std::string erreur;
    EXPECT_EQ(lancer(c.script, &erreur), c.code) << c.nom << "\n" << erreur;
  }
}

struct Cas {
  const char* nom;
  std::string script;
  int code;
};

void verifier(const Cas (&cas)[4]) {
  for (const Cas& c : cas) {
    std::string erreur;
    EXPECT_EQ(lancer(c.script, &erreur), c.code) << c.nom << "\n" << erreur;
  }
}

TEST(Runner, AnUpDownArrowStepsAndRunsItsHandler) {
  const std::string debut = "start\nshow Taccueil1\nexpect-value Taccueil1.Taille_titre 13\n";
  verifier({{"up: the position and the edit its handler fills",
             debut + "click Taccueil1.Taille_titre up\nexpect-value Taccueil1.taille_num_titre 14\n", 0},
            {"down", debut + "click Taccueil1.Taille_titre down\nexpect-value Taccueil1.Taille_titre 12\n", 0},
            {"down is not up", debut + "click Taccueil1.Taille_titre down\nexpect-value Taccueil1.Taille_titre 14\n", 1},
            {"an arrow is up or down", debut + "click Taccueil1.Taille_titre haut\n", 1}});
}

TEST(Runner, LeavingAControlRunsItsExitHandler) {
  const std::string debut = "start\nset Tmain.presentations Un\n";
  verifier({{"typing alone runs no exit handler", debut + "expect-value Tmain.intro false\n", 0},
            {"leaving the memo ticks its box", debut + "leave Tmain.presentations\nexpect-value Tmain.intro true\n", 0},
            {"leaving the memo emptied unticks it",
             debut + "leave Tmain.presentations\nset Tmain.presentations \nleave Tmain.presentations\n"
                     "expect-value Tmain.intro false\n", 0},
            {"a control the user cannot reach cannot be left", "start\nleave Tkelkoo2.multiC\n", 1}});
}

TEST(Runner, BackgroundIsReadApartFromTheFontColour) {
  verifier({{"the notice of the update window is pale yellow",
             "start\nexpect-value Ttarvioupdate.Memo1.background #FFFFE1\n", 0},
            {"its text is black", "start\nexpect-value Ttarvioupdate.Memo1.colour #000000\n", 0},
            {"the background is not the text's colour",
             "start\nexpect-value Ttarvioupdate.Memo1.background #000000\n", 1},
            {"a memo is white", "start\nexpect-value Tmain.presentations.background #FFFFFF\n", 0}});
}

TEST(Runner, AFixedServerStandsOnALoopbackServer) {
  const std::string serveur = "server ftp.tarvio.example\nwrite ftp.tarvio.example:www/version.htm\n";
  const std::string majour = "start\nanswer yes\nclick Tmain.versionB\n"
                             "expect-message 5.099\\nVoulez-vous mettre à jour votre logiciel ? (connection obligatoire)\n";
  verifier({{"the program reaches the maker's server with its account",
             serveur + "Version 5.099\nend\nwrite version.exe\nMZ\nend\n" + majour +
                 "expect-message Aucune mise à jour\nexpect-no-file tmp/version.htm\n", 0},
            {"a file of the server compares with a file of the data folder",
             serveur + "Version 5.099\nend\nwrite v.htm\nVersion 5.099\nend\n"
                       "expect-same v.htm ftp.tarvio.example:www/version.htm\n", 0},
            {"two different files differ",
             serveur + "Version 5.099\nend\nwrite v.htm\nVersion 5.1\nend\n"
                       "expect-same v.htm ftp.tarvio.example:www/version.htm\n", 1},
            {"a server comes before the start", "start\nserver ftp.tarvio.example\n", 1}});
}

}  // namespace
