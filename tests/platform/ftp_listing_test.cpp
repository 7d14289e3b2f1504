#include "platform/ftp_listing.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

struct LineCase {
  const char* line;
  ListLineKind kind;
  const char* name;
  long long size;
  bool folder, link;
};

TEST(FtpListing, ClassifiesLinesOfBothFormats) {
  const LineCase cases[] = {
      {"-rw-r--r--   1 user group  1234 Jan 01 12:00 index.htm", ListLineKind::Entry, "index.htm",
       1234, false, false},
      {"-rw-r--r--   1 user group  1234 Jan 01 12:00 name with blanks.htm", ListLineKind::Entry,
       "name with blanks.htm", 1234, false, false},
      {"-rw-r--r--   1 user group  1234 Jan 01 12:00  lead.htm", ListLineKind::Entry, " lead.htm",
       1234, false, false},
      {"-rw-r--r--   1 user group 2400 Dec 31  2023 ancien.htm\r", ListLineKind::Entry,
       "ancien.htm", 2400, false, false},
      {"-rw-r--r--   1 1000 1000 480 Feb  9 2021 petit.htm", ListLineKind::Entry, "petit.htm", 480,
       false, false},
      {"-rw-r--r--   1 owner 77 Mar 03 09:05 no-group.txt", ListLineKind::Entry, "no-group.txt", 77,
       false, false},
      {"-rw-r--r--+  1 a b 5000000000 Apr 10 10:10 big.bin", ListLineKind::Entry, "big.bin",
       5000000000LL, false, false},
      {"drwxr-xr-x   2 user group  4096 May 05 08:00 images", ListLineKind::Entry, "images", 4096,
       true, false},
      {"lrwxrwxrwx   1 user group    11 Jun 06 06:06 www -> public_html", ListLineKind::Entry, "www",
       11, false, true},
      {"-rw-r--r--   1 user group  12 Jan 01 12:00 caf\xE9 #1 50%.htm", ListLineKind::Entry,
       "caf\xE9 #1 50%.htm", 12, false, false},
      // A name that looks like a date does not fool the field search.
      {"-rw-r--r--   1 user group  3 Jul 07 07:07 Jan 01 12:00 x", ListLineKind::Entry,
       "Jan 01 12:00 x", 3, false, false},
      {"01-02-24  10:00AM       1234 name.htm", ListLineKind::Entry, "name.htm", 1234, false,
       false},
      {"12-31-2023  09:15PM       <DIR>          my folder", ListLineKind::Entry, "my folder", 0,
       true, false},
      {"01-02-24  21:00           0 vide.txt", ListLineKind::Entry, "vide.txt", 0, false, false},
      {"total 12", ListLineKind::Total, "", 0, false, false},
      {"TOTAL 0\r", ListLineKind::Total, "", 0, false, false},
      {"", ListLineKind::Blank, "", 0, false, false},
      {"  \r", ListLineKind::Blank, "", 0, false, false},
      {"total", ListLineKind::Unparsed, "", 0, false, false},
      {"name.htm", ListLineKind::Unparsed, "", 0, false, false},
      {"-rw-r--r--   1 user group  abc Jan 01 12:00 bad-size", ListLineKind::Unparsed, "", 0, false,
       false},
      {"-rw-r--r--   1 user group  12 Foo 01 12:00 bad-month", ListLineKind::Unparsed, "", 0, false,
       false},
      {"-rw-r--r--   1 user group  12 Jan 01 12:00", ListLineKind::Unparsed, "", 0, false, false},
      {"-rw-r--r--   1 user group  99999999999999999999 Jan 01 12:00 huge", ListLineKind::Unparsed,
       "", 0, false, false},
      {"type=file;size=12; name.htm", ListLineKind::Unparsed, "", 0, false, false},
      {"01-02-24  10:00AM       12k name.htm", ListLineKind::Unparsed, "", 0, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    auto parsed = classifyListLine(c.line);
    ASSERT_EQ(parsed.kind, c.kind);
    auto entry = parseListLine(c.line);
    ASSERT_EQ(entry.has_value(), c.kind == ListLineKind::Entry);
    if (!entry) continue;
    EXPECT_EQ(entry->name, c.name);
    EXPECT_EQ(entry->size, c.size);
    EXPECT_EQ(entry->folder, c.folder);
    EXPECT_EQ(entry->link, c.link);
  }
}

TEST(FtpListing, ListingSkipsTotalsBlanksDotEntriesAndCountsUnreadableLines) {
  Listing listing = parseListing({
      "total 8",
      "drwxr-xr-x   2 user group  4096 May 05 08:00 .",
      "drwxr-xr-x   2 user group  4096 May 05 08:00 ..",
      "-rw-r--r--   1 user group  1234 Jan 01 12:00 a.htm",
      "",
      "nom.htm",
      "drwxr-xr-x 2 u g 4096 Mai 05 08:00 dossier",
      "01-02-24  10:00AM       <DIR>          img",
  });
  ASSERT_EQ(listing.entries.size(), 2u);
  EXPECT_EQ(listing.entries[0].name, "a.htm");
  EXPECT_EQ(listing.entries[1].name, "img");
  EXPECT_TRUE(listing.entries[1].folder);
  EXPECT_EQ(listing.unreadable, 2);
  EXPECT_EQ(parseListing({"total 0"}).unreadable, 0);
}

}  // namespace
}  // namespace platform
