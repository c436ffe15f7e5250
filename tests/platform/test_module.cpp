// Loaded by the tests as a module: its name, a string of its own, the default
// workspace names and an export.
#include "platform/string_resources.h"

const KovtStringResource KovtStringTable[] = {{1, KOVT_TEST_MODULE_NAME},
                                              {7, L"Seven"},
                                              {18, L"Steel Detailing"},
                                              {20, L"Reinforcement Detailing"},
                                              {22, L"Formwork Detailing"},
                                              {24, L"Detailing Suite"},
                                              {0, nullptr}};

extern "C" __attribute__((visibility("default"))) int KovtTestModuleAnswer() { return 42; }
