#pragma once
// The window `Ttransfert1` ("Transfert des pages du Site"): the shop's FTP account, the files of
// ftp/ to send with those that differ from their mirror copy in transfert/ ticked, the size
// totals, and the upload (transfert_envoi.cpp).

#include <functional>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "modele/publish/empreintes_miroir.h"
#include "platform/ftp.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace pages {
class EcrivainFond;
}

namespace publish {

class Ttransfert1 : public ui::Form {
 public:
  explicit Ttransfert1(app::Programme& programme);
  ~Ttransfert1() override;

  // Layout: the account and the progress on the left, the files to send on the right.
  ui::Panel colonneTransfert{*this, "colonneTransfert"};
  ui::GroupBox compteG{colonneTransfert, "compteG", "Compte FTP"};
  ui::Edit HostTxt{compteG, "HostTxt"};
  ui::Edit PortTxt{compteG, "PortTxt", "21"};
  ui::Edit UserTxt{compteG, "UserTxt"};
  ui::Edit PassTxt{compteG, "PassTxt"};
  ui::Edit RepTxt{compteG, "RepTxt"};
  ui::ListBox listeFTP{*this, "listeFTP"};
  ui::GroupBox GroupBox1{*this, "GroupBox1", "A transférer [FTP]"};
  ui::CheckListBox memoFTP{GroupBox1, "memoFTP"};
  ui::FileListBox transfertLIST{*this, "transfertLIST", "*.*"};
  ui::ListBox repL{*this, "repL"};
  ui::Memo memoG{*this, "memoG"};
  ui::Gauge Gauge{colonneTransfert, "Gauge"};
  ui::Label Label2{colonneTransfert, "Label2", "Connection obligatoire..."};
  ui::Label blocM{colonneTransfert, "blocM"};
  ui::GroupBox GroupBox2{colonneTransfert, "GroupBox2", "Calcul de la taille du site"};
  ui::Label sizeF{GroupBox2, "sizeF", "Fichiers transférés :"};
  ui::Label sizeA{GroupBox2, "sizeA", "A transférer :"};
  ui::Button bouton{GroupBox2, "bouton", "Calculer"};
  ui::CheckBox redirC{*this, "redirC", "Redirectionner les URL inutiles à la fin du transfert"};
  ui::CheckBox effacerC{*this, "effacerC", "Effacer VIBDD"};
  ui::FileListBox refL{*this, "refL"};
  ui::FileListBox viF{*this, "viF"};
  ui::Button goftp{*this, "goftp", "Commencer le transfert"};
  ui::Button BitBtn4{GroupBox1, "BitBtn4", "Tous"};
  ui::Button modif{GroupBox1, "modif", "Fichiers modifiés"};
  ui::Button BitBtn5{GroupBox1, "BitBtn5", "Aucun"};
  ui::Button BitBtn3{compteG, "BitBtn3", "Enregistrer les informations"};
  ui::Button BitBtn1{*this, "BitBtn1", "Fermer"};
  ui::Label Lhtm{*this, "Lhtm", "Hébergez votre boutique"};
  platform::FtpSession FTP1;

  // Set by compare, read by the upload.
  bool planSiteActif = false;    // the site map list is kept during this publication
  bool premierPlanSite = false;  // ... and ftp/sitemap.xml does not exist yet
  std::string urlBoutique;       // the shop's base URL for its login, "" when none
  // A remote listing longer than this is not read to its end: nothing is redirected.
  size_t maxLignesListe = 1000000;
  // Bytes the last comparison read (the files no record described), for the measures.
  long long octetsLusComparaison = 0;

  // Step 4 of the publishing command: migrates ftp.opt, then loads var.opt into the edits.
  // False (message shown) when the migration failed: the command ends.
  bool chargerCompte();

  void compare();
  // True while the upload runs (its network waits let the user act on the windows).
  bool enCours() const { return enCours_; }

  void modifClick();
  void BitBtn4Click();
  void BitBtn5Click();
  void boutonClick();
  void BitBtn1Click();
  void BitBtn3Click();
  void goftpClick();
  void FormActivate();
  void FormClose();
  void FormHide();
  void LhtmClick();

  // The marketplace upload, run after the site upload when vibdd.ini exists. Throws
  // EchecTransfert or platform::FileError: the publication stops there.
  void transfertVibdd();

 private:
  // The place the edits name.
  LieuMiroir lieuPublication() const;
  // Whether the mirror was sent to that place (none recorded: to no place known).
  bool miroirDe(const LieuMiroir& lieu) const;
  // The names of the mirror folder, listed again now.
  const std::vector<std::string>& fichiersMiroir();
  void verrouiller(bool pendantEnvoi);
  // The names the server cannot be sent (a control byte): skipped, never mirrored.
  std::vector<std::string> envoyer(const std::vector<std::string>& aEnvoyer,
                                   const std::string& date, const std::string& repertoire);
  // After a failed upload: the pages of circles not all sent that were not in the folder before
  // (presents) are taken off the server, and out of `envoyes`.
  void reprendreCercles(const std::vector<std::vector<std::string>>& cercles,
                        const std::unordered_set<std::string>& presents,
                        std::vector<std::string>& envoyes);
  // Removes transfert/<nom>; throws EchecTransfert when it stays.
  void oublierCopieMiroir(const std::string& nom);
  // Writes a record of hashes; a failure only costs reading the files again next time.
  void enregistrerEmpreintes(const std::function<void()>& enregistrer);
  void confierMiroir(pages::EcrivainFond& miroir, std::function<void()> copie);
  // Adds and ticks the pages the site map needs (sent again when it does not list them yet).
  void selectionnerPagesSitemap(std::vector<std::string>& items, std::vector<bool>& coches);
  void redirigerPagesInutiles();
  // Pages the mirror's place holds and the site no longer builds, to redirect (the option
  // ticked): begun there, or sent whole and not yet redirected.
  bool redirectionsEnAttente();
  void envoyerPlanSite();
  void sauverPlanSiteLocal();
  bool framesOui() const;
  void viderMiroirVibdd();
  // Sends the file unless its mirror copy in vibdd/ holds the same bytes, then mirrors it.
  void envoyerVibddSiChange(const std::filesystem::path& local, const std::string& nom);
  void envoyerVibdd(const std::filesystem::path& local, const std::string& nom);

  app::Programme& p_;
  bool enCours_ = false;
  bool hoteSignale_ = false;
  bool planSiteEcrit_ = false;  // ftp/sitemap.xml already merged and saved by this upload
  std::optional<LieuMiroir> lieuListe_;  // the place memoFTP was made for
  std::unordered_set<std::string> miroirVibdd_;  // names in vibdd/ when the marketplace upload began
};

}  // namespace publish
