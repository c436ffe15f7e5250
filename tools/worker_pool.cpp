#include "tools/worker_pool.h"

#include <poll.h>
#include <sched.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <map>
#include <new>
#include <optional>
#include <vector>

#include "platform/detail/unique_fd.h"
#include "tools/cli_error.h"

namespace {

using kovt_platform::UniqueFd;

// Parent to worker: the index of the next task, as a std::uint32_t. Worker to
// parent: this header, then `length` bytes of message.
enum class Ending : std::uint32_t { Done, Failed, OutOfMemory };
struct OutcomeHeader {
  std::uint32_t index;
  Ending ending;
  std::uint32_t length;
};

// An outcome as the parent holds it until its turn to be reported.
struct Finished {
  TaskOutcome outcome;
  bool outOfMemory = false;
};

// A message longer than this is cut: a worker is not to make the parent
// allocate without bound.
constexpr std::uint32_t kMaxMessage = 1 << 16;

// MSG_NOSIGNAL: a worker gone is a failed send, not a SIGPIPE.
bool SendAll(int socket, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t sent = ::send(socket, bytes, size, MSG_NOSIGNAL);
    if (sent < 0 && errno == EINTR) continue;
    if (sent <= 0) return false;
    bytes += sent;
    size -= static_cast<std::size_t>(sent);
  }
  return true;
}

// False at the end of the stream as at an error.
bool ReceiveAll(int socket, void* data, std::size_t size) {
  auto* bytes = static_cast<char*>(data);
  while (size > 0) {
    const ssize_t got = ::recv(socket, bytes, size, 0);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return false;
    bytes += got;
    size -= static_cast<std::size_t>(got);
  }
  return true;
}

// A worker's life: tasks until the parent closes its end. It leaves with
// _exit, so that nothing of the parent's (buffered output, the module's
// farewell, destructors) runs twice.
[[noreturn]] void ServeTasks(int socket, const Task& task) {
  for (std::uint32_t index = 0; ReceiveAll(socket, &index, sizeof index);) {
    TaskOutcome outcome;
    Ending ending = Ending::OutOfMemory;
    try {
      outcome = task(index);
      ending = outcome.failed ? Ending::Failed : Ending::Done;
    } catch (const std::bad_alloc&) {
    }
    const OutcomeHeader header{index, ending,
                               static_cast<std::uint32_t>(std::min<std::size_t>(outcome.message.size(), kMaxMessage))};
    if (!SendAll(socket, &header, sizeof header) || !SendAll(socket, outcome.message.data(), header.length)) break;
  }
  ::_exit(0);
}

std::string HowItEnded(int status) {
  if (WIFSIGNALED(status)) return "was killed by signal " + std::to_string(WTERMSIG(status));
  return "exited with code " + std::to_string(WEXITSTATUS(status));
}

class Pool {
 public:
  explicit Pool(std::span<const std::string> tasks) : m_tasks(tasks) {}
  // Workers still running get no more tasks: each finishes the one it has and ends.
  ~Pool() {
    for (Worker& worker : m_workers) worker.socket.Reset();
    for (Worker& worker : m_workers)
      if (worker.pid > 0) Wait(worker);
  }
  Pool(const Pool&) = delete;
  Pool& operator=(const Pool&) = delete;

  void Start(unsigned count, const Task& task) {
    m_workers.reserve(count);
    for (unsigned i = 0; i < count; ++i) {
      int ends[2];
      if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        throw CliError(std::string("cannot start a worker process: ") + std::strerror(errno));
      UniqueFd parentEnd(ends[0]), workerEnd(ends[1]);
      const pid_t pid = ::fork();
      if (pid < 0) throw CliError(std::string("cannot start a worker process: ") + std::strerror(errno));
      if (pid == 0) {
        // The parent's ends of the other workers would keep them from seeing it close.
        for (Worker& other : m_workers) ::close(other.socket.Release());
        ::close(parentEnd.Release());
        ServeTasks(workerEnd.Get(), task);
      }
      m_workers.push_back({pid, std::move(parentEnd), std::nullopt});
    }
  }

  void Run(const TaskReport& report) {
    std::map<std::size_t, Finished> finished;
    std::size_t next = 0, reported = 0;
    for (Worker& worker : m_workers) Give(worker, next);
    while (reported < m_tasks.size()) {
      Worker& worker = NextFinished();
      const std::size_t index = *worker.task;
      finished.emplace(index, Receive(worker));
      Give(worker, next);
      for (auto first = finished.begin(); first != finished.end() && first->first == reported;
           first = finished.erase(first), ++reported) {
        if (first->second.outOfMemory) throw std::bad_alloc();
        report(reported, first->second.outcome);
      }
    }
  }

 private:
  struct Worker {
    pid_t pid;
    UniqueFd socket;
    std::optional<std::size_t> task;
  };

  void Give(Worker& worker, std::size_t& next) {
    if (next == m_tasks.size()) return;
    const auto index = static_cast<std::uint32_t>(next);
    worker.task = next++;
    if (!SendAll(worker.socket.Get(), &index, sizeof index)) Lost(worker);
  }

  // A worker whose outcome is ready.
  Worker& NextFinished() {
    std::vector<pollfd> polled;
    std::vector<Worker*> busy;
    for (Worker& worker : m_workers)
      if (worker.task) {
        polled.push_back({worker.socket.Get(), POLLIN, 0});
        busy.push_back(&worker);
      }
    for (;;) {
      if (::poll(polled.data(), polled.size(), -1) < 0) {
        if (errno == EINTR) continue;
        throw CliError(std::string("cannot wait for the worker processes: ") + std::strerror(errno));
      }
      for (std::size_t i = 0; i < polled.size(); ++i)
        if (polled[i].revents != 0) return *busy[i];
    }
  }

  Finished Receive(Worker& worker) {
    OutcomeHeader header{};
    if (!ReceiveAll(worker.socket.Get(), &header, sizeof header) || header.index != *worker.task ||
        header.ending > Ending::OutOfMemory || header.length > kMaxMessage)
      Lost(worker);
    Finished finished{{header.ending == Ending::Failed, std::string(header.length, '\0')},
                      header.ending == Ending::OutOfMemory};
    if (!ReceiveAll(worker.socket.Get(), finished.outcome.message.data(), header.length)) Lost(worker);
    worker.task.reset();
    return finished;
  }

  [[noreturn]] void Lost(Worker& worker) {
    worker.socket.Reset();
    const int status = Wait(worker);
    throw CliError("the worker process for " + m_tasks[*worker.task] + " " + HowItEnded(status));
  }

  static int Wait(Worker& worker) {
    int status = 0;
    while (::waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
    }
    worker.pid = -1;
    return status;
  }

  std::span<const std::string> m_tasks;
  std::vector<Worker> m_workers;
};

}  // namespace

void RunTasks(std::span<const std::string> tasks, unsigned workers, const Task& task, const TaskReport& report) {
  if (workers <= 1 || tasks.size() <= 1) {
    for (std::size_t i = 0; i < tasks.size(); ++i) report(i, task(i));
    return;
  }
  Pool pool(tasks);
  pool.Start(static_cast<unsigned>(std::min<std::size_t>(workers, tasks.size())), task);
  pool.Run(report);
}

unsigned AvailableProcessors() {
  cpu_set_t set;
  if (::sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
    return static_cast<unsigned>(CPU_COUNT(&set));
  const long online = ::sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? static_cast<unsigned>(online) : 1;
}
