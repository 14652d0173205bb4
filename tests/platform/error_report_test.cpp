// The general error handling: what the report says, where it goes, and the
// guarded start-up sequence.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/error_report.h"
#include "support/recording_reporter.h"
#include "platform/message_ids.h"

namespace orvx::errors {
namespace {

using test::RecordingReporter;

struct NotAStdException {};

TEST(DescribeException, TheErrorsOwnTextOrNone) {
  EXPECT_EQ(describe_exception(std::make_exception_ptr(std::runtime_error("Datei fehlt: ä"))), "Datei fehlt: ä");
  EXPECT_EQ(describe_exception(std::make_exception_ptr(NotAStdException{})), "");
  EXPECT_EQ(describe_exception(std::make_exception_ptr(std::runtime_error(""))), "");
  EXPECT_EQ(describe_exception(nullptr), "");
}

TEST(ReportException, ReachesTheInstalledReporterButNeverStacksReports) {
  bool nested = true;
  // A failure while the report is on screen must not open a second one.
  RecordingReporter reporter([&nested](const std::string&) {
    if (nested) report_exception(std::make_exception_ptr(std::runtime_error("nested")));
  });
  try {
    throw std::logic_error("boom");
  } catch (...) {
    report_current_exception();
  }
  ASSERT_EQ(reporter.reports().size(), 1u);
  EXPECT_EQ(reporter.reports()[0], "boom");
  // Once the first report is closed, the next error is shown again.
  nested = false;
  report_exception(std::make_exception_ptr(std::runtime_error("second")));
  EXPECT_EQ(reporter.reports().back(), "second");
}

TEST(ReportException, AnErrorNamingAMessageIsShownInTheReportersLanguage) {
  // The recorder speaks the built-in German texts.
  RecordingReporter reporter;
  report_exception(std::make_exception_ptr(MessageError(message_ids::kWindowClassNotRegistered, "OrvxMinidesk")));
  report_exception(std::make_exception_ptr(MessageError(message_ids::kMenuNotCreated)));
  EXPECT_EQ(reporter.reports(), (std::vector<std::string>{"Fensterklasse OrvxMinidesk konnte nicht registriert werden.",
                                                          "Men\xFC konnte nicht erstellt werden."}));
  // Without a reporter, the standard error stream gets the id and detail.
  const MessageError error(message_ids::kWindowClassNotRegistered, "OrvxMinidesk");
  EXPECT_EQ(describe_exception(std::make_exception_ptr(error)), "MSDLG_ERR_3: OrvxMinidesk");
  EXPECT_EQ(describe_exception(std::make_exception_ptr(MessageError(message_ids::kMenuNotCreated))), "MSDLG_ERR_6");
}

TEST(GuardedSequence, GuardedFailuresLetLaterStepsRunAndTheLastIsReported) {
  RecordingReporter reporter;
  GuardedSequence seq;
  std::vector<int> ran;
  seq.guarded([&] {
    ran.push_back(4);
    throw std::runtime_error("folders");
  });
  seq.step([&] { ran.push_back(6); });
  seq.guarded([&] {
    ran.push_back(10);
    throw std::runtime_error("map read");
  });
  seq.step([&] { ran.push_back(11); });
  EXPECT_EQ(ran, (std::vector<int>{4, 6, 10, 11}));
  EXPECT_FALSE(seq.ended_early());
  EXPECT_TRUE(reporter.reports().empty());  // nothing shown while the sequence runs

  seq.report_failure();
  EXPECT_EQ(reporter.reports(), (std::vector<std::string>{"map read"}));
  seq.report_failure();  // reported once only
  EXPECT_EQ(reporter.reports().size(), 1u);
}

TEST(GuardedSequence, AnOrdinaryFailureEndsTheSequence) {
  RecordingReporter reporter;
  GuardedSequence seq;
  std::vector<int> ran;
  seq.guarded([&] { throw std::runtime_error("earlier"); });
  seq.step([&] {
    ran.push_back(8);
    throw std::runtime_error("arrangement check");
  });
  seq.step([&] { ran.push_back(9); });
  seq.guarded([&] { ran.push_back(10); });
  EXPECT_EQ(ran, (std::vector<int>{8}));
  EXPECT_TRUE(seq.ended_early());
  seq.report_failure();
  EXPECT_EQ(reporter.reports(), (std::vector<std::string>{"arrangement check"}));
}

TEST(GuardedSequence, NoFailureReportsNothing) {
  RecordingReporter reporter;
  GuardedSequence seq;
  seq.guarded([] {});
  seq.step([] {});
  EXPECT_FALSE(seq.failed());
  seq.report_failure();
  EXPECT_TRUE(reporter.reports().empty());
}

}  // namespace
}  // namespace orvx::errors
