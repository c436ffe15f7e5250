// Stands in for the reinforcement preferences' resource module: string 51
// is the text a user symbol takes to mean "no symbol".
#include "platform/string_resources.h"

const KovtStringResource KovtStringTable[] = {{51, L"<none>"}, {0, nullptr}};
