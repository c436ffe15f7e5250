// Tasks spread over worker processes: outcomes come back in task order as in
// one process, a long message is cut, a worker out of memory or lost ends the
// batch, and signals end nothing.
#include "tools/worker_pool.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/time.h>

#include <new>

namespace {

// Task kinds: "ok", "failed", "long" (a message longer than a worker hands
// back), "oom" (out of memory) and, in workers only, "crash" (the worker is
// killed) and "alarms" (an ok task that leaves its process interrupted by a
// signal every 100 microseconds).
TaskOutcome Outcome(const std::string& kind) {
  if (kind == "oom") throw std::bad_alloc();
  if (kind == "crash") ::raise(SIGKILL);
  if (kind == "long") return {true, std::string(100'000, 'x')};
  if (kind == "alarms") {
    struct sigaction action {};
    action.sa_handler = [](int) {};  // without SA_RESTART: a blocked receive fails with EINTR
    ::sigaction(SIGALRM, &action, nullptr);
    const itimerval often{{0, 100}, {0, 100}};
    ::setitimer(ITIMER_REAL, &often, nullptr);
    return {false, "ok"};
  }
  return {kind == "failed", kind};
}

// The reports, "index done|failed message-length;" each, then how the batch ended.
std::string Reports(const std::vector<std::string>& tasks, unsigned workers) {
  std::string reports;
  try {
    RunTasks(
        tasks, workers, [&](std::size_t i) { return Outcome(tasks[i]); },
        [&](std::size_t i, const TaskOutcome& outcome) {
          reports += std::to_string(i) + (outcome.failed ? " failed " : " done ") +
                     std::to_string(outcome.message.size()) + ";";
        });
  } catch (const std::exception& error) {
    return reports + error.what();
  }
  return reports + "end";
}

TEST(WorkerPool, ReportsInTaskOrderAsOneProcessDoes) {
  const std::vector<std::string> tasks{"failed", "ok", "long", "ok", "oom", "ok"};
  EXPECT_EQ(Reports(tasks, 1), "0 failed 6;1 done 2;2 failed 100000;3 done 2;std::bad_alloc");
  EXPECT_EQ(Reports(tasks, 3), "0 failed 6;1 done 2;2 failed 65536;3 done 2;std::bad_alloc");
  EXPECT_EQ(Reports({"crash", "ok"}, 2), "the worker process for crash was killed by signal 9");
}

// Workers interrupted while they wait for a task carry on, and a parent that
// ignores SIGCHLD (its children then reaped unseen, their status with them)
// still ends the batch.
TEST(WorkerPool, SignalsEndNothing) {
  const std::vector<std::string> tasks(200, "alarms");
  std::string expected;
  for (std::size_t i = 0; i < tasks.size(); ++i) expected += std::to_string(i) + " done 2;";
  EXPECT_EQ(Reports(tasks, 2), expected + "end");

  struct sigaction ignore {}, previous {};
  ignore.sa_handler = SIG_IGN;
  ASSERT_EQ(::sigaction(SIGCHLD, &ignore, &previous), 0);
  EXPECT_EQ(Reports({"ok", "failed"}, 2), "0 done 2;1 failed 6;end");
  EXPECT_EQ(Reports({"crash", "ok"}, 2), "the worker process for crash exited with code 0");
  ::sigaction(SIGCHLD, &previous, nullptr);
}

}  // namespace
