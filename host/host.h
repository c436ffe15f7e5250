// Everything a module needs from the host.
#pragma once

#include "host/database.h"
#include "host/dictionary.h"
#include "host/filer.h"
#include "host/ids.h"
#include "host/object.h"
#include "host/print.h"
#include "host/rx.h"
#include "host/status.h"
#include "host/symbol_tables.h"
#include "host/utf16.h"
