// Numbered tasks spread over forked worker processes, each running one task
// at a time single-threaded, with every outcome handed back to the parent in
// task order: what the parent prints does not depend on which worker
// finished first.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>

struct TaskOutcome {
  bool failed = false;
  // Why the task failed.
  std::string message;
};

// Throws only std::bad_alloc, which ends the batch as though thrown by
// RunTasks; other failures are outcomes.
using Task = std::function<TaskOutcome(std::size_t index)>;
// Runs in the calling process; it may throw to stop the batch.
using TaskReport = std::function<void(std::size_t index, const TaskOutcome& outcome)>;

// Runs task(i) for every i below tasks.size() and calls report(i, outcome)
// for each in order of i. With `workers` above 1 (and more than one task) the
// tasks run in that many child processes forked from this one, which must
// then have no other threads; else in this process. When report throws, no
// task is started any more, those running are finished, and the exception
// goes on; so with a task that ran out of memory, once the tasks before it
// are reported. Throws CliError naming the task when a worker cannot be started
// or ends before it has reported its task.
void RunTasks(std::span<const std::string> tasks, unsigned workers, const Task& task, const TaskReport& report);

// The processors this process may run on; at least 1.
unsigned AvailableProcessors();
