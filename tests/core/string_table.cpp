// The test program's own string table.
#include "platform/string_resources.h"

const KovtStringResource KovtStringTable[] = {{7001, L"Core test text"}, {0, nullptr}};
