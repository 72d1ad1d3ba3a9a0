#include "gui/texts.h"

#include <gtest/gtest.h>

namespace tarnwick::gui::texts {
namespace {

TEST(PassReport, SaysWhatWentAndWhatDidNot) {
  const struct {
    engine::DeleteReport report;
    const char* text;
  } cases[] = {
      {{3, 0, 0, false, false}, "Es wurden '3' Dateien gefunden und gelöscht.   "},
      {{0, 0, 0, false, true},
       "Der Vorgang wurde abgebrochen.\nEs wurden '0' Dateien gefunden und gelöscht.   "},
      {{1, 1, 1, false, false},
       "Es wurden '1' Dateien gefunden und gelöscht.   \n"
       "'1' Dateien wurden gefunden, konnten aber nicht gelöscht werden.\n"
       "'1' Ordner konnten nicht durchsucht werden."},
  };
  for (const auto& c : cases) EXPECT_EQ(PassReport(c.report), c.text);
}

}  // namespace
}  // namespace tarnwick::gui::texts
