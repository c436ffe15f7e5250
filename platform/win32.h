// Every Windows stand-in of kovt_platform at once.
#pragma once

#include "platform/com.h"
#include "platform/find_files.h"
#include "platform/known_folders.h"
#include "platform/modules.h"
#include "platform/path_helpers.h"
#include "platform/registry.h"
#include "platform/string_resources.h"
#include "platform/tick_count.h"
#include "platform/wide_string.h"
#include "platform/windows.h"
