// A working drawing in the steel context.
#pragma once

#include "jobsettings/steel_job_settings.h"
#include "tests/jobsettings/job_settings_fixture.h"

using SteelSettingsTest = JobSettingsFixture<KOVTSteelJobSettings, KOVT_CONTEXT_STEEL>;
