// Loaded by the platform tests: a module without a string table that depends
// on one with a table, so lookups must not reach into the dependency.
extern "C" int KovtTestModuleAnswer();

extern "C" __attribute__((visibility("default"))) int KovtTestDependentAnswer() {
  return KovtTestModuleAnswer() + 1;
}
