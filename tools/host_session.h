// The program as the host of the module: KoVTAppSet.kmo is loaded by file
// name through the host's dynamic linker and initialised through its entry
// point, then unloaded again when the session ends.
//
// The module announces its initialisation and finalisation on the host's
// command line; those lines are kept off standard output (so results stay
// scriptable) and go to standard error only when `verbose` is set.
#pragma once

class HostSession {
 public:
  // Throws CliError when the module cannot be loaded, or when the loaded
  // module is not the instance this program is linked with.
  explicit HostSession(bool verbose);
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

 private:
  // Hands what the module printed to standard error, or drops it.
  void RelayModuleOutput() const;

  bool m_verbose;
};
