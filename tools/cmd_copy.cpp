// copy: the settings of a template drawing into many drawings, each saved
// atomically; a drawing that fails is reported and the others still done.
// The folders are flushed once, at the end, before the outcome is told.
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <new>

#include "platform/detail/atomic_file.h"
#include "tools/cli_error.h"
#include "tools/commands.h"
#include "tools/module_settings.h"
#include "tools/progress_bar.h"
#include "tools/settings_copy.h"
#include "tools/worker_pool.h"

namespace {

// Far beyond any gain, short of exhausting the process table.
constexpr unsigned kMaxJobs = 256;

struct CopyOptions {
  std::string source;
  std::vector<std::string> targets;
  std::vector<std::string> modules;
  bool keepExisting = false;
  bool noProgress = false;
  unsigned jobs = AvailableProcessors();
};

// The modules asked for, each of which the template must have; without a
// choice, every module the template has.
std::vector<SettingsCopy> ModulesToCopy(const Drawing& source, const std::vector<std::string>& names) {
  std::vector<SettingsCopy> modules;
  for (const ModuleRow& module : ModuleTable()) {
    const bool chosen = names.empty() || std::find(names.begin(), names.end(), module.name) != names.end();
    if (!chosen) continue;
    ModuleSettings settings(module, source);
    if (settings.Present()) {
      settings.RequireReadable();
      modules.emplace_back(module, source);
    } else if (!names.empty()) {
      settings.RequirePresent();
    }
  }
  if (modules.empty()) throw CliError(source.Name() + " has no settings to copy");
  return modules;
}

// One bad drawing must not cost the rest of the batch: its failure is an outcome.
TaskOutcome CopyInto(const std::vector<SettingsCopy>& modules, const std::string& target, ExistingSettings existing) {
  try {
    // The copy needs only the few objects that lead to the settings.
    std::unique_ptr<Drawing> drawing = Drawing::OpenToChange(target, Drawing::Reading::OnDemand);
    try {
      for (const SettingsCopy& module : modules) module.Into(*drawing, existing);
    } catch (const std::bad_alloc&) {
      throw;
    } catch (const std::exception&) {
      drawing->RequireUndamaged();  // the cause, when there is one
      throw;
    }
    drawing->Save();
    return {};
  } catch (const std::bad_alloc&) {
    throw;  // ends the batch: no fault of this drawing
  } catch (const std::exception& error) {
    return {true, error.what()};
  }
}

// The bar would garble output piped on, or a log standard error goes to.
bool ShowProgress(const CopyOptions& options) {
  return !options.noProgress && options.targets.size() > 1 && ::isatty(STDOUT_FILENO) && ::isatty(STDERR_FILENO);
}

// Every target is read into and written from buffers of about one drawing's
// size. Returning them to the kernel after each target, only to fault them
// back in for the next, costs more than the copy's own work; keeping them
// leaves the peak where it was.
void KeepFreedBuffers() {
  mallopt(M_MMAP_THRESHOLD, 32 << 20);  // the largest glibc takes
  mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

int RunCopy(const CopyOptions& options) {
  KeepFreedBuffers();
  std::unique_ptr<Drawing> source = Drawing::Open(options.source);
  const std::vector<SettingsCopy> modules = ModulesToCopy(*source, options.modules);
  const ExistingSettings existing = options.keepExisting ? ExistingSettings::Keep : ExistingSettings::Replace;
  std::size_t failed = 0;
  {
    ProgressBar progress(options.targets.size(), ShowProgress(options));
    kovt_platform::SaveBatch saves;
    RunTasks(
        options.targets, options.jobs,
        [&](std::size_t i) { return CopyInto(modules, options.targets[i], existing); },
        [&](std::size_t i, const TaskOutcome& outcome) {
          if (outcome.failed) {
            ++failed;
            progress.Message("kovtset: " + outcome.message);
          } else {
            saves.Replaced(options.targets[i]);
          }
          progress.Update(i + 1);
        });
    for (const kovt_platform::SaveBatch::Unflushed& folder : saves.Flush()) {
      failed += folder.files;
      progress.Message("kovtset: " + folder.error);
    }
  }
  if (failed == 0) return kExitOk;
  throw CliError("copying failed for " + std::to_string(failed) + " of " + std::to_string(options.targets.size()) +
                 " drawings");
}

}  // namespace

void AddCopyCommand(CLI::App& app, CommandList& commands) {
  auto [command, options] = AddSubcommand<CopyOptions>(
      app, commands, "copy",
      "Copy the settings of a template drawing into drawings: for each module copied, the template's sets, "
      "their values and its default set replace the target's (a target without the module gets it). Each "
      "target is saved atomically; one that fails (missing, damaged, not writable) is reported and the "
      "others are still done, and the exit code is then 1",
      RunCopy);
  AddDrawingArgument(command, options.source, "template", "Drawing whose settings are copied");
  command->add_option("targets", options.targets, "Drawings to copy into")->required();
  AddModulesOption(command, options.modules,
                   "Module to copy (repeatable; default: every module the template has). The template must "
                   "have each module named");
  command->add_flag("-k,--keep-existing", options.keepExisting,
                    "Leave the settings of a module a target has already as they are; copy only the modules "
                    "it lacks");
  command->add_flag("--no-progress", options.noProgress,
                    "No progress bar (it shows only for several targets, with output on a terminal)");
  command
      ->add_option("-j,--jobs", options.jobs,
                   "Worker processes the targets are spread over (default: one per processor); the output is "
                   "the same whatever their number")
      ->check(CLI::Range(1u, kMaxJobs));
}
