// The string table of the resource module KOVTAppSet_Res: display names of
// the unit codes, resources 101 (code 0) to 122 (code 21).
#include "platform/string_resources.h"

const KovtStringResource KovtStringTable[] = {
    {101, L"mm"},     {102, L"cm"},     {103, L"m"},      {104, L"in"},       {105, L"ft"},
    {106, L"mm²"},    {107, L"cm²"},    {108, L"m²"},     {109, L"in²"},      {110, L"ft²"},
    {111, L"mm³"},    {112, L"cm³"},    {113, L"m³"},     {114, L"in³"},      {115, L"ft³"},
    {116, L"t"},      {117, L"kg"},     {118, L"lb"},     {119, L"US tons"},  {120, L"N"},
    {121, L"°"},      {122, L"rad"},    {0, nullptr}};
