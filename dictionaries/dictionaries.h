// The drawing dictionaries of the application family, in one include.
#pragma once

#include "dictionaries/app_dictionary_classes.h"
#include "dictionaries/dict_iteration.h"
#include "dictionaries/dict_names.h"
#include "dictionaries/dict_stamps.h"
#include "dictionaries/dict_tree.h"
#include "dictionaries/typed_dicts.h"
