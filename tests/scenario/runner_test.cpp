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

}  // namespace
