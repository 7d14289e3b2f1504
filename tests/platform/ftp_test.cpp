#include "platform/ftp.h"

#include "platform/ftp_listing.h"
#include "support/ftp_server.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <tuple>

namespace platform {
namespace {

using testing_support::FtpServer;
using testing_support::TempFolder;

// Every byte value, CR LF, a lone LF and the DOS end-of-file byte: a text-mode transfer would
// change some of them.
std::string binaryBytes(size_t size) {
  std::string bytes = std::string("a\r\nb\nc\x1A\0\xE9\r\n", 12);
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  bytes.reserve(size);
  while (bytes.size() < size) bytes += static_cast<char>(bytes.size() * 7 % 251);
  bytes.resize(std::max(size, size_t{12}));
  return bytes;
}

std::vector<std::string> folderContent(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// Compares without printing megabytes of bytes on a failure.
::testing::AssertionResult sameBytes(const std::string& actual, const std::string& expected) {
  if (actual == expected) return ::testing::AssertionSuccess();
  size_t i = 0;
  while (i < actual.size() && i < expected.size() && actual[i] == expected[i]) ++i;
  return ::testing::AssertionFailure() << "sizes " << actual.size() << " and " << expected.size()
                                       << ", first difference at byte " << i;
}

class FtpSessionTest : public ::testing::Test {
 protected:
  explicit FtpSessionTest(int bytesPerSecond = 0) : server(bytesPerSecond) {}

  void connect() {
    ASSERT_TRUE(session.connect(server.host(), server.port(), server.user(), server.password()))
        << session.lastError();
  }

  FtpServer server;
  TempFolder local;
  FtpSession session;
};

class SlowFtpSessionTest : public FtpSessionTest {
 protected:
  SlowFtpSessionTest() : FtpSessionTest(4 * 1024 * 1024) {}
};

TEST_F(FtpSessionTest, ConnectChecksTheLoginAtOnceAndFailsWithoutServerOrWithBadAddress) {
  const std::tuple<std::string, std::string, bool> cases[] = {
      {server.user(), server.password(), true},
      {server.user(), "secrete", false},
      {"anonymous", "x", false}};
  for (const auto& [user, password, ok] : cases) {
    FtpSession fresh;
    EXPECT_EQ(fresh.connect(server.host(), server.port(), user, password), ok) << password;
    EXPECT_EQ(fresh.connected(), ok);
    EXPECT_EQ(fresh.lastError().empty(), ok) << fresh.lastError();
    if (ok) {
      EXPECT_EQ(fresh.currentFolder(), "/");
    }
  }
  for (auto [host, badPort] : {std::pair<std::string, int>{"127.0.0.1", 0}, {"127.0.0.1", 70000},
                               {"", 21}, {"h\xF4te/www", 21}, {"user@host", 21}}) {
    EXPECT_FALSE(session.connect(host, badPort, "marchand", "secret")) << host << ":" << badPort;
    EXPECT_FALSE(session.lastError().empty());
  }
  const int port = server.port();
  server.stop();
  EXPECT_FALSE(session.connect("127.0.0.1", port, "marchand", "secret"));
  EXPECT_FALSE(session.connected());
  EXPECT_FALSE(session.lastError().empty());
}

// The server runs on the system's interpreter whatever PATH holds first: here a virtual environment
// whose python3 has no FTP library.
TEST(FtpTestServer, StartsWhateverPythonComesFirstInPath) {
  TempFolder venv;
  venv.write("pyvenv.cfg", "home = /usr/bin\ninclude-system-site-packages = false\n");
  std::filesystem::create_directories(venv.path() / "bin");
  std::filesystem::create_symlink("/usr/bin/python3", venv.path() / "bin" / "python3");
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "/usr/bin:/bin";
  for (const std::string& first : {std::string(), (venv.path() / "bin").string() + ":"}) {
    ::setenv("PATH", (first + path).c_str(), 1);
    std::optional<FtpServer> server;
    EXPECT_NO_THROW(server.emplace()) << first;
    FtpSession session;
    if (server) EXPECT_TRUE(session.connect(server->host(), server->port(), server->user(), server->password())) << first;
  }
  ::setenv("PATH", path.c_str(), 1);
}

TEST_F(FtpSessionTest, PutThenGetKeepsEveryByteAndReplaces) {
  server.home().write("copie.bin", std::string(300000, 'x'));  // longer than what replaces it
  local.write("retour.bin", std::string(300000, 'y'));
  connect();
  for (size_t size : {size_t{0}, size_t{12}, size_t{300}, size_t{200000}}) {
    SCOPED_TRACE(size);
    std::string bytes = size == 0 ? std::string() : binaryBytes(size);
    local.write("envoi.bin", bytes);
    ASSERT_TRUE(session.put(local / "envoi.bin", "copie.bin")) << session.lastError();
    EXPECT_TRUE(sameBytes(server.home().read("copie.bin"), bytes));
    ASSERT_TRUE(session.get("copie.bin", local / "retour.bin")) << session.lastError();
    EXPECT_TRUE(sameBytes(local.read("retour.bin"), bytes));
  }
  EXPECT_EQ(folderContent(local.path()), (std::vector<std::string>{"envoi.bin", "retour.bin"}));
}

TEST_F(FtpSessionTest, LocalNamesAreFoundWithoutRegardToCase) {
  local.write("Import/Index2.PHP", "ancien");
  server.home().write("index2.php", "<?php echo $_GET['x']; ?>");
  connect();
  ASSERT_TRUE(session.get("index2.php", local / "import" / "index2.php")) << session.lastError();
  EXPECT_EQ(local.read("Import/Index2.PHP"), "<?php echo $_GET['x']; ?>");
  EXPECT_FALSE(local.exists("import"));
  ASSERT_TRUE(session.put(local / "IMPORT" / "index2.php", "retour.php")) << session.lastError();
  EXPECT_EQ(server.home().read("retour.php"), "<?php echo $_GET['x']; ?>");
}

TEST_F(FtpSessionTest, ChangeFolderFollowsTheServer) {
  std::filesystem::create_directories(server.home() / "www" / "kelkoo");
  std::filesystem::create_directories(server.home() / "autre");
  connect();
  struct Step {
    const char* folder;
    bool ok;
    const char* after;
  } steps[] = {
      {"www/", true, "/www"},        {"manquant", false, "/www"}, {"kelkoo", true, "/www/kelkoo"},
      {"..", true, "/www"},          {"../autre", true, "/autre"}, {"/www/kelkoo/", true, "/www/kelkoo"},
      {"../../..", true, "/"},       {"/", true, "/"},            {"www/kelkoo/x", false, "/"},
      {"./www/./kelkoo", true, "/www/kelkoo"},
  };
  for (const auto& step : steps) {
    EXPECT_EQ(session.changeFolder(step.folder), step.ok) << step.folder << session.lastError();
    EXPECT_EQ(session.currentFolder(), step.after) << step.folder;
  }
  EXPECT_TRUE(session.connected());  // a missing folder is no lost connection

  // Later calls work in the current folder.
  local.write("flux.txt", "ref\tprix\r\n");
  ASSERT_TRUE(session.put(local / "flux.txt", "flux.txt")) << session.lastError();
  EXPECT_EQ(server.home().read("www/kelkoo/flux.txt"), "ref\tprix\r\n");
}

// A huge listing is read line by line and can be stopped; the session stays usable after.
TEST_F(FtpSessionTest, ListStreamsItsLinesAndStopsOnRequestOrOnAnOverlongLine) {
  for (int i = 0; i < 200; ++i) std::ofstream(server.home() / ("f" + std::to_string(i) + ".htm")) << "x";
  connect();
  size_t seen = 0;
  EXPECT_TRUE(session.list([&](std::string_view line) {
    EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos);
    ++seen;
    return true;
  })) << session.lastError();
  EXPECT_EQ(seen, 200u);

  seen = 0;
  EXPECT_FALSE(session.list([&](std::string_view) { return ++seen < 10; }));
  EXPECT_EQ(seen, 10u);
  EXPECT_EQ(session.lastError(), "Liste du serveur interrompue");

  EXPECT_FALSE(session.list([](std::string_view) { return true; }, 20));
  EXPECT_NE(session.lastError().find("trop longue"), std::string::npos) << session.lastError();

  local.write("apres.htm", "apres");
  EXPECT_TRUE(session.put(local / "apres.htm", "apres.htm")) << session.lastError();
  auto lines = session.list();
  ASSERT_TRUE(lines) << session.lastError();
  EXPECT_EQ(lines->size(), 201u);
}

TEST_F(FtpSessionTest, ListShowsSentFilesWithTheirSize) {
  std::filesystem::create_directories(server.home() / "images");
  connect();
  local.write("produits.htm", std::string(2400, 'p'));
  local.write("petit.htm", std::string(480, 'q'));
  ASSERT_TRUE(session.put(local / "produits.htm", "produits.htm")) << session.lastError();
  ASSERT_TRUE(session.put(local / "petit.htm", "petit.htm")) << session.lastError();
  auto lines = session.list();
  ASSERT_TRUE(lines) << session.lastError();
  for (const auto& line : *lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
  Listing listing = parseListing(*lines);
  EXPECT_EQ(listing.unreadable, 0);
  std::map<std::string, std::pair<long long, bool>> entries;
  for (const FtpEntry& e : listing.entries) entries[e.name] = {e.size, e.folder};
  EXPECT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries["produits.htm"], std::pair(2400LL, false));
  EXPECT_EQ(entries["petit.htm"], std::pair(480LL, false));
  EXPECT_TRUE(entries["images"].second);

  ASSERT_TRUE(session.changeFolder("images"));
  auto empty = session.list();
  ASSERT_TRUE(empty) << session.lastError();
  EXPECT_TRUE(empty->empty());
}

TEST_F(FtpSessionTest, NamesWithBlanksAndSpecialBytesTravelAsTheyAre) {
  const std::string folder = "dossier \xE9t\xE9 #2";
  std::filesystem::create_directories(server.home() / folder);
  connect();
  ASSERT_TRUE(session.changeFolder(folder)) << session.lastError();
  for (std::string name : {"fiche produit.htm", "caf\xE9.htm", "50% #1.htm", "a+b=c&d;e'f.htm",
                           "\x80uro \x9C.txt"}) {
    SCOPED_TRACE(name);
    local.write("source.txt", name);
    ASSERT_TRUE(session.put(local / "source.txt", name)) << session.lastError();
    EXPECT_EQ(server.home().read(folder + "/" + name), name);
    ASSERT_TRUE(session.get(name, local / name)) << session.lastError();
    EXPECT_EQ(local.read(name), name);
    Listing listing = parseListing(*session.list());
    EXPECT_EQ(listing.unreadable, 0);
    EXPECT_TRUE(std::any_of(listing.entries.begin(), listing.entries.end(),
                            [&](const FtpEntry& e) { return e.name == name; }));
  }
}

TEST_F(FtpSessionTest, RefusesNamesThatWouldLeaveTheFolderOrBreakTheCommand) {
  std::filesystem::create_directories(server.home() / "www");
  local.write("a.txt", "a");
  connect();
  for (const std::string& name : std::vector<std::string>{"", "../a.txt", "www/a.txt",
                                                         "a.txt\r\nDELE b.txt",
                                                         std::string("a\0b", 3)}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(session.put(local / "a.txt", name));
    EXPECT_FALSE(session.lastError().empty());
    EXPECT_FALSE(session.get(name, local / "b.txt"));
  }
  EXPECT_FALSE(session.changeFolder("www/\r\nRMD www"));
  EXPECT_EQ(session.currentFolder(), "/");
  EXPECT_EQ(folderContent(server.home().path()), std::vector<std::string>{"www"});
  EXPECT_FALSE(local.exists("b.txt"));
}

TEST_F(FtpSessionTest, FailuresLeaveLocalAndRemoteFilesAsTheyWere) {
  local.write("import/index2.php", "bon fichier");
  connect();
  EXPECT_FALSE(session.get("manquant.php", local / "import" / "index2.php"));
  EXPECT_FALSE(session.lastError().empty());
  EXPECT_EQ(local.read("import/index2.php"), "bon fichier");
  EXPECT_FALSE(session.get("manquant.php", local / "nouveau.php"));
  EXPECT_FALSE(session.get("manquant.php", local / "pas_de_dossier" / "x.php"));
  EXPECT_FALSE(session.put(local / "absent.htm", "absent.htm"));
  EXPECT_NE(session.lastError().find("absent.htm"), std::string::npos);
  EXPECT_FALSE(session.put(local / "import", "import"));
  EXPECT_EQ(folderContent(local.path()), std::vector<std::string>{"import"});
  EXPECT_EQ(folderContent(local / "import"), std::vector<std::string>{"index2.php"});
  EXPECT_TRUE(folderContent(server.home().path()).empty());
  EXPECT_TRUE(session.connected());
}

// The failures a shopkeeper meets are told in French, the server's refusal after them.
TEST(FtpFailureText, FrenchTextThenTheServersRefusal) {
  struct Cas {
    int code;
    const char* reponse;
    const char* texte;
  } cas[] = {
      {7, "", "Connexion refusée par le serveur FTP (ftp.exemple.fr, port 21)"},
      {6, "", "Serveur FTP inconnu : ftp.exemple.fr"},
      {28, "", "Le serveur FTP ne répond pas dans le délai (ftp.exemple.fr, port 21)"},
      {67, "530 Login incorrect.",
       "Identifiant ou mot de passe refusé par le serveur FTP (530 Login incorrect.)"},
      {67, "451 Try again later.",
       "Connexion refusée pour le moment par le serveur FTP, réessayez plus tard (451 Try again later.)"},
      {9, "550 No such file or directory.",
       "Dossier refusé par le serveur FTP (550 No such file or directory.)"},
      {25, "553 Could not create file.",
       "Transfert refusé par le serveur FTP (553 Could not create file.)"},
      {78, "550 No such file.", "Transfert refusé par le serveur FTP (550 No such file.)"},
      {56, "226 Transfer complete.", "Connexion au serveur FTP perdue"},
      {52, "", "Connexion au serveur FTP perdue"},
      {3, "", "Erreur FTP n° 3"},
  };
  for (const auto& c : cas)
    EXPECT_EQ(ftpFailureText(c.code, "ftp.exemple.fr", 21, c.reponse), c.texte) << c.code;
}

TEST_F(FtpSessionTest, FailuresOfTheServerAreToldInFrenchWithItsReply) {
  FtpSession refusee;
  EXPECT_FALSE(refusee.connect(server.host(), server.port(), server.user(), "faux"));
  EXPECT_TRUE(refusee.lastError().starts_with(
      "Identifiant ou mot de passe refusé par le serveur FTP (530 "))
      << refusee.lastError();
  connect();
  EXPECT_FALSE(session.changeFolder("manquant"));
  EXPECT_TRUE(session.lastError().starts_with("Dossier refusé par le serveur FTP (550 "))
      << session.lastError();
  EXPECT_FALSE(session.get("manquant.php", local / "x.php"));
  EXPECT_TRUE(session.lastError().starts_with("Transfert refusé par le serveur FTP (550 "))
      << session.lastError();
  const int port = server.port();
  server.stop();
  FtpSession sansServeur;
  EXPECT_FALSE(sansServeur.connect("127.0.0.1", port, "marchand", "secret"));
  EXPECT_EQ(sansServeur.lastError(),
            "Connexion refusée par le serveur FTP (127.0.0.1, port " + std::to_string(port) + ")");
}

TEST_F(FtpSessionTest, DisconnectEndsTheSession) {
  connect();
  session.disconnect();
  EXPECT_FALSE(session.connected());
  EXPECT_FALSE(session.list());
  EXPECT_FALSE(session.lastError().empty());
  local.write("a.txt", "a");
  EXPECT_FALSE(session.put(local / "a.txt", "a.txt"));
  session.disconnect();  // twice is harmless
  connect();
  ASSERT_TRUE(session.put(local / "a.txt", "a.txt")) << session.lastError();
}

// The server sends at most 4 MB a second, so each transfer lasts half a second or more: the idle
// function, due every 50 ms, runs several times while it goes on.
TEST_F(SlowFtpSessionTest, IdleRunsDuringATransferOfSomeMegabytes) {
  local.write("gros.bin", binaryBytes(2 * 1024 * 1024));
  server.home().write("autre.bin", binaryBytes(2 * 1024 * 1024));
  connect();
  int calls = 0;  // outside the loop, as the session keeps the idle function
  session.setIdle([&] { ++calls; });
  for (bool upload : {true, false}) {
    SCOPED_TRACE(upload ? "put" : "get");
    calls = 0;
    bool ok = upload ? session.put(local / "gros.bin", "gros.bin")
                     : session.get("autre.bin", local / "autre.bin");
    ASSERT_TRUE(ok) << session.lastError();
    EXPECT_GE(calls, 3);
  }
  EXPECT_TRUE(sameBytes(server.home().read("gros.bin"), local.read("gros.bin")));
  EXPECT_TRUE(sameBytes(local.read("autre.bin"), server.home().read("autre.bin")));
}

// Files sent one after the other on the network thread: in order, the window serviced meanwhile;
// what the source throws, or a name the server cannot take, stops the sending there, the files
// before it in place and the session still usable.
TEST_F(SlowFtpSessionTest, PutEachSendsInTurnAndStopsWhereItsSourceFails) {
  connect();
  struct Cas {
    const char* name;
    std::vector<std::string> names;  // "!" throws instead of giving a file
    size_t sent;
    std::string error;
  } cases[] = {
      {"all", {"a.bin", "b.htm", "c.htm"}, 3, ""},
      {"thrown", {"d.htm", "!", "e.htm"}, 1, "lecture impossible"},
      {"bad name", {"f.htm", "g/h.htm", "i.htm"}, 1, "Nom de fichier distant invalide : \"g/h.htm\""},
  };
  // Outside the loop: the session keeps the idle function for the sends after it.
  int idle = 0;
  session.setIdle([&] { ++idle; });
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    idle = 0;
    size_t next = 0;
    std::vector<std::string> sent;
    std::string error;
    bool ok = false;
    try {
      ok = session.putEach(
          [&]() -> std::optional<FtpSession::File> {
            if (next == c.names.size()) return std::nullopt;
            const std::string& name = c.names[next++];
            if (name == "!") throw std::runtime_error("lecture impossible");
            return FtpSession::File{name, binaryBytes(name == "a.bin" ? 1024 * 1024 : 100)};
          },
          [&](FtpSession::File&& f) { sent.push_back(f.remoteName); });
      if (!ok) error = session.lastError();
    } catch (const std::runtime_error& e) {
      error = e.what();
    }
    EXPECT_EQ(ok, c.error.empty());
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(sent, std::vector<std::string>(c.names.begin(), c.names.begin() + c.sent));
    for (const auto& name : sent)
      EXPECT_TRUE(sameBytes(server.home().read(name), binaryBytes(name == "a.bin" ? 1024 * 1024 : 100)));
    if (c.sent == 3) EXPECT_GE(idle, 2);
    EXPECT_TRUE(session.connected());
  }
  EXPECT_TRUE(session.putBytes("encore", "j.htm")) << session.lastError();
  EXPECT_EQ(server.home().read("j.htm"), "encore");
}

TEST(FtpSessionLostServer, FailsTheTransferAndKeepsTheLocalFile) {
  for (bool upload : {false, true}) {
    SCOPED_TRACE(upload ? "put" : "get");
    FtpServer server(4 * 1024 * 1024);
    TempFolder local;
    server.home().write("gros.bin", binaryBytes(2 * 1024 * 1024));
    local.write("gros.bin", upload ? binaryBytes(2 * 1024 * 1024) : "ancien");
    FtpSession session;
    ASSERT_TRUE(session.connect(server.host(), server.port(), server.user(), server.password()));
    int calls = 0;
    session.setIdle([&] {
      if (++calls == 2) server.stop();
    });
    EXPECT_FALSE(upload ? session.put(local / "gros.bin", "envoi.bin")
                        : session.get("gros.bin", local / "gros.bin"));
    EXPECT_FALSE(session.lastError().empty());
    EXPECT_EQ(folderContent(local.path()), std::vector<std::string>{"gros.bin"});
    if (!upload) {
      EXPECT_EQ(local.read("gros.bin"), "ancien");
    }
  }
}

TEST_F(SlowFtpSessionTest, DisconnectFromIdleAbortsAndOtherCallsAreRefused) {
  server.home().write("gros.bin", binaryBytes(2 * 1024 * 1024));
  connect();
  int calls = 0;
  bool nestedListed = true;
  session.setIdle([&] {
    if (++calls == 1) nestedListed = session.list().has_value();
    if (calls == 2) session.disconnect();
  });
  EXPECT_FALSE(session.get("gros.bin", local / "gros.bin"));
  EXPECT_FALSE(nestedListed);
  EXPECT_FALSE(session.connected());
  EXPECT_FALSE(session.lastError().empty());
  EXPECT_TRUE(folderContent(local.path()).empty());

  session.setIdle({});
  connect();
  EXPECT_TRUE(session.get("gros.bin", local / "gros.bin")) << session.lastError();
}

// The commands of one control connection after a point, without their connection number.
std::vector<std::string> commandsSince(const FtpServer& server, size_t from) {
  std::vector<std::string> commands;
  const auto all = server.commands();
  for (size_t i = from; i < all.size(); ++i) commands.push_back(all[i].substr(all[i].find(' ') + 1));
  return commands;
}

// However many files go up, they share one connection, each costs the same four commands and
// the folder is entered once.
TEST_F(FtpSessionTest, EveryFileCostsTheSameCommandsOnOneConnection) {
  server.home().write("www/.keep", "");
  for (int i = 0; i < 12; ++i) local.write("f" + std::to_string(i) + ".htm", binaryBytes(100 + i));
  connect();
  ASSERT_TRUE(session.changeFolder("www"));
  ASSERT_TRUE(session.put(local / "f0.htm", "f0.htm"));
  const size_t first = server.commands().size();
  for (int i = 1; i < 12; ++i) {
    const std::string name = "f" + std::to_string(i) + ".htm";
    ASSERT_TRUE(session.put(local / name, name)) << session.lastError();
  }
  std::vector<std::string> expected;
  for (int i = 1; i < 12; ++i) {
    const std::string name = "f" + std::to_string(i) + ".htm";
    for (const std::string& c : std::vector<std::string>{"EPSV", "STOR ." + name + ".part", "RNFR ." + name + ".part", "RNTO " + name})
      expected.push_back(c);
  }
  EXPECT_EQ(commandsSince(server, first), expected);
  const auto all = server.commands();
  EXPECT_EQ(std::count_if(all.begin(), all.end(), [](const std::string& c) { return c.ends_with(" CONNECT"); }), 1);
  for (int i = 0; i < 12; ++i) {
    const std::string name = "f" + std::to_string(i) + ".htm";
    EXPECT_TRUE(sameBytes(server.home().read("www/" + name), local.read(name))) << name;
  }
  EXPECT_EQ(folderContent(server.home().path() / "www").size(), 13u);  // no temporary left
}

// Cut off mid-file, the server keeps the file it had: the new bytes were going to a temporary
// name.
TEST(FtpSessionLostServer, ATransferCutShortLeavesTheRemoteFileAsItWas) {
  testing_support::FtpServerRules rules;
  rules.dieAfterBytes = 1024 * 1024;
  FtpServer server(0, "marchand", "secret", rules);
  TempFolder local;
  server.home().write("page.htm", "ancienne page");
  local.write("page.htm", binaryBytes(2 * 1024 * 1024));
  FtpSession session;
  ASSERT_TRUE(session.connect(server.host(), server.port(), server.user(), server.password()));
  EXPECT_FALSE(session.put(local / "page.htm", "page.htm"));
  EXPECT_TRUE(sameBytes(server.home().read("page.htm"), "ancienne page"));
}

// A host that refuses names beginning with ".": the first file finds it out, the others of the
// session go under their own names at once; a new session tries the temporary name again.
TEST(FtpSessionNoDotNames, SendsUnderOwnNamesUntilTheNextConnect) {
  testing_support::FtpServerRules rules;
  rules.noDotNames = true;
  FtpServer server(0, "marchand", "secret", rules);
  FtpSession session;
  std::vector<std::string> stored;
  for (const std::string name : {"", "a.htm", "b.htm", "", "c.htm"}) {
    if (name.empty()) {
      ASSERT_TRUE(session.connect(server.host(), server.port(), server.user(), server.password()));
      continue;
    }
    ASSERT_TRUE(session.putBytes("page " + name, name)) << session.lastError();
    EXPECT_EQ(server.home().read(name), "page " + name);
  }
  for (const auto& c : server.commands())
    if (c.find(" STOR ") != std::string::npos) stored.push_back(c.substr(c.find("STOR ")));
  EXPECT_EQ(stored, (std::vector<std::string>{"STOR .a.htm.part", "STOR a.htm", "STOR b.htm",
                                              "STOR .c.htm.part", "STOR c.htm"}));
}

// Servers that rename only onto a free name, or not at all: each file lands whole under its own
// name, the one it replaces too, and no temporary file stays behind.
TEST(FtpSessionRenames, TheFileLandsInPlaceAndNoTemporaryFileStays) {
  for (const std::string renames : {"free", "none"}) {
    SCOPED_TRACE(renames);
    testing_support::FtpServerRules rules;
    rules.renames = renames;
    FtpServer server(0, "marchand", "secret", rules);
    server.home().write("a.htm", "ancienne page");
    FtpSession session;
    ASSERT_TRUE(session.connect(server.host(), server.port(), server.user(), server.password()));
    for (const std::string name : {"a.htm", "b.htm"}) {
      ASSERT_TRUE(session.putBytes("page " + name, name)) << session.lastError();
      EXPECT_EQ(server.home().read(name), "page " + name);
    }
    EXPECT_EQ(folderContent(server.home().path()), (std::vector<std::string>{"a.htm", "b.htm"}));
  }
}

// Only the temporary names of the files given: ".notes.part" is the owner's own file.
TEST_F(FtpSessionTest, RemoveLeftoversDeletesTheTemporaryFilesOnly) {
  for (const char* name : {".a.htm.part", ".parti.jpg.part", ".keep", "page.part", ".part", "c.htm",
                           ".notes.part", ".htaccess.part"})
    server.home().write(std::string("www/") + name, "x");
  std::filesystem::create_directories(server.home().path() / "www" / ".d.part");
  connect();
  ASSERT_TRUE(session.changeFolder("www"));
  ASSERT_TRUE(session.removeLeftovers({"a.htm", "parti.jpg", "c.htm", "d", "page", ".htaccess"}))
      << session.lastError();
  EXPECT_EQ(folderContent(server.home().path() / "www"),
            (std::vector<std::string>{".d.part", ".htaccess.part", ".keep", ".notes.part", ".part",
                                      "c.htm", "page.part"}));
}

}  // namespace
}  // namespace platform
