#include "core/name_list_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "core/settings_file.h"
#include "platform/text/system_code_page.h"
#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::core {
namespace {

using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

class NameListStore : public ::testing::Test {
 protected:

  void WriteSettings(const std::string& body) {
    WriteFile(state_.SettingsPath, "[Kelvane Tarnwick]\n" + body);
  }

  std::vector<std::string> Load(int16_t* count = nullptr) {
    NameList names;
    const int16_t stored = LoadNameList(state_, names);
    if (count != nullptr) *count = stored;
    return names.Entries();
  }

  TempDir dir_;
  AppState state_ = testing::StateIn(dir_);
};

TEST_F(NameListStore, NoFileLoadsNothing) {
  int16_t count = -1;
  EXPECT_TRUE(Load(&count).empty());
  EXPECT_EQ(count, 0);
}

TEST_F(NameListStore, StoredCountDecidesHowManyEntriesLoad) {
  const struct {
    const char* files;
    size_t loaded;
  } cases[] = {{"2.5", 2}, {"3.5", 4}, {"3abc", 3}, {"", 0},     {"word", 0},
               {"-3", 0},  {"40000", 0}, {"0", 0},  {" 1", 1}};
  for (const auto& c : cases) {
    WriteSettings(std::string("Files=") + c.files + "\nEintrag0=a\nEintrag1=b\nEintrag2=c\n");
    EXPECT_EQ(Load().size(), c.loaded) << c.files;
  }
}

TEST_F(NameListStore, MissingEntriesLoadAsEmptyAndExtraEntriesAreNotRead) {
  WriteSettings("Files=3\nEintrag0=x\n");
  EXPECT_EQ(Load(), (std::vector<std::string>{"x", "", ""}));
  WriteSettings("Files=1\nEintrag0=a\nEintrag1=b\nEintrag2=c\n");
  EXPECT_EQ(Load(), (std::vector<std::string>{"a"}));
}

TEST_F(NameListStore, FindsNamesInAnyLetterCase) {
  WriteFile(state_.SettingsPath, "[kelvane tarnwick]\nFILES=1\neintrag0=x\n");
  EXPECT_EQ(Load(), (std::vector<std::string>{"x"}));
}

TEST_F(NameListStore, SavesInTheStoredFormat) {
  NameList names;
  names.Append("Mscreate.dir");
  names.Append("Setup.log");
  ASSERT_FALSE(SaveNameList(state_, names));
  EXPECT_EQ(ReadFile(state_.SettingsPath),
            tarnwick::testing::NewFileLines(
                "[Kelvane Tarnwick]\nFiles=2\nEintrag0=Mscreate.dir\nEintrag1=Setup.log\n"));
}

TEST_F(NameListStore, ShrinkingLeavesOldEntriesBeyondTheCount) {
  WriteSettings("Files=5\nEintrag0=a\nEintrag1=b\nEintrag2=c\nEintrag3=d\nEintrag4=e\n");
  NameList names;
  LoadNameList(state_, names);
  for (const char* name : {"a", "c", "e"}) names.RemoveEvery(name);
  ASSERT_FALSE(SaveNameList(state_, names));
  EXPECT_EQ(ReadFile(state_.SettingsPath),
            "[Kelvane Tarnwick]\nFiles=2\nEintrag0=b\nEintrag1=d\nEintrag2=c\nEintrag3=d\n"
            "Eintrag4=e\n");
  EXPECT_EQ(Load(), (std::vector<std::string>{"b", "d"}));
}

TEST_F(NameListStore, EditsApplyToTheListAsTheFileHoldsItNow) {
  WriteSettings("Files=2\nEintrag0=a\nEintrag1=b\n");
  NameList program;
  LoadNameList(state_, program);
  program.Append("y");
  program.RemoveEvery("a");
  NameList other;  // another front end adds a name while the program runs
  LoadNameList(state_, other);
  other.Append("x");
  ASSERT_FALSE(SaveNameList(state_, other));
  ASSERT_FALSE(SaveNameList(state_, program));
  EXPECT_EQ(Load(), (std::vector<std::string>{"b", "x", "y"}));
}

TEST_F(NameListStore, SavesAtTheSameTimeLoseNoName) {
  const auto addHundred = [this](char tag) {
    for (int i = 0; i < 100; ++i) {
      NameList names;
      LoadNameList(state_, names);
      names.Append(tag + std::to_string(i));
      EXPECT_FALSE(SaveNameList(state_, names));
    }
  };
  std::thread first(addHundred, 'a');
  std::thread second(addHundred, 'b');
  first.join();
  second.join();
  EXPECT_EQ(Load().size(), 200u);
}

TEST_F(NameListStore, AListThatNeverHeldEntriesWritesNothing) {
  NameList names;
  ASSERT_FALSE(SaveNameList(state_, names));
  EXPECT_FALSE(std::filesystem::exists(state_.SettingsPath));
}

TEST_F(NameListStore, AnEmptiedListIsSavedSoRemovedNamesStayRemoved) {
  WriteSettings("Files=1\nEintrag0=a\n");
  NameList names;
  LoadNameList(state_, names);
  names.RemoveEvery("a");
  ASSERT_FALSE(SaveNameList(state_, names));
  EXPECT_TRUE(Load().empty());
  EXPECT_EQ(ReadFile(state_.SettingsPath), "[Kelvane Tarnwick]\nFiles=0\nEintrag0=a\n");
}

TEST_F(NameListStore, HostileEntriesSurviveARoundTrip) {
  const std::vector<std::string> hostile = {
      " leading", "trailing ", "\"quoted\"", "'single'", "a=b.txt", "x ; comment", "",
      "[Kelvane Tarnwick]", "\xC3\xA4rger.txt", "Mscreate.dir", "Mscreate.dir",
#ifndef _WIN32
      "\xFF\xFE\x80",  // bytes that are no UTF-8: a POSIX name may hold them
#endif
  };
  NameList names;
  for (const auto& entry : hostile) ASSERT_TRUE(names.Append(entry));
  ASSERT_FALSE(SaveNameList(state_, names));
  EXPECT_EQ(Load(), hostile);
}

TEST_F(NameListStore, EntriesThisRunLeftAloneKeepTheirBytes) {
  // \xDC is 'Ü' in code page 1252, and no UTF-8: under a UTF-8 code page it reads as U+FFFD,
  // and yet goes back as it was; so do the blanks of a line and a long value.
  const std::string umlaut = "\xDC" "bersicht.txt", longName(3000, 'n');
  WriteSettings("Files=4\nEintrag0 = " + umlaut + "\nEintrag1=a\nEintrag2=\"  c \"\nEintrag3=" +
                longName + "\n");
  NameList names;
  LoadNameList(state_, names);
  names.RemoveEvery("a");
  names.Append("neu");
  ASSERT_FALSE(SaveNameList(state_, names));
  EXPECT_EQ(ReadFile(state_.SettingsPath), "[Kelvane Tarnwick]\nFiles=4\nEintrag0 = " + umlaut +
                                               "\nEintrag1=\"  c \"\nEintrag2=" + longName +
                                               "\nEintrag3=neu\n");
}

TEST_F(NameListStore, StoredEntriesKeepTheirPlacesWhateverTheyHold) {
  using namespace std::string_literals;
  WriteSettings("Files=4\nEintrag0=" + std::string(3000, 'n') + "\nEintrag1=a\0b\nEintrag3=d\n"s);
  // Reads are cut at 2047 characters; a NUL ends its entry; a missing entry is an empty one.
  EXPECT_EQ(Load(), (std::vector<std::string>{std::string(2047, 'n'), "a", "", "d"}));
}

TEST_F(NameListStore, ASaveThatFailsIsReportedAndTheFileStaysIntact) {
  WriteSettings("Files=1\nEintrag0=a\n");
  const std::string before = ReadFile(state_.SettingsPath);
  NameList names;
  names.Append("b");
  AppState badPath = state_;
  badPath.SettingsPath = dir_ / "no-such-dir/tarnwick.ini";
  EXPECT_TRUE(SaveNameList(badPath, names));
  badPath.SettingsPath.clear();
  EXPECT_TRUE(SaveNameList(badPath, names));

  if (tarnwick::testing::ReadOnlyIsEnforced()) {
    std::filesystem::permissions(state_.SettingsPath, std::filesystem::perms::owner_read |
                                                          std::filesystem::perms::group_read |
                                                          std::filesystem::perms::others_read);
    EXPECT_TRUE(SaveNameList(state_, names));
  }
  EXPECT_EQ(ReadFile(state_.SettingsPath), before);
}

TEST(NameList, RefusesNamesTheFileCannotHoldAndRemovesExactMatches) {
  NameList names;
  EXPECT_FALSE(names.Append("two\nlines"));
  EXPECT_FALSE(names.Append(std::string("nul\0", 4)));
  EXPECT_FALSE(names.Append(std::string(256, 'n')));  // longer than a file name can be
  if (platform::SystemCodePage() != platform::kUtf8CodePage) {
    EXPECT_FALSE(names.Append("\xCE\xB1.txt"));  // no Greek in a Western 8-bit code page
  }
  EXPECT_FALSE(names.HasHeldEntries());
  for (const char* name : {"b", "x", "B", "b", ""}) names.Append(name);
  EXPECT_EQ(names.RemoveEvery("b"), 2);
  EXPECT_EQ(names.Entries(), (std::vector<std::string>{"x", "B", ""}));
  EXPECT_TRUE(names.HasHeldEntries());
  EXPECT_TRUE(names.Append(std::string(255, 'n')));
}

// The excluded folders keep keys of their own beside the names, by the same rules; each row
// is a file as it stands, then the folder added to it and the file after the save.
TEST_F(NameListStore, ExcludedFoldersRoundTripInKeysOfTheirOwn) {
  const struct {
    const char* what;
    const char* before;  // the section's lines
    const char* added;
    const char* after;
    size_t names;
  } cases[] = {
      {"names only", "Files=1\nEintrag0=a\n", "/data/keep",
       "Files=1\nEintrag0=a\nAusnahmen=1\nAusnahme0=/data/keep\n", 1},
      {"one stored", "Ausnahmen=1\nAusnahme0=/x\nFiles=0\n", "/y",
       "Ausnahmen=2\nAusnahme0=/x\nFiles=0\nAusnahme1=/y\n", 0},
      {"untouched lines", "; mine\nOther=1\nAusnahmen=1\nAusnahme0=/x\n", "/y",
       "; mine\nOther=1\nAusnahmen=2\nAusnahme0=/x\nAusnahme1=/y\n", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    WriteSettings(c.before);
    NameList names;
    NameList folders(NameList::Kind::kFolderPaths);
    ASSERT_FALSE(LoadLists(state_, names, folders));
    EXPECT_EQ(names.Count(), static_cast<int16_t>(c.names));  // the names read as before
    ASSERT_TRUE(folders.Append(c.added));
    ASSERT_FALSE(SaveExcludedFolders(state_, folders));
    // The file keeps its own line ends.
    EXPECT_EQ(ReadFile(state_.SettingsPath), std::string("[Kelvane Tarnwick]\n") + c.after);
    NameList reloaded(NameList::Kind::kFolderPaths);
    ASSERT_FALSE(LoadLists(state_, names, reloaded));
    EXPECT_EQ(reloaded.Entries().back(), c.added);
  }
}

TEST_F(NameListStore, UnchangedExcludedFoldersWriteNothing) {
  WriteSettings("Ausnahmen=1\nAusnahme0=/x\n");
  NameList names;
  NameList folders(NameList::Kind::kFolderPaths);
  ASSERT_FALSE(LoadLists(state_, names, folders));
  ASSERT_EQ(folders.Count(), 1);
  std::filesystem::remove(state_.SettingsPath);
  ASSERT_FALSE(SaveExcludedFolders(state_, folders));
  EXPECT_FALSE(std::filesystem::exists(state_.SettingsPath));
}

TEST(NameListKinds, AFolderPathMayBeLongerThanAFileNameButNotThanASettingsValue) {
  NameList names;
  NameList folders(NameList::Kind::kFolderPaths);
  const std::string longPath = "/" + std::string(300, 'a');
  EXPECT_EQ(names.WhyRefused(longPath), NameList::Refusal::kTooLong);
  EXPECT_EQ(folders.WhyRefused(longPath), std::nullopt);
  EXPECT_EQ(folders.WhyRefused("/" + std::string(kMaxSettingsValueLength, 'a')),
            NameList::Refusal::kTooLong);
  EXPECT_EQ(folders.WhyRefused("/a\nb"), NameList::Refusal::kLineBreak);
}

}  // namespace
}  // namespace tarnwick::core
