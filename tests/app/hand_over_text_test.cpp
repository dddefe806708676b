// The texts handed from one instance to another: the 260-byte record, the
// DDE-style commands, how a received text is read, and what a second
// instance sends for its command line.
#include "app/shell/hand_over_text.h"

#include <gtest/gtest.h>

namespace tl {
namespace {

TEST(HandOverRecord, IsTheFlagZeroPadded) {
  const std::string record = MakeHandOverRecord("WP2=/tmp/list.ini");
  ASSERT_EQ(record.size(), kHandOverRecordBytes);
  EXPECT_EQ(record.substr(0, 17), "WP2=/tmp/list.ini");
  EXPECT_EQ(record.find_first_not_of('\0', 17), std::string::npos);
  std::string flag;
  ASSERT_TRUE(ReadHandOverRecord(record, &flag));
  EXPECT_EQ(flag, "WP2=/tmp/list.ini");
}

TEST(HandOverRecord, ALongFlagIsCutToLeaveAZeroAndWholeCharacters) {
  const std::string e = "\xC3\xA9";  // é, two bytes
  struct Case {
    std::string Flag;
    std::string Kept;
  };
  const Case cases[] = {
      {std::string(259, 'a'), std::string(259, 'a')},
      {std::string(300, 'a'), std::string(259, 'a')},
      {std::string(257, 'a') + e, std::string(257, 'a') + e},
      {std::string(258, 'a') + e, std::string(258, 'a')},
      {std::string(256, 'a') + "\xE2\x82\xAC", std::string(256, 'a') + "\xE2\x82\xAC"},  // €
      {std::string(257, 'a') + "\xE2\x82\xAC", std::string(257, 'a')},
  };
  for (const Case& c : cases) {
    const std::string record = MakeHandOverRecord(c.Flag);
    ASSERT_EQ(record.size(), kHandOverRecordBytes);
    EXPECT_EQ(record.back(), '\0');
    std::string flag;
    ASSERT_TRUE(ReadHandOverRecord(record, &flag));
    EXPECT_EQ(flag, c.Kept) << c.Flag.size();
  }
}

TEST(HandOverRecord, ARecordThatEndedEarlyIsNotRead) {
  std::string flag = "unchanged";
  EXPECT_FALSE(ReadHandOverRecord(MakeHandOverRecord("WP2=/a").substr(0, 259), &flag));
  EXPECT_FALSE(ReadHandOverRecord("", &flag));
  EXPECT_EQ(flag, "unchanged");
}

TEST(DdeCommands, AwkwardPathsComeBackWhole) {
  const std::string paths[] = {
      "/srv/proofs/a b.qlf",
      R"(/srv/"quoted" name.qlf)",
      R"(/srv/x")] [open("y.qlf)",
      "/srv/comma,(paren) and [bracket].qlf",
      "/srv/\xE6\x97\xA5\xE6\x9C\xAC/\xC3\xA9t\xC3\xA9.qlf",
      "\"",
  };
  for (const std::string& path : paths) {
    const DdeCommand sent[] = {{DdeVerb::Open, path, {}}, {DdeVerb::Print, path, {}}, {DdeVerb::PrintTo, path, "Studio \"A3\""}};
    for (const DdeCommand& command : sent) {
      const std::vector<DdeCommand> got = ParseDdeCommands(MakeDdeCommand(command));
      ASSERT_EQ(got.size(), 1u) << MakeDdeCommand(command);
      EXPECT_EQ(got[0].Verb, command.Verb);
      EXPECT_EQ(got[0].Path, path);
      EXPECT_EQ(got[0].Printer, command.Printer);
    }
  }
  EXPECT_EQ(MakeDdeCommand({DdeVerb::Open, "/a.qlf", {}}), R"([open("/a.qlf")])");
  EXPECT_EQ(MakeDdeCommand({DdeVerb::PrintTo, "/a.qlf", "Studio"}), R"([printto("/a.qlf","Studio")])");
}

TEST(DdeCommands, SeveralInOneTextKeepTheirOrder) {
  const std::vector<DdeCommand> got = ParseDdeCommands(
      "[open(\"/a.qlf\")][print(\"/b.qlf\")]\r\n [PrintTo( \"/c.qlf\" , \"Studio\", \"driver\", \"port\" )]\n");
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].Verb, DdeVerb::Open);
  EXPECT_EQ(got[0].Path, "/a.qlf");
  EXPECT_EQ(got[1].Verb, DdeVerb::Print);
  EXPECT_EQ(got[1].Path, "/b.qlf");
  EXPECT_EQ(got[2].Verb, DdeVerb::PrintTo);
  EXPECT_EQ(got[2].Path, "/c.qlf");
  EXPECT_EQ(got[2].Printer, "Studio");
}

TEST(DdeCommands, AMalformedTextYieldsNothing) {
  const std::string malformed[] = {
      "",
      " \r\n",
      R"(open("/a.qlf"))",
      R"([open(/a.qlf)])",
      R"([open('/a.qlf')])",
      R"([open("/a.qlf"])",
      R"([open("/a.qlf")] and more)",
      R"([open("/a.qlf")][frob("/b.qlf")])",
      R"([open("")])",
      R"([open()])",
      R"([open("/a.qlf",)])",
      R"([print("/a.qlf","Studio")])",
      R"([printto("/a.qlf")])",
      R"([printto("/a.qlf","")])",
      R"([printto("/a","b","c","d","e")])",
      R"([]])",
      std::string("[open(\"/a\0b.qlf\")]", 18),
      "\xFF\xFE[\x01",
  };
  for (const std::string& text : malformed) EXPECT_TRUE(ParseDdeCommands(text).empty()) << text;
  // Every text cut short, as a sender that stopped half-way leaves it.
  const std::string whole = R"([open("/a ""b"".qlf")] [printto("/c.qlf","Studio")])";
  ASSERT_EQ(ParseDdeCommands(whole).size(), 2u);
  for (size_t n = 1; n < whole.size(); ++n) {
    const std::vector<DdeCommand> got = ParseDdeCommands(whole.substr(0, n));
    // Only the first command whole (with or without the blank after it) parses.
    EXPECT_TRUE(got.empty() || (got.size() == 1 && got[0].Path == "/a \"b\".qlf")) << whole.substr(0, n);
  }
}

TEST(ReceivedText, TellsListsCommandsAndComeForwardApart) {
  HandOverRequest r = ReadHandOverText(MakeHandOverRecord("WP2=/tmp/list.ini"));
  EXPECT_EQ(r.HandOverMode, kHandOverIniList);
  EXPECT_EQ(HandOverFilePath(r.Flag), "/tmp/list.ini");
  EXPECT_TRUE(r.Commands.empty());

  r = ReadHandOverText(MakeHandOverRecord("FM=/tmp/list.txt"));
  EXPECT_EQ(r.HandOverMode, kHandOverTextList);
  EXPECT_EQ(HandOverFilePath(r.Flag), "/tmp/list.txt");

  r = ReadHandOverText(MakeHandOverRecord("dde"));
  EXPECT_EQ(r.HandOverMode, kHandOverNone);
  EXPECT_TRUE(r.Commands.empty());

  // A command text of the record's length is still a command text.
  const std::string prefix = "[open(\"/";
  const std::string command = prefix + std::string(kHandOverRecordBytes - prefix.size() - 3, 'w') + "\")]";
  ASSERT_EQ(command.size(), kHandOverRecordBytes);
  r = ReadHandOverText(command);
  EXPECT_EQ(r.HandOverMode, kHandOverNone);
  ASSERT_EQ(r.Commands.size(), 1u);

  r = ReadHandOverText("");
  EXPECT_EQ(r.HandOverMode, kHandOverNone);
  EXPECT_TRUE(r.Commands.empty());
}

TEST(SecondInstance, SendsWhatItsCommandLineAsksFor) {
  struct Case {
    std::vector<std::string> Arguments;
    std::vector<std::string> Texts;
  };
  const Case cases[] = {
      {{}, {""}},
      {{"/dde"}, {""}},
      {{"sheet.qlf"}, {R"([open("/work/here/sheet.qlf")])"}},
      {{"/srv/sheet.qlf"}, {R"([open("/srv/sheet.qlf")])"}},
      {{"-WP2=/tmp/list.ini"}, {MakeHandOverRecord("WP2=/tmp/list.ini")}},
      {{"-FM=lists/list.txt"}, {MakeHandOverRecord("FM=/work/here/lists/list.txt")}},
      {{"-WP2=x", "-FM=/tmp/list.txt"}, {MakeHandOverRecord("FM=/tmp/list.txt")}},
      {{"sheet.qlf", "-WP2=/tmp/list.ini"},
       {R"([open("/work/here/sheet.qlf")])", MakeHandOverRecord("WP2=/tmp/list.ini")}},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> texts = SecondInstanceTexts(ParseCommandLine(c.Arguments), "/work/here");
    EXPECT_EQ(texts, c.Texts) << (c.Arguments.empty() ? "" : c.Arguments[0]);
  }
}

}  // namespace
}  // namespace tl
