// Loaded by the platform tests as a module.
#include "platform/string_resources.h"

const KovtStringResource KovtStringTable[] = {{1, L"Module one"}, {7, L"Seven"}, {0, nullptr}};

extern "C" __attribute__((visibility("default"))) int KovtTestModuleAnswer() { return 42; }
