// What interrupted batches leave behind: temporaries of a dead process are removed by the next
// command that writes into their folder, and a batch stopped by a signal removes its own.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "app/batch_pipeline.h"
#include "app/parsed_options.h"
#include "core/messages.h"
#include "support/run_vek.h"
#include "support/temp_dir.h"

namespace vek {
namespace {

namespace fs = std::filesystem;
const fs::path kSamples = VEK_SAMPLES_DIR;

int FilesIn(const fs::path& dir) {
  int n = 0;
  for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir)) ++n;
  return n;
}

// The id of a process that has ended (a child started and reaped).
pid_t DeadPid() {
  const pid_t child = fork();
  if (child == 0) _exit(0);
  waitpid(child, nullptr, 0);
  return child;
}

TEST(BatchLeftovers, EveryWritingCommandRemovesADeadBatchsTemporariesFromItsFolder) {
  if (!fs::exists(testing::VekExecutable())) GTEST_SKIP() << "vek executable not built";
  testing::TempHome home;
  const fs::path dir = home / "out";
  fs::create_directories(dir);
  const std::string sample = "'" + (kSamples / "test-sample.vdw").string() + "'";
  const std::string d = "'" + dir.string() + "'";
  for (const std::string& command :
       {"--convert " + d + "/a.vdw " + sample, "--convert " + d + " " + sample + " " + sample,
        "--export-csv " + d + "/a.csv " + sample, "--summary " + d + "/s.csv " + sample,
        "--summary-pdf " + d + "/s.pdf " + sample, "--export-png " + d + " " + sample + " --dpi 20"}) {
    SCOPED_TRACE(command);
    const fs::path dead = dir / (".B-1.vdw.tmp-" + std::to_string(DeadPid()) + "-1");
    testing::WriteFileBytes(dead, std::string(1000, 'x'));
    int status = -1;
    testing::RunVek(command, home / "err.txt", status);
    EXPECT_EQ(status, 0) << testing::ReadFileBytes(home / "err.txt");
    EXPECT_FALSE(fs::exists(dead));
  }
}

// Shows nothing, but asks the process to stop at the first message (a file that cannot be read).
class InterruptingSink : public MessageSink {
 public:
  void ShowMessage(const std::string&) override { std::raise(SIGTERM); }
  bool AskYesNo(const std::string&) override { return false; }
};

TEST(BatchLeftovers, ABatchStoppedBySignalRemovesItsStagedTemporariesAndReplacesNothing) {
  testing::TempHome home;
  const fs::path dir = home / "out";
  fs::create_directories(dir);
  const std::string sample = (kSamples / "test-sample.vdw").string();
  InterruptingSink sink;
  const int status = RunConvert(
      Parse({"--convert", dir.string(), sample, (home / "missing.vdw").string(), (kSamples / "cal-sample.cdw").string()}),
      sink);
  EXPECT_EQ(status, 128 + SIGTERM);
  EXPECT_EQ(FilesIn(dir), 0);  // the staged sample is gone, and nothing was renamed into place
  // Outside a batch the signal has its ordinary meaning again.
  struct sigaction now{};
  sigaction(SIGTERM, nullptr, &now);
  EXPECT_EQ(now.sa_handler, SIG_DFL);
}

}  // namespace
}  // namespace vek
