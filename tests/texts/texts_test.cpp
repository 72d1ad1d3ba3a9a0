#include "texts/texts.h"

#include <gtest/gtest.h>

namespace tarnwick::texts {
namespace {

engine::DeleteReport Report(uint64_t deleted, uint64_t failed, uint64_t unreadable, bool stopped,
                            std::vector<engine::PassFailure> failures = {}) {
  engine::DeleteReport report;
  report.deleted = deleted;
  report.failed = failed;
  report.unreadableDirectories = unreadable;
  report.stopped = stopped;
  report.failures = std::move(failures);
  return report;
}

TEST(PassReport, SaysWhatWentAndNamesWhatDidNot) {
  const auto denied = std::make_error_code(std::errc::permission_denied);
  const auto busy = std::make_error_code(std::errc::device_or_resource_busy);
  const struct {
    engine::DeleteReport report;
    const char* text;
  } cases[] = {
      {Report(3, 0, 0, false), "Es wurden '3' Dateien gefunden und gelöscht.   "},
      {Report(0, 0, 0, true),
       "Der Vorgang wurde abgebrochen.\nEs wurden '0' Dateien gefunden und gelöscht.   "},
      {Report(1, 1, 1, false, {{"/a/Setup.log", busy, false}, {"/a/zu", denied, true}}),
       "Es wurden '1' Dateien gefunden und gelöscht.   \n"
       "'1' Dateien wurden gefunden, konnten aber nicht gelöscht werden.\n"
       "'1' Ordner konnten nicht durchsucht werden.\n"
       "\n/a/Setup.log: wird verwendet"
       "\n/a/zu: Zugriff verweigert"},
      {Report(0, 12, 0, false, {{"/x", denied, false}}),
       "Es wurden '0' Dateien gefunden und gelöscht.   \n"
       "'12' Dateien wurden gefunden, konnten aber nicht gelöscht werden.\n"
       "\n/x: Zugriff verweigert\n… und 11 weitere"},
  };
  for (const auto& c : cases) EXPECT_EQ(PassReport(c.report), c.text);
}

}  // namespace
}  // namespace tarnwick::texts
