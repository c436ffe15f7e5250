// The core library of the application family, in one include.
#pragma once

#include "core/db_helpers.h"
#include "core/exception.h"
#include "core/kovt_string.h"
#include "core/module.h"
#include "core/module_load.h"
#include "core/object_maps.h"
#include "core/string_list.h"
