// A module for the loader tests: its name and the default workspace names.
#include "platform/string_resources.h"

const KovtStringResource KovtStringTable[] = {{1, KOVT_TEST_MODULE_NAME},
                                              {18, L"Steel Detailing"},
                                              {20, L"Reinforcement Detailing"},
                                              {22, L"Formwork Detailing"},
                                              {24, L"Detailing Suite"},
                                              {0, nullptr}};
